// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window on its real background: the numbers in its cells for a known history, the chart's
// two lines inside the plot, and the scale that keeps the chance line off the axis.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "core/MessageTexts.h"
#include "pages/CStatisticsDlg.h"
#include "pages/StatisticsChart.h"
#include "res/Layout.h"
#include "tests/support/ProgramArtFixture.h"

namespace {

HistoryRecord Record(const std::string& draw, int isRight) {
    HistoryRecord record;
    record.data = {"012", "345", "678", "901", "234", "567", "890", "123"};
    record.open_data = draw;
    record.is_right = isRight;
    return record;
}

using StatisticsDlgTest = ProgramArtFixture;

// Dark pixels of the window as shown inside rect: the strokes of words in ink on the light background.
int InkPixels(QWidget& window, const Layout::Rect& rect) {
    const QImage shown = window.grab().toImage();
    int ink = 0;
    for (int y = rect.y; y < rect.y + rect.h; ++y) {
        for (int x = rect.x; x < rect.x + rect.w; ++x) {
            ink += qGray(shown.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    return ink;
}

// The words 只统计当前的记录 belong to the square: without an archive neither shows, neither in a label nor
// in the background picture; with one both show, the words just right of the square.
TEST_F(StatisticsDlgTest, TheWordsBesideTheSquareShowOnlyWithTheSquare) {
    const std::vector<HistoryRecord> records = {Record("345", 2), Record("999", 0)};
    const StatisticsFigures figures = ComputeStatisticsFigures(records, LedgerPrices{});
    const Layout::Rect& caption = Layout::StatisticsDialog::currentOnlyCaption;

    CStatisticsDlg alone(figures, figures, 0, LedgerPrices{});
    alone.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&alone));
    EXPECT_FALSE(alone.currentOnlyButton.isVisible());
    EXPECT_FALSE(alone.currentOnlyCaption.isVisible());
    EXPECT_EQ(InkPixels(alone, caption), 0) << "the background picture must not carry the words";

    CStatisticsDlg withArchive(figures, figures, 1, LedgerPrices{});
    withArchive.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&withArchive));
    ASSERT_TRUE(withArchive.currentOnlyButton.isVisible());
    EXPECT_TRUE(withArchive.currentOnlyCaption.isVisible());
    EXPECT_EQ(withArchive.currentOnlyCaption.text(), QStringLiteral("只统计当前的记录"));
    const QRect square = withArchive.currentOnlyButton.geometry();
    const QRect words = withArchive.currentOnlyCaption.geometry();
    EXPECT_GT(words.left(), square.right());
    EXPECT_LT(words.left() - square.right(), 10);
    EXPECT_TRUE(words.contains(QPoint(words.left(), square.center().y())));
    EXPECT_GT(InkPixels(withArchive, caption), 20) << "the words are drawn in ink";
}

