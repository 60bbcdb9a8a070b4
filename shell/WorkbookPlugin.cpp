// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the workbook: the spreadsheet library and the cryptography library it needs weigh
// 1.7 MB of every start's memory and 22 000 relocations, for an export few runs ever make. They live in
// morvint_workbook.so, loaded on the first export.
#include <cerrno>

#include "shell/PluginFolders.h"
#include "shell/RecordsWorkbook.h"
#include "shell/workbook/WorkbookEntry.h"

namespace {

// Looked for on every export, which is cheap once it is loaded (it stays loaded): a plugin installed while
// the program runs is used on the next export.
WriteWorkbookFunction WorkbookWriter() {
    return reinterpret_cast<WriteWorkbookFunction>(
        PluginEntry(QStringLiteral("morvint_workbook.so"), kWriteWorkbookEntry));
}

}  // namespace

int WriteRecordsWorkbook(const std::string& path, const std::vector<HistoryRecord>& records,
                         const WorkbookStatistics& statistics) {
    const WriteWorkbookFunction writer = WorkbookWriter();
    // An installation without the plugin: said as the library that could not be found, not as the file.
    return writer != nullptr ? writer(path, records, statistics) : ELIBACC;
}
