// SPDX-License-Identifier: GPL-3.0-or-later
// The records page: the list built from the stored predictions, the entry of a draw number with its refusals
// in their order, the verdict, what reaches the file, and a failed write that changes nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "controls/Colour.h"
#include "pages/CHistoryPage.h"
#include "res/RecordColumns.h"
#include "tests/pages/PageStoreFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/StoreRecords.h"

namespace {

const std::array<std::string, 8> kCodes = {"386", "012", "907", "555", "243", "555", "659", "760"};

const RecordedMessage kNotYet{Messages::kNotDue};
// The refusal of a number that is not three digits says what one looks like on its second line.
const RecordedMessage kNoNumber{TextOf(Messages::kNoDrawNumber) + "\r\n" + TextOf(Messages::kDrawNumberForm),
                                CaptionOf(Messages::kNoDrawNumber)};
const RecordedMessage kRowOneFirst{Messages::kEarlierPending, 1};

constexpr COLORREF kWhite = RGB(255, 255, 255);

class HistoryPageTest : public PageStoreFixture {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PageStoreFixture::SetUp());
        page = std::make_unique<CHistoryPage>(*app);
    }
    // The page goes before the application whose store it was handed.
    void TearDown() override {
        page.reset();
        PageStoreFixture::TearDown();
    }
    // Selects row and enters number as the user would.
    void Enter(int row, const QString& number) {
        page->list.setCurrentCell(row, 0);
        page->drawNumberEdit.setText(number);
        page->confirmButton.click();
    }
    bool EntryShown() const {
        return page->drawNumberLabel.isVisible() && page->drawNumberEdit.isVisible() &&
               page->confirmButton.isVisible();
    }
    bool EntryHidden() const {
        return !page->drawNumberLabel.isVisible() && !page->drawNumberEdit.isVisible() &&
               !page->confirmButton.isVisible();
    }
    QStringList RowTexts(int row) const {
        QStringList texts;
        for (int column = 0; column < page->list.ColumnCount(); ++column) {
            texts << page->list.CellText(row, column);
        }
        return texts;
    }
    // open_data and is_right of a record as the file holds them.
    std::vector<std::string> StoredResult(int order) const {
        const auto rows = Rows("SELECT open_data, is_right FROM data_history WHERE record_order = " +
                               std::to_string(order));
        return rows.empty() ? std::vector<std::string>{} : rows.front();
    }

    FixedClock clock{2010, 3, 5, 9, 0, 0};
    std::unique_ptr<CHistoryPage> page;
};

TEST_F(HistoryPageTest, AnEmptyHistoryHasTwelveHeaderlessColumnsAndNoEntry) {
    OpenStore();
    Show(*page);

    ASSERT_EQ(page->list.ColumnCount(), 12);
    for (int column = 0; column < 12; ++column) {
        const RecordColumns::Column& expected = RecordColumns::kColumns[static_cast<std::size_t>(column)];
        EXPECT_EQ(page->list.horizontalHeaderItem(column)->text(), QString::fromUtf8(expected.title));
        EXPECT_EQ(page->list.columnWidth(column), expected.width);
    }
    EXPECT_TRUE(page->list.horizontalHeader()->isHidden());
    EXPECT_EQ(page->list.rowCount(), 0);
    EXPECT_TRUE(page->issueEdit.isVisible());
    EXPECT_TRUE(page->issueEdit.Text().isEmpty());
    EXPECT_EQ(page->selectedRow, -1);
    EXPECT_TRUE(EntryHidden());
    EXPECT_EQ(page->size(), QSize(700, 455));
}

