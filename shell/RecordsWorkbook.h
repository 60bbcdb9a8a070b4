// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records as an Excel workbook, for the player's own books: the sheet 预测记录 with the records list's
// columns, where a code stays the text 025 (a CSV opened in a spreadsheet turns it into the number 25) and a
// date is a real date, and the sheet 统计 with the statistics window's tables and sentences.
#include <QString>
#include <string>
#include <vector>

#include "shell/StatisticsTexts.h"
#include "store/HistoryRecord.h"

// What the 统计 sheet shows: the window's scope line, prices, tables and sentences.
struct WorkbookStatistics {
    QString scope;
    QString prices;
    std::vector<StatisticsTable> tables;
    QString sentence;
};

// Writes the workbook to path, a file of its own that it fills from the start: 0, or the errno of the
// failure (EIO when the library gives none).
int WriteRecordsWorkbook(const std::string& path, const std::vector<HistoryRecord>& records,
                         const WorkbookStatistics& statistics);
