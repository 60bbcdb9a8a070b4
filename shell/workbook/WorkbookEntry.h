// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the workbook plugin (morvint_workbook.so) offers the program: one function, found by this name, that
// writes the records as a workbook (WriteRecordsWorkbook in shell/RecordsWorkbook.h).
#include <string>
#include <vector>

#include "shell/RecordsWorkbook.h"

using WriteWorkbookFunction = int (*)(const std::string& path, const std::vector<HistoryRecord>& records,
                                      const WorkbookStatistics& statistics);

inline constexpr char kWriteWorkbookEntry[] = "morvint_write_records_workbook";