TEST_F(HistoryPageTest, RowsShowDatesCodesResultsAndColouredVerdicts) {
    AddRecord(1, "2009-06-18 10:30:00", kCodes, 0, "123");
    AddRecord(2, "2009-12-08 00:00:00", kCodes, 5, "243");
    AddRecord(3, "2010-01-02 00:00:00", kCodes);
    OpenStore();
    Show(*page);

    ASSERT_EQ(page->list.rowCount(), 3);
    EXPECT_EQ(RowTexts(0), (QStringList{"2009-6-18", "10001", "386", "012", "907", "555", "243", "555", "659",
                                        "760", "123", "错误"}));
    EXPECT_EQ(RowTexts(1).mid(10), (QStringList{"243", "正确"}));
    EXPECT_EQ(RowTexts(1).front(), QStringLiteral("2009-12-8"));
    EXPECT_EQ(RowTexts(2).mid(10), (QStringList{"未知", "未知"}));

    EXPECT_EQ(page->list.CellTextColour(0, 11), RGB(200, 20, 20));
    EXPECT_EQ(page->list.CellBackColour(0, 11), kWhite);
    EXPECT_EQ(page->list.CellTextColour(1, 6), RGB(0, 200, 100)) << "code five is column six";
    EXPECT_EQ(page->list.CellBackColour(1, 6), kWhite);
    EXPECT_EQ(page->list.CellTextColour(1, 11), RGB(0, 128, 80));
    const COLORREF plain = page->list.DefaultTextColour();
    for (int column = 0; column < 11; ++column) {
        EXPECT_EQ(page->list.CellTextColour(0, column), plain) << column;
        if (column != 6) {
            EXPECT_EQ(page->list.CellTextColour(1, column), plain) << column;
        }
    }
    for (int column = 0; column < 12; ++column) {
        EXPECT_EQ(page->list.CellTextColour(2, column), plain) << column;
    }
}

// The page opens on the record whose result is due next, selected and in view, with the entry open; when no
// result is due, on the last record.
TEST_F(HistoryPageTest, OpensOnTheRecordWhoseResultIsDueElseOnTheLastWithTheEntryClosed) {
    for (int order = 1; order <= 123; ++order) {
        const COleDateTime day = COleDateTime::FromOleDate(COleDateTime(2009, 11, 3).GetOleDate() + order);
        const std::string date = QStringLiteral("%1-%2-%3 10:00:00")
                                     .arg(day.GetYear())
                                     .arg(day.GetMonth(), 2, 10, QLatin1Char('0'))
                                     .arg(day.GetDay(), 2, 10, QLatin1Char('0'))
                                     .toStdString();
        if (order < 100) {
            AddRecord(order, date, kCodes, 0, "123");
        } else {
            AddRecord(order, date, kCodes);  // 100 (2010-02-11) is due first; 123 is tomorrow's
        }
    }
    OpenStore();
    Show(*page);
    EXPECT_EQ(page->selectedRow, 99);
    EXPECT_EQ(page->list.currentRow(), 99);
    EXPECT_EQ(page->list.selectedItems().size(), 12);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("1000100"));
    EXPECT_TRUE(EntryShown());
    EXPECT_TRUE(page->list.viewport()->rect().contains(page->list.visualItemRect(page->list.item(99, 0))));

    // Behind a record that waits, or still to be drawn: the entry is there too, and 确定 says why the number
    // cannot go in yet.
    page->list.setCurrentCell(100, 0);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("1000101"));
    EXPECT_TRUE(EntryShown());
    page->list.setCurrentCell(122, 0);
    EXPECT_TRUE(EntryShown());
    page->list.setCurrentCell(98, 0);
    EXPECT_TRUE(EntryHidden()) << "a record with its result takes none";
}

// Once the records outnumber the rows, the vertical bar takes room from the columns. The list still never
// scrolls sideways: a horizontal bar would cover the last row, which is where the due record opens.
TEST_F(HistoryPageTest, AFullListNeedsNoHorizontalBarAndShowsTheDueRowWhole) {
    OpenStore();
    for (const int count : {11, 399}) {
        SCOPED_TRACE(count);
        Sql("DELETE FROM data_history");
        for (int order = 1; order <= count; ++order) {
            const COleDateTime day =
                COleDateTime::FromOleDate(COleDateTime(2010, 3, 4).GetOleDate() - count + order);
            const std::string date = QStringLiteral("%1-%2-%3 10:00:00")
                                         .arg(day.GetYear())
                                         .arg(day.GetMonth(), 2, 10, QLatin1Char('0'))
                                         .arg(day.GetDay(), 2, 10, QLatin1Char('0'))
                                         .toStdString();
            if (order < count) {
                AddRecord(order, date, kCodes, 0, "123");
            } else {
                AddRecord(order, date, kCodes);
            }
        }
        app->LoadHistory();
        CHistoryPage full(*app);
        Show(full);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&full));

        EXPECT_TRUE(full.list.verticalScrollBar()->isVisible());
        EXPECT_FALSE(full.list.horizontalScrollBar()->isVisible());
        int width = 0;
        for (int column = 0; column < full.list.columnCount(); ++column) {
            width += full.list.columnWidth(column);
        }
        EXPECT_LE(width, full.list.viewport()->width());
        EXPECT_LE(QFontMetrics(full.list.font()).horizontalAdvance(QStringLiteral("正确")) + 6,
                  full.list.columnWidth(11))
            << "the verdict still fits its column";

        ASSERT_EQ(full.list.currentRow(), count - 1);
        const QRect row = full.list.visualRect(full.list.model()->index(count - 1, 0))
                              .united(full.list.visualRect(full.list.model()->index(count - 1, 11)));
        EXPECT_TRUE(full.list.viewport()->rect().contains(row)) << "the due row is whole in view";
    }
}

