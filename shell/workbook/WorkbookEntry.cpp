// SPDX-License-Identifier: GPL-3.0-or-later
// The plugin's one entry: the rest of it, and the spreadsheet library with what that library pulls in (a
// cryptography library among them), is hidden inside it.
#include "shell/workbook/WorkbookEntry.h"

#include <QtGlobal>
#include <type_traits>

extern "C" Q_DECL_EXPORT int morvint_write_records_workbook(const std::string& path,
                                                            const std::vector<HistoryRecord>& records,
                                                            const WorkbookStatistics& statistics) {
    return WriteRecordsWorkbook(path, records, statistics);
}

static_assert(std::is_same_v<decltype(&morvint_write_records_workbook), WriteWorkbookFunction>,
              "the program calls the entry through WriteWorkbookFunction");
