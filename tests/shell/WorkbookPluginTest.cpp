// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook is written by a plugin loaded on the first export: a start does not load the spreadsheet
// library, the first export does, and an installation without the plugin says so instead of writing a file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "shell/PluginFolders.h"
#include "shell/RecordsWorkbook.h"

namespace {

bool Mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

class WorkbookPluginTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("记录.xlsx")).toStdString();
    std::vector<HistoryRecord> records{{.record_order = 1,
                                        .record_date = COleDateTime(2009, 6, 17, 20, 30, 0),
                                        .open_order = "2009160",
                                        .data = {"025", "100", "200", "300", "400", "500", "600", "700"},
                                        .open_data = "025",
                                        .is_right = 1}};
    const WorkbookStatistics statistics{QStringLiteral("全部 1 条"), QString(), {}, QString()};
};

// Each test runs in a process of its own (ctest): nothing before the first export has loaded the library.
TEST_F(WorkbookPluginTest, TheSpreadsheetLibraryIsLoadedWithTheFirstExport) {
    EXPECT_FALSE(Mapped("libxlsxwriter")) << "linked into the program instead of the plugin";

    ASSERT_EQ(WriteRecordsWorkbook(path, records, statistics), 0)
        << "the build's plugin was not found in " << PluginFolders().join(u' ').toStdString();
    QFile written(QString::fromStdString(path));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(2), QByteArray("PK")) << "a workbook is a zip archive";
    EXPECT_TRUE(Mapped("morvint_workbook.so"));
    EXPECT_TRUE(Mapped("libxlsxwriter"));
}

// A program folder copied without its plugin: the export fails as a missing library, and leaves no file.
TEST_F(WorkbookPluginTest, WithoutThePluginNoWorkbookIsWritten) {
    const QStringList buildFolders = PluginFolders();
    SetPluginFolders({dir.path()});
    const int result = WriteRecordsWorkbook(path, records, statistics);
    SetPluginFolders(buildFolders);

    EXPECT_EQ(result, ELIBACC);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

}  // namespace