TEST_F(HistoryPageTest, WithNoResultDueThePageOpensOnTheLastRecord) {
    AddRecord(1, "2009-06-18 00:00:00", kCodes, 3, "907");
    AddRecord(2, "2010-03-06 00:00:00", kCodes);  // tomorrow
    OpenStore();
    Show(*page);
    EXPECT_EQ(page->selectedRow, 1);
    EXPECT_EQ(page->list.currentRow(), 1);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("10002"));
    EXPECT_TRUE(EntryShown()) << "tomorrow's record waits for its result";

    CHistoryPage finished(*app);
    Sql("DELETE FROM data_history WHERE record_order = 2");
    app->LoadHistory();
    Show(finished);
    EXPECT_EQ(finished.selectedRow, 0);
    EXPECT_EQ(finished.issueEdit.Text(), QStringLiteral("10001"));
    EXPECT_FALSE(finished.drawNumberEdit.isVisible());
}

TEST_F(HistoryPageTest, SelectingShowsTheIssueAndOffersTheEntryOnlyWithoutAResult) {
    AddRecord(1, "2009-06-18 00:00:00", kCodes, 0, "123");
    AddRecord(2, "2009-06-19 00:00:00", kCodes);
    OpenStore();
    Show(*page);

    page->list.setCurrentCell(0, 0);
    page->list.setCurrentCell(1, 3);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("10002"));
    EXPECT_TRUE(EntryShown());
    page->list.setCurrentCell(0, 0);
    EXPECT_EQ(page->selectedRow, 0);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("10001"));
    EXPECT_TRUE(EntryHidden());

    EXPECT_EQ(page->issueEdit.editor()->font().family(), QFont(QStringLiteral("黑体")).family());
    EXPECT_EQ(page->issueEdit.editor()->font().pixelSize(), 20);
    EXPECT_EQ(page->issueEdit.BackColour(), RGB(155, 197, 207));
    EXPECT_EQ(page->issueEdit.TextColour(), RGB(0, 40, 40));
}

TEST_F(HistoryPageTest, ASevenDigitIssueFitsItsBoxWhileAShortOneKeepsTheFullSize) {
    AddRecord(1, "2009-06-18 00:00:00", kCodes);
    AddRecord(2, "2009-06-19 00:00:00", kCodes);
    Sql("UPDATE data_history SET open_order = '2009160' WHERE record_order = 1");
    OpenStore();
    Show(*page);

    page->list.setCurrentCell(0, 0);
    const QWidget& box = *page->issueEdit.editor();
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("2009160"));
    EXPECT_LT(box.font().pixelSize(), 20);
    EXPECT_LE(QFontMetrics(box.font()).horizontalAdvance(QStringLiteral("2009160")), box.width() - 6);

    page->list.setCurrentCell(1, 0);
    EXPECT_EQ(box.font().pixelSize(), 20);
}

