// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <ostream>
#include <string>

#include "controls/CColorListCtrl.h"
#include "tests/support/WidgetPixels.h"

using namespace testsupport;

namespace {

struct ParseCase {
    const char* name;  // of the test case
    const char* spec;
    QStringList names;
    QList<int> widths;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.spec << '"';
}

class ColumnParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ColumnParseTest, GivesTheColumnsOfTheText) {
    const ParseCase& c = GetParam();
    const QList<CColorListCtrl::ColumnSpec> columns = CColorListCtrl::ParseColumns(QString::fromUtf8(c.spec));
    ASSERT_EQ(columns.size(), c.names.size());
    for (qsizetype i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].name, c.names[i]);
        EXPECT_EQ(columns[i].width, c.widths[i]);
    }

    // The list makes the same columns, left aligned, at those widths.
    CColorListCtrl list;
    EXPECT_TRUE(list.DefineColumns(QString::fromUtf8(c.spec)));
    ASSERT_EQ(list.ColumnCount(), c.names.size());
    for (int i = 0; i < list.ColumnCount(); ++i) {
        EXPECT_EQ(list.horizontalHeaderItem(i)->text(), c.names[i]);
        EXPECT_EQ(list.columnWidth(i),
                  std::clamp(c.widths[i], 0, list.horizontalHeader()->maximumSectionSize()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnParseTest,
    ::testing::Values(
        ParseCase{"TwoColumns", "a,10;b,20", {"a", "b"}, {10, 20}},
        ParseCase{"OneColumn", "a,10", {"a"}, {10}},
        ParseCase{"ALastNameWithoutWidthIsDropped", "a,10;b", {"a"}, {10}},
        ParseCase{"AnEmptyWidthIsZero", "a,", {"a"}, {0}},
        ParseCase{"ASemicolonWithoutCommaStaysInTheName", "a,10;b;c,30", {"a", "b;c"}, {10, 30}},
        ParseCase{"EmptyText", "", {}, {}}, ParseCase{"NoComma", "no comma", {}, {}},
        ParseCase{"WidthsAreTheirLeadingDigits", "x, 12px;y,abc", {"x", "y"}, {12, 0}},
        ParseCase{"ChineseNamesAndANegativeWidth", "期号,60;结果,-5", {"期号", "结果"}, {60, -5}},
        ParseCase{"AHugeWidthStopsAtTheLargestInt", "big,99999999999", {"big"}, {2147483647}}),
    [](const ::testing::TestParamInfo<ParseCase>& param) { return std::string(param.param.name); });

class ColorListTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.resize(200, 120);
        list = new CColorListCtrl(&page);
        list->setGeometry(0, 0, 200, 120);
        list->setFont(SolidFont(12));
        ASSERT_TRUE(list->DefineColumns(QStringLiteral("first,60;second,60")));
        EXPECT_EQ(list->AppendRow({QStringLiteral("a0"), QStringLiteral("b0")}), 0);
        EXPECT_EQ(list->AppendRow({QStringLiteral("a1"), QStringLiteral("b1")}), 1);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    // The colour near the right end of a cell, away from its text and the grid.
    QColor CellPixel(int row, int column) {
        const QRect cell = list->visualRect(list->model()->index(row, column));
        const QPoint point = list->viewport()->mapTo(&page, QPoint(cell.right() - 3, cell.center().y()));
        return PixelAt(page, point);
    }

    QWidget page;
    CColorListCtrl* list = nullptr;
};

TEST_F(ColorListTest, RowsKeepTheirTextsInAppendOrderWithoutHeader) {
    EXPECT_FALSE(list->horizontalHeader()->isVisible());
    EXPECT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->CellText(0, 0), "a0");
    EXPECT_EQ(list->CellText(1, 1), "b1");
    EXPECT_EQ(list->CellText(2, 0), QString());

    // Too few texts leave blanks, too many are ignored.
    EXPECT_EQ(list->AppendRow({QStringLiteral("only")}), 2);
    EXPECT_EQ(list->CellText(2, 0), "only");
    EXPECT_EQ(list->CellText(2, 1), QString());
    EXPECT_EQ(list->AppendRow({"x", "y", "z"}), 3);
    EXPECT_EQ(list->CellText(3, 1), "y");

    list->SetCellText(3, 1, QStringLiteral("changed"));
    EXPECT_EQ(list->CellText(3, 1), "changed");
}

// Setting a new row's data is a change of that row, and is reported like one; the current row stays.
TEST_F(ColorListTest, EveryAppendedRowIsReportedAsChanged) {
    QSignalSpy changed(list, &CColorListCtrl::itemChanged);
    const int current = list->currentRow();

    list->AppendRow({QStringLiteral("a2"), QStringLiteral("b2")});
    list->AppendRow({QStringLiteral("a3"), QStringLiteral("b3")});

    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed[0][0].toInt(), 2);
    EXPECT_EQ(changed[1][0].toInt(), 3);
    EXPECT_EQ(list->currentRow(), current);
}

