// SPDX-License-Identifier: GPL-3.0-or-later
// 查看归档… over a long archive: the list reads it from the file a page at a time as it scrolls, and still
// shows every record newest first in the records list's texts and colours, whether the archive's numbers
// run without gaps (paged by number) or not (paged by place). And what the statistics and the view do when
// the archive cannot be read.
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>

#include "pages/CArchiveDlg.h"
#include "pages/CStatisticsDlg.h"
#include "pages/RecordsMenuActions.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/ModalAnswer.h"

namespace {

constexpr int kArchived = 1000;

// Record i (1 .. kArchived) was archived i-th: issue 5000 + i, a hit on its third code in every seventh, a
// miss otherwise; its archive number is i, or i times step (gaps) when step is above 1.
std::string ArchiveSql(int step) {
    return "CREATE TABLE data_archive (archive_order INTEGER PRIMARY KEY, record_order INTEGER NOT NULL, "
           "record_date TEXT, open_order TEXT, data_1 TEXT, data_2 TEXT, data_3 TEXT, data_4 TEXT, data_5 "
           "TEXT, "
           "data_6 TEXT, data_7 TEXT, data_8 TEXT, open_data TEXT, is_right INTEGER, archived_at TEXT NOT "
           "NULL);"
           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(kArchived) + ") INSERT INTO data_archive SELECT i * " + std::to_string(step) +
           ", i % 399 + 1, date('2000-01-01', '+' || i || ' days') || ' 20:00:00', 5000 + i, '101', '202', "
           "printf('%03d', i % 1000), '404', '505', '606', '707', '808', "
           "CASE WHEN i % 7 = 0 THEN printf('%03d', i % 1000) ELSE '999' END, "
           "CASE WHEN i % 7 = 0 THEN 3 ELSE 0 END, '2026-01-01 08:00:00' FROM n;"
           "UPDATE data_archive SET archived_at = '2026-03-04 05:06:07' WHERE open_order = '" +
           std::to_string(5000 + kArchived) + "';PRAGMA user_version = 1;";
}

class ArchiveDlgTest : public PageStoreFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        PageStoreFixture::SetUp();
        AddRecord(1, "2009-06-15 10:00:00", {"386", "012", "907", "555", "243", "555", "659", "760"}, 0,
                  "000");
        OpenStore();
    }
};

TEST_P(ArchiveDlgTest, EveryRecordIsListedNewestFirstInTheListsTextsAndColours) {
    Sql(ArchiveSql(GetParam()));
    CArchiveDlg dialog(*app);
    dialog.show();
    ASSERT_TRUE(dialog.IsReadable());
    CColorListView& list = dialog.list;

    EXPECT_EQ(dialog.CountText(), TextOf(Messages::kArchiveCount).arg(kArchived).arg("2026-03-04 05:06"));
    ASSERT_EQ(list.rowCount(), kArchived);
    ASSERT_EQ(list.columnCount(), 12);
    EXPECT_EQ(list.currentRow(), 0);
    // Row r is record kArchived - r: the newest first, the oldest last, and any page between.
    for (const int row : {0, 1, 127, 128, 500, 871, kArchived - 1}) {
        const int record = kArchived - row;
        EXPECT_EQ(list.CellText(row, 1), QString::number(5000 + record)) << row;
        EXPECT_EQ(list.CellText(row, 4), QStringLiteral("%1").arg(record % 1000, 3, 10, QLatin1Char('0')));
        EXPECT_EQ(list.CellText(row, 11), record % 7 == 0 ? QStringLiteral("正确") : QStringLiteral("错误"))
            << row;
    }
    EXPECT_EQ(list.CellText(kArchived - 1, 0), QStringLiteral("2000-1-2"));
    EXPECT_EQ(list.CellText(kArchived, 1), QString()) << "no row past the last";

    // 994 = 7 x 142 hit on its third code: green there and on the verdict, and said for a screen reader.
    const int hitRow = kArchived - 994;
    EXPECT_EQ(list.CellTextColour(hitRow, 4), RGB(0, 200, 100));
    EXPECT_EQ(list.CellTextColour(hitRow, 11), RGB(0, 128, 80));
    EXPECT_EQ(list.CellTextColour(hitRow, 3), list.Colours().text);
    EXPECT_EQ(list.model()->index(hitRow, 0).data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("命中：预测码三 994"));
    EXPECT_EQ(list.CellTextColour(0, 11), RGB(200, 20, 20)) << "a miss is red, as on the records page";
    EXPECT_EQ(list.CellTextColour(0, 4), list.Colours().text) << "the other cells in the list's colours";
    EXPECT_EQ(list.CellBackColour(0, 4), list.Colours().back);

    // The keys of the records list: End to the oldest, Home back to the newest, one row down.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(list.currentRow(), kArchived - 1);
    // Beside the vertical bar the columns still fit: no sideways bar covers the oldest row.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(list.verticalScrollBar()->isVisible());
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualRect(list.model()->index(kArchived - 1, 11))));
    QTest::keyClick(&list, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(list.currentRow(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 1);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ArchiveDlgTest, ::testing::Values(1, 10),
                         [](const ::testing::TestParamInfo<int>& numbers) {
                             return numbers.param == 1 ? std::string("WithoutGaps") : std::string("WithGaps");
                         });

class UnreadableArchiveTest : public PageStoreFixture {
protected:
    void SetUp() override {
        PageStoreFixture::SetUp();
        AddRecord(1, "2009-06-15 10:00:00", {"386", "012", "907", "555", "243", "555", "659", "760"}, 1,
                  "386");
        AddRecord(2, "2009-06-16 10:00:00", {"386", "012", "907", "555", "243", "555", "659", "760"});
        // Two archived records that read, then one whose record number is no number.
        Sql(ArchiveSql(1) + "UPDATE data_archive SET record_order = 'x' WHERE archive_order = 3;");
        OpenStore();
    }
};

// The statistics say the archive could not be read and count the history alone, as they say: not the
// records of the archive read before the one that failed.
TEST_F(UnreadableArchiveTest, TheStatisticsCountTheHistoryAloneAndSaySo) {
    QStringList counts;
    QString scope;
    {
        ModalAnswer<CStatisticsDlg> statistics([&](CStatisticsDlg& dialog) {
            counts = dialog.CellTexts().mid(0, 4);
            scope = dialog.ScopeText();
            dialog.okButton.click();
        });
        OpenStatistics(*app, nullptr);
    }
    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kArchiveUnreadableForStatistics});
    EXPECT_EQ(counts, (QStringList{"2 条", "1 期", "1 条", "1"}));
    EXPECT_EQ(scope, StatisticsScopeText(2, 0, false));
}

// The newest page cannot be read: the view says so and does not open.
TEST_F(UnreadableArchiveTest, TheViewSaysTheArchiveCannotBeRead) {
    Sql("UPDATE data_archive SET record_order = 'x' WHERE archive_order = " + std::to_string(kArchived));
    int opened = 0;
    {
        ModalAnswer<CArchiveDlg> view([&opened](CArchiveDlg& dialog) {
            ++opened;
            dialog.backButton.click();
        });
        OpenArchive(*app, nullptr);
    }
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kArchiveUnreadable});
}

}  // namespace