TEST_F(HistoryPageTest, TheDrawNumberHitsTheFirstEqualCodeAndIsStored) {
    AddRecord(1, "2010-03-05 20:00:00", kCodes);  // drawn tonight: today's draw takes its result
    AddRecord(2, "2010-03-04 00:00:00", kCodes);
    OpenStore();
    Show(*page);

    Enter(0, QStringLiteral("012"));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"012", "正确"}));
    EXPECT_EQ(page->list.CellTextColour(0, 3), RGB(0, 200, 100));
    EXPECT_EQ(page->list.CellTextColour(0, 11), RGB(0, 128, 80));
    EXPECT_TRUE(page->drawNumberText.isEmpty());
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"012", "2"}));
    EXPECT_EQ(app->Record(1).is_right, 2);
    // On to the next record whose result is due, its entry open and empty.
    EXPECT_EQ(page->selectedRow, 1);
    EXPECT_TRUE(EntryShown());
    EXPECT_TRUE(page->drawNumberEdit.text().isEmpty());

    // Two equal codes: the lower one is the hit.
    Enter(1, QStringLiteral("555"));
    EXPECT_TRUE(EntryHidden()) << "no result is due any more";
    EXPECT_EQ(StoredResult(2), (std::vector<std::string>{"555", "4"}));
    EXPECT_EQ(page->list.CellTextColour(1, 5), RGB(0, 200, 100));
    EXPECT_EQ(page->list.CellTextColour(1, 7), page->list.DefaultTextColour());
    EXPECT_EQ(RowTexts(1).mid(10), (QStringList{"555", "正确"}));
}

TEST_F(HistoryPageTest, TheSameDigitsInAnotherOrderMiss) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    OpenStore();
    Show(*page);

    Enter(0, QStringLiteral("210"));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"210", "错误"}));
    EXPECT_EQ(page->list.CellTextColour(0, 11), RGB(200, 20, 20));
    EXPECT_EQ(page->list.CellBackColour(0, 11), kWhite);
    for (int column = 2; column < 10; ++column) {
        EXPECT_EQ(page->list.CellTextColour(0, column), page->list.DefaultTextColour()) << column;
    }
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"210", "0"}));
}

// A record still to be drawn, or behind one that waits, shows the entry like any record without a result;
// 确定 then says why the number cannot go in, in the page's own words, and writes nothing.
TEST_F(HistoryPageTest, RecordsThatCannotTakeTheirResultYetShowTheEntryAndSayWhyOnConfirm) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    AddRecord(2, "2010-03-02 00:00:00", kCodes);
    AddRecord(3, "2010-03-06 00:00:00", kCodes);  // tomorrow
    OpenStore();
    Show(*page);

    for (const int row : {2, 1}) {
        page->list.setCurrentCell(row, 0);
        EXPECT_TRUE(EntryShown()) << row;
        QTest::keyClicks(&page->drawNumberEdit, QStringLiteral("012"));
        page->confirmButton.click();
    }
    ASSERT_EQ(messages, (std::vector<RecordedMessage>{kNotYet, kRowOneFirst}));
    EXPECT_EQ(StoredResult(2), (std::vector<std::string>{"未知", "11"}));
    EXPECT_EQ(StoredResult(3), (std::vector<std::string>{"未知", "11"}));
    EXPECT_TRUE(page->drawNumberEdit.text().isEmpty());
}

// The checks run in order: date, length, then the row order; each refusal empties the entry and writes
// nothing.
TEST_F(HistoryPageTest, RefusalsComeInTheirOrderAndLeaveTheRecordsAlone) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    AddRecord(2, "2010-03-02 00:00:00", kCodes);
    AddRecord(3, "2010-03-06 00:00:00", kCodes);  // tomorrow
    OpenStore();
    Show(*page);

    Enter(2, QStringLiteral("12"));
    Enter(2, QStringLiteral("012"));
    Enter(1, QStringLiteral("12"));
    Enter(1, QStringLiteral("012"));
    Enter(0, QStringLiteral(""));

    EXPECT_EQ(messages, (std::vector<RecordedMessage>{kNotYet, kNotYet, kNoNumber, kRowOneFirst, kNoNumber}));
    EXPECT_TRUE(page->drawNumberEdit.text().isEmpty());
    EXPECT_TRUE(EntryShown());
    for (int order = 1; order <= 3; ++order) {
        EXPECT_EQ(StoredResult(order), (std::vector<std::string>{"未知", "11"})) << order;
        EXPECT_EQ(RowTexts(order - 1).mid(10), (QStringList{"未知", "未知"}));
    }
}