TEST_F(StatisticsDlgTest, ShowsTheCountsTheRatesTheLedgerAndBothLinesOfTheChart) {
    // An exact hit on code 2, a box hit on code 1 (012 drawn as 210), a miss, and one still to be drawn.
    const std::vector<HistoryRecord> records = {Record("345", 2), Record("210", 0), Record("999", 0),
                                                Record("未知", 11)};
    const StatisticsFigures figures = ComputeStatisticsFigures(records, LedgerPrices{});
    CStatisticsDlg dialog(figures, figures, 0, LedgerPrices{});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QStringList expected = {
        "4 条", "3 期",   "1 条",              // saved, entered, pending
        "1",    "33.33%", "0.80%",   "0.024",  // exact: hits, rate, chance rate, expected hits
        "2",    "66.67%", "4.80%",   "0.14",   // box: 345 itself and 210
        "0",    "1",      "0",       "0",     "0", "0", "0", "0",  // exact hits by code position
        "1",    "1",      "0",       "0",     "0", "0", "0", "0",  // box hits by code position
        "24",   "48 元",  "1040 元", "25 元",  // 直选: 8 tickets a draw, one hit, chance 52%
        "24",   "48 元",  "346 元",  "25 元",  // 组选: two 组六 hits of 173 元
    };
    EXPECT_EQ(dialog.CellTexts().join(u'|').toStdString(), expected.join(u'|').toStdString());
    const std::string sentence = dialog.Sentence().toStdString();
    EXPECT_TRUE(sentence.starts_with(FormatText(Messages::kChanceFacts, 3, 1, "0.024"))) << sentence;
    EXPECT_TRUE(sentence.ends_with("\n" + FormatText(Messages::kLedger, 3, 48, 1040, 25, 52))) << sentence;
    EXPECT_EQ(dialog.ScopeText().toStdString(), FormatText(Messages::kScopeAll, 4));
    EXPECT_EQ(dialog.PricesText().toStdString(), FormatText(Messages::kLedgerPrices, 2, 1040, 346, 173));
    EXPECT_FALSE(dialog.currentOnlyButton.isVisible()) << "no archive, nothing to switch";
    EXPECT_EQ(dialog.okButton.geometry(), QRect(513, 559, 71, 25));

    // Cinnabar (the hits) and slate (chance) both appear inside the plot.
    const QImage shown = dialog.grab().toImage();
    const Layout::Rect& plot = Layout::StatisticsDialog::chartPlot;
    bool hitLine = false;
    bool chanceLine = false;
    for (int y = plot.y; y <= plot.y + plot.h; ++y) {
        for (int x = plot.x; x <= plot.x + plot.w; ++x) {
            const QColor colour = shown.pixelColor(x, y);
            hitLine |= colour == QColor(184, 52, 36);
            chanceLine |= colour == QColor(104, 148, 160);
        }
    }
    EXPECT_TRUE(hitLine);
    EXPECT_TRUE(chanceLine);
}

// With an archive the window counts everything by default and says so; its square switches to the history
// alone and back.
TEST_F(StatisticsDlgTest, TheSquareSwitchesBetweenEverythingAndTheHistoryAlone) {
    const std::vector<HistoryRecord> archive = {Record("345", 2), Record("210", 0)};
    const std::vector<HistoryRecord> history = {Record("999", 0), Record("未知", 11)};
    std::vector<HistoryRecord> all = archive;
    all.insert(all.end(), history.begin(), history.end());
    CStatisticsDlg dialog(ComputeStatisticsFigures(all, LedgerPrices{}),
                          ComputeStatisticsFigures(history, LedgerPrices{}), 2, LedgerPrices{});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.ScopeText().toStdString(), FormatText(Messages::kScopeWithArchive, 4, 2));
    EXPECT_EQ(dialog.CellTexts().mid(0, 4), (QStringList{"4 条", "3 期", "1 条", "1"}));
    ASSERT_TRUE(dialog.currentOnlyButton.isVisible());

    QTest::mouseClick(&dialog.currentOnlyButton, Qt::LeftButton);
    EXPECT_TRUE(dialog.IsCurrentOnly());
    EXPECT_EQ(dialog.ScopeText().toStdString(), FormatText(Messages::kScopeCurrentOnly, 2, 2));
    EXPECT_EQ(dialog.CellTexts().mid(0, 4), (QStringList{"2 条", "1 期", "1 条", "0"}));
    EXPECT_TRUE(dialog.accessibleDescription().startsWith(dialog.ScopeText()));

    QTest::keyClick(&dialog.currentOnlyButton, Qt::Key_Space);
    EXPECT_FALSE(dialog.IsCurrentOnly());
}

TEST(StatisticsChartTest, TheScaleIsARoundStepAboveTheHighestRate) {
    EXPECT_DOUBLE_EQ(ChartScaleTop({}), 0.01);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{0.0, 0.008}}), 0.01);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{0.0125, 0.008}}), 0.02);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{1.0, 0.008}, {0.5, 0.008}}), 1.0);
}

}  // namespace
