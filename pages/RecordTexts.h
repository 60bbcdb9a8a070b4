#pragma once
// How the records page names saved predictions in its list and in its questions.
#include <QString>
#include <vector>

#include "core/COleDateTime.h"

struct HistoryRecord;

// The draw date as the list shows it: year, month and day without leading zeros ("2009-6-17").
QString RecordDateText(const COleDateTime& date);

// The question before removing these records (in list order): how many, then each by draw date and issue;
// of a long run only the first and the last few, so the question still fits the screen.
QString RemovalQuestion(const std::vector<const HistoryRecord*>& records);