// A fourth digit is kept as typed, so the entry is refused instead of becoming another number: 781 is a code
// of this record and would have been stored as a hit.
TEST_F(HistoryPageTest, AFourDigitDrawNumberIsKeptWholeAndRefused) {
    const std::array<std::string, 8> codes = {"386", "781", "907", "555", "243", "555", "659", "760"};
    AddRecord(1, "2010-03-01 00:00:00", codes);
    OpenStore();
    Show(*page);

    QTest::keyClicks(&page->drawNumberEdit, QStringLiteral("78a1-2"));
    EXPECT_EQ(page->drawNumberEdit.text(), QStringLiteral("7812"));
    page->confirmButton.click();

    EXPECT_EQ(messages, std::vector<RecordedMessage>{kNoNumber});
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"未知", "11"}));
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"未知", "未知"}));
    EXPECT_EQ(app->Record(1).is_right, 11);
    EXPECT_TRUE(page->drawNumberEdit.text().isEmpty());
    EXPECT_TRUE(EntryShown());
}

// The cells start at the left of their columns, under the titles the background draws there.
TEST_F(HistoryPageTest, CellTextsAreLeftAligned) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));

    for (int column = 0; column < page->list.ColumnCount(); ++column) {
        EXPECT_EQ(page->list.horizontalHeaderItem(column)->textAlignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignLeft)
            << column;
    }
    const QImage view = page->list.viewport()->grab().toImage();
    const QRect cell = page->list.visualRect(page->list.model()->index(0, 1));  // the issue, 10001
    int firstInk = -1;
    for (int x = cell.left(); x < cell.right() && firstInk < 0; ++x) {
        for (int y = cell.top(); y < cell.bottom(); ++y) {
            if (qGray(view.pixel(x, y)) < 128) {
                firstInk = x;
                break;
            }
        }
    }
    ASSERT_GE(firstInk, 0);
    EXPECT_LE(firstInk - cell.left(), 3);
}

TEST_F(HistoryPageTest, AFailedWriteLeavesRowEntryAndNumberForAnotherTry) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    Sql("CREATE TRIGGER refuse BEFORE UPDATE ON data_history BEGIN SELECT RAISE(ABORT, 'disk full'); END;");

    Enter(0, QStringLiteral("012"));

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kSaveFailed});
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"未知", "未知"}));
    EXPECT_EQ(page->list.CellTextColour(0, 3), page->list.DefaultTextColour());
    EXPECT_TRUE(EntryShown());
    EXPECT_EQ(page->drawNumberEdit.text(), QStringLiteral("012"));
    EXPECT_EQ(app->Record(1).is_right, 11);

    Sql("DROP TRIGGER refuse;");
    page->confirmButton.click();
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"012", "2"}));
    EXPECT_TRUE(EntryHidden());
}

// Another copy of the program entered 012 for the record while this page showed it without a result: this
// page's 111 is not written, the box says why, and the row shows what the file holds.
TEST_F(HistoryPageTest, AResultTheOtherCopyEnteredFirstIsShownInsteadOfWrittenOver) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    Sql("UPDATE data_history SET open_data = '012', is_right = 2 WHERE record_order = 1");

    Enter(0, QStringLiteral("111"));

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kDrawEnteredMeanwhile});
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"012", "2"}));
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"012", "正确"}));
    EXPECT_EQ(page->list.CellTextColour(0, 3), RGB(0, 200, 100));
    EXPECT_EQ(page->list.CellTextColour(0, 11), RGB(0, 128, 80));
    EXPECT_TRUE(EntryHidden());
}

// Another copy archived the record before the selected one and numbered the rest again: this page's entry is
// refused, the box says that the records changed, and the selection stays on the record it was on, now one
// row up, with the number as typed, ready to be confirmed again.
TEST_F(HistoryPageTest, AnEntryRefusedAfterTheOtherCopyRenumberedSaysSoAndKeepsItsRecord) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes, 0, "123");
    AddRecord(2, "2010-03-02 00:00:00", kCodes);
    AddRecord(3, "2010-03-03 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    ASSERT_EQ(page->selectedRow, 1);
    Sql("DELETE FROM data_history WHERE record_order = 1; UPDATE data_history SET record_order = "
        "record_order - 1");

    page->drawNumberEdit.setText(QStringLiteral("012"));
    page->confirmButton.click();

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kDrawChangedMeanwhile});
    EXPECT_EQ(page->list.rowCount(), 2);
    EXPECT_EQ(page->selectedRow, 0);
    EXPECT_EQ(page->list.currentRow(), 0);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("10002"));
    EXPECT_TRUE(EntryShown());
    EXPECT_EQ(page->drawNumberEdit.text(), QStringLiteral("012"));
    EXPECT_EQ(Rows("SELECT open_data FROM data_history"), (TextRows{{"未知"}, {"未知"}}));

    messages.clear();
    page->confirmButton.click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(StoredResult(1), (std::vector<std::string>{"012", "2"})) << "the same prediction, renumbered";
}

