// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A saved prediction's cell in one of the columns of res/RecordColumns.h, as text: what the exports write and
// the lists show.
#include <string>

#include "res/RecordColumns.h"
#include "store/HistoryRecord.h"

// The draw date as yyyy-mm-dd, the issue and the codes as saved, the draw number ("未知" while there is none)
// and the verdict word.
std::string RecordColumnText(const HistoryRecord& record, const RecordColumns::Column& column);

// yyyy-mm-dd, with the leading zeros.
std::string IsoDateText(const COleDateTime& date);
