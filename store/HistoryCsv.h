// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved predictions as a CSV file a spreadsheet opens as it is: UTF-8 with a byte-order mark (without it
// spreadsheet programs read the Chinese as another code page), CRLF line ends, and a field quoted only where
// RFC 4180 needs it. The columns are those of the records list (res/RecordColumns.h), with their titles.
#include <string>
#include <vector>

#include "store/HistoryRecord.h"

// One header line, then one line per record in the order given: the draw date (yyyy-mm-dd), the issue, the
// eight codes, the draw number ("未知" while there is none) and the verdict word.
std::string HistoryCsv(const std::vector<HistoryRecord>& records);

// One field: as it is, or in double quotes with its quotes doubled when it holds a comma, a quote or a line
// break. A text a spreadsheet would run as a formula (starting with =, +, -, @, a tab or a carriage return,
// as an issue typed "=1+1" does) gets a leading apostrophe first, so that it is shown as the text it is.
std::string CsvField(const std::string& text);