// The record typed for is gone from the file altogether: the box says the records changed, and the number
// goes with it rather than into the entry of whatever record the list opens on now.
TEST_F(HistoryPageTest, AnEntryForARecordTheOtherCopyRemovedSaysSoAndDropsTheNumber) {
    AddRecord(1, "2010-03-01 00:00:00", kCodes);
    AddRecord(2, "2010-03-02 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    ASSERT_EQ(page->selectedRow, 0);
    Sql("DELETE FROM data_history WHERE record_order = 1; UPDATE data_history SET record_order = 1");

    Enter(0, QStringLiteral("012"));

    EXPECT_EQ(messages, std::vector<RecordedMessage>{Messages::kDrawChangedMeanwhile});
    EXPECT_EQ(page->list.rowCount(), 1);
    EXPECT_EQ(page->issueEdit.Text(), QStringLiteral("10002"));
    EXPECT_EQ(page->drawNumberEdit.text(), QString());
    EXPECT_EQ(Rows("SELECT open_data FROM data_history"), (TextRows{{"未知"}}));
}

// Records 2 and 4 by hand, 1 and 3 missing: two rows and no empty slot listed. The refusal names the row as
// the list numbers it (row 1 is record 2), and each result goes to the record its row shows.
TEST_F(HistoryPageTest, GapsInTheRecordNumbersLeaveNoRowAndRowsNameTheirOwnRecords) {
    AddRecord(2, "2010-03-01 00:00:00", kCodes);
    AddRecord(4, "2010-03-03 00:00:00", kCodes);
    OpenStore();
    Show(*page);

    ASSERT_EQ(page->list.rowCount(), 2);
    EXPECT_EQ(RowTexts(0).mid(0, 2), (QStringList{"2010-3-1", "10002"}));
    EXPECT_EQ(RowTexts(1).mid(0, 2), (QStringList{"2010-3-3", "10004"}));
    Enter(1, QStringLiteral("012"));
    EXPECT_EQ(messages, std::vector<RecordedMessage>{kRowOneFirst});

    messages.clear();
    Enter(0, QStringLiteral("907"));
    Enter(1, QStringLiteral("012"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(StoredResult(2), (std::vector<std::string>{"907", "3"}));
    EXPECT_EQ(StoredResult(4), (std::vector<std::string>{"012", "2"}));
    EXPECT_EQ(RowTexts(1).mid(10), (QStringList{"012", "正确"}));
}

TEST_F(HistoryPageTest, BackGoesHome) {
    OpenStore();
    Show(*page);

    page->backButton.click();

    EXPECT_EQ(DeliveredPosts(), (std::vector<PostedRecorder::Post>{{WM_NAVIGATE, 20, 0}}));
}

// Another copy of the program enters a draw. Coming back to the window, the main window's refresh may load
// the file before the page asks: the page heard that load, and its list shows the result even though its own
// refresh then finds nothing new.
TEST_F(HistoryPageTest, TheListShowsWhatAnotherCopyEnteredOnceTheStoreHasLoadedIt) {
    AddRecord(1, "2010-03-04 00:00:00", kCodes);
    OpenStore();
    Show(*page);
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    ASSERT_EQ(RowTexts(0).mid(10), (QStringList{"未知", "未知"}));
    CPredictStore otherCopy;
    EXPECT_EQ(otherCopy.OpenDatabase(database), OpenOutcome::opened);
    otherCopy.LoadHistory();
    ASSERT_TRUE(EnterResult(otherCopy, 1, "907"));

    ASSERT_TRUE(app->RefreshIfChanged());
    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"未知", "未知"})) << "a load only marks the list";
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(page.get(), &activation);

    EXPECT_EQ(RowTexts(0).mid(10), (QStringList{"907", "正确"}));
    EXPECT_TRUE(EntryHidden());
}

// A page stops listening when it goes: the loads after it tell nobody about it.
TEST_F(HistoryPageTest, APageThatIsGoneStopsListening) {
    OpenStore();
    const int listening = app->ListenerCount();
    page.reset();
    EXPECT_EQ(app->ListenerCount(), listening - 1);
    app->LoadHistory();
}

}  // namespace
