// SPDX-License-Identifier: GPL-3.0-or-later
// The shared layout table: the converted template rectangles and the fortune chart's positions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/Layout.h"
#include "res/RecordColumns.h"

using Layout::Rect;

TEST(Layout, TemplateRectanglesConvertAtTheirFontsScale) {
    namespace E = Layout::ExplainPage;
    // 12 pt templates: two pixels per unit.
    EXPECT_EQ(E::mainName, (Rect{130, 52, 54, 24}));
    EXPECT_EQ(E::mutualName, (Rect{352, 52, 54, 24}));
    EXPECT_EQ(E::changedName, (Rect{572, 52, 54, 24}));
    EXPECT_EQ(E::mainJudgement, (Rect{56, 158, 194, 60}));
    EXPECT_EQ(E::mutualJudgement, (Rect{274, 158, 194, 60}));
    EXPECT_EQ(E::changedJudgement, (Rect{492, 158, 194, 60}));
    EXPECT_EQ(E::movingLineVerse, (Rect{56, 236, 412, 44}));
    EXPECT_EQ(E::judgementSummary, (Rect{74, 300, 610, 108}));
    EXPECT_EQ(Layout::HistoryPage::list, (Rect{12, 96, 668, 276}));
    EXPECT_EQ(Layout::HistoryPage::issueEdit, (Rect{58, 404, 80, 24}));
    // 9 pt templates: 1.5 pixels per unit, each edge rounded half away from zero.
    EXPECT_EQ(Layout::NavPanel::seal, (Rect{86, 410, 82, 27}));
    EXPECT_EQ(Layout::AboutDialog::link, (Rect{96, 161, 206, 18}));
    EXPECT_EQ(Layout::AboutDialog::credit, (Rect{96, 186, 215, 18}));
    EXPECT_EQ(Layout::NumberPage::codes[0], (Rect{68, 174, 57, 27}));
    EXPECT_EQ(Layout::NumberPage::codes[7], (Rect{582, 174, 57, 27}));
}

TEST(Layout, EveryControlLiesInsideItsWindow) {
    auto inside = [](const Rect& r, const Rect& window) {
        return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.Right() <= window.w && r.Bottom() <= window.h;
    };
    namespace S = Layout::ShowPage;
    namespace E = Layout::ExplainPage;
    namespace P = Layout::PlayerPage;
    for (const Rect& r : {S::sexagenaryLabel, S::calendarLabel, S::mainName, S::movingLineWord,
                          S::changedLower, S::nextButton, S::backButton}) {
        EXPECT_TRUE(inside(r, S::client));
    }
    for (const Rect& r : {E::judgementSummary, E::changedJudgement, E::nextButton, E::backButton}) {
        EXPECT_TRUE(inside(r, E::client));
    }
    for (const Rect& r : Layout::NumberPage::codes) {
        EXPECT_TRUE(inside(r, Layout::NumberPage::client));
    }
    for (const Rect& r : P::monthEdits) {
        EXPECT_TRUE(inside(r, P::client));
    }
    for (const Rect& r : {P::startYearEdit, P::nextYearEdit, P::fortuneHelpButton, P::fortuneCodeEdit}) {
        EXPECT_TRUE(inside(r, P::client));
    }
    for (const Rect& r : {Layout::DateDialog::datePicker, Layout::DateDialog::issueEdit,
                          Layout::DateDialog::helpButton, Layout::AboutDialog::credit}) {
        EXPECT_TRUE(inside(r, Layout::DateDialog::client));
    }
    EXPECT_TRUE(inside(Layout::MainWindow::zodiacLabel, Layout::MainWindow::client));
    EXPECT_TRUE(inside(Layout::NavPanel::seal, Layout::NavPanel::client));
}

TEST(Layout, ChartPositionsAreThePublishedOnes) {
    namespace P = Layout::PlayerPage;
    EXPECT_EQ(P::monthX, (std::array<int, 12>{86, 133, 179, 227, 273, 320, 366, 414, 460, 507, 553, 601}));
    EXPECT_EQ(P::levelY, (std::array<int, 7>{402, 382, 361, 341, 320, 300, 279}));
    // Each month's label box sits under its point.
    for (int i = 0; i < 12; ++i) {
        EXPECT_LE(P::monthEdits[i].x, P::monthX[i]);
        EXPECT_GE(P::monthEdits[i].Right() + 10, P::monthX[i]);
    }
}

// The one place the records' columns are written out: every list of records, the exports and the titles
// painted over the list read them from the table.
TEST(RecordColumns, AreTheTwelveColumnsOfTheRecordsList) {
    std::string titles;
    std::string shortTitles;
    std::vector<int> widths;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        titles += std::string(column.title) + ",";
        shortTitles += std::string(column.shortTitle) + ",";
        widths.push_back(column.width);
    }
    EXPECT_EQ(titles,
              "开奖日期,期数,预测码一,预测码二,预测码三,预测码四,预测码五,预测码六,预测码七,预测码八,"
              "开奖号码,预测结果,");
    EXPECT_EQ(shortTitles, "开奖日期,期数,码一,码二,码三,码四,码五,码六,码七,码八,开奖号码,结果,");
    EXPECT_EQ(widths, (std::vector<int>{85, 68, 49, 49, 49, 49, 49, 49, 49, 49, 58, 61}));
    EXPECT_EQ(RecordColumns::CodeColumn(5), 6u);
    EXPECT_EQ(RecordColumns::ColumnOf(RecordColumns::Value::verdict), 11u);
}

TEST(Layout, HistoryColumnsFitTheList) {
    int total = 0;
    for (const RecordColumns::Column& column : RecordColumns::kColumns) {
        total += column.width;
    }
    EXPECT_LE(total, Layout::HistoryPage::list.w - 2);
}