// Taking the focus picks no row (a list view has no current row until one is clicked or a key moves to
// one), so it reports no change that would overwrite the last one.
TEST(ColorListFocusTest, TakingTheFocusPicksNoRowAndTheArrowKeysStartAtTheTop) {
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* list = new CColorListCtrl(&window);
    list->setGeometry(0, 30, 200, 120);
    list->DefineColumns(QStringLiteral("first,60;second,60"));
    list->AppendRow({QStringLiteral("a0"), QStringLiteral("b0")});
    list->AppendRow({QStringLiteral("a1"), QStringLiteral("b1")});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QSignalSpy changed(list, &CColorListCtrl::itemChanged);

    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(list->currentRow(), -1);

    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 0);
}

TEST_F(ColorListTest, CellColoursWithMinusOneTakingTheDefaults) {
    EXPECT_EQ(list->CellTextColour(0, 1), list->DefaultTextColour());
    EXPECT_EQ(list->CellBackColour(0, 1), list->DefaultBackColour());

    list->SetCellColours(0, 1, RGB(255, 0, 0), RGB(0, 90, 0));
    EXPECT_EQ(list->CellTextColour(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(list->CellBackColour(0, 1), RGB(0, 90, 0));
    EXPECT_EQ(list->CellBackColour(0, 0), list->DefaultBackColour());

    list->SetCellColours(0, 1, CColorListCtrl::kDefaultColour, RGB(1, 2, 3));
    EXPECT_EQ(list->CellTextColour(0, 1), list->DefaultTextColour());
    EXPECT_EQ(list->CellBackColour(0, 1), RGB(1, 2, 3));
    list->SetCellColours(0, 1, RGB(4, 5, 6), CColorListCtrl::kDefaultColour);
    EXPECT_EQ(list->CellBackColour(0, 1), list->DefaultBackColour());

    // Outside the list nothing changes and nothing breaks.
    list->SetCellColours(5, 0, RGB(9, 9, 9), RGB(9, 9, 9));
    list->SetCellColours(0, 2, RGB(9, 9, 9), RGB(9, 9, 9));
    list->SetCellColours(-1, -1, RGB(9, 9, 9), RGB(9, 9, 9));
    EXPECT_EQ(list->CellBackColour(5, 0), CColorListCtrl::kDefaultColour);
    EXPECT_EQ(list->CellBackColour(1, 0), list->DefaultBackColour());
}

TEST_F(ColorListTest, CellsPaintTheirOwnColours) {
    list->SetCellColours(0, 1, RGB(255, 255, 0), RGB(0, 90, 0));
    EXPECT_EQ(CellPixel(0, 1), QColor(0, 90, 0));
    EXPECT_EQ(CellPixel(0, 0), ToQColor(list->DefaultBackColour()));
    EXPECT_EQ(CellPixel(1, 1), ToQColor(list->DefaultBackColour()));

    // The text is drawn in the cell's text colour.
    const QRect cell = list->visualRect(list->model()->index(0, 1));
    const QRect onPage(list->viewport()->mapTo(&page, cell.topLeft()), cell.size());
    EXPECT_GT(CountPixels(page.grab().toImage(), onPage, QColor(255, 255, 0)), 5);
}

TEST_F(ColorListTest, SelectedRowIsWhollyInSelectionColours) {
    list->SetCellColours(0, 1, RGB(255, 255, 0), RGB(0, 90, 0));
    list->setFocus();
    list->selectRow(0);
    const QColor selected = ToQColor(list->SelectedBackColour());
    ASSERT_NE(selected, ToQColor(list->DefaultBackColour()));
    EXPECT_EQ(CellPixel(0, 0), selected);
    EXPECT_EQ(CellPixel(0, 1), selected);
    EXPECT_EQ(CellPixel(1, 0), ToQColor(list->DefaultBackColour()));
    // The cell keeps its own colours for when the row is no longer selected.
    EXPECT_EQ(list->CellBackColour(0, 1), RGB(0, 90, 0));
}

TEST_F(ColorListTest, ClickSelectsTheWholeRowAndReportsIt) {
    QSignalSpy changed(list, &CColorListCtrl::itemChanged);
    const QRect cell = list->visualRect(list->model()->index(1, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 1);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(1, QModelIndex()));
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 2);
    // Clicking the same row again is no change.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center() - QPoint(60, 0));
    EXPECT_EQ(changed.count(), 1);
}

}  // namespace
