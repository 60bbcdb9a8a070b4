// The statistics window on its real background: the numbers in its cells for a known history, the chart's
// two lines inside the plot, and the scale that keeps the chance line off the axis.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

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

TEST_F(StatisticsDlgTest, ShowsTheCountsTheRatesAndBothLinesOfTheChart) {
    // An exact hit on code 2, a box hit on code 1 (012 drawn as 210), a miss, and one still to be drawn.
    CStatisticsDlg dialog(
        ComputeHistoryStatistics({Record("345", 2), Record("210", 0), Record("999", 0), Record("未知", 11)}));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    const QStringList expected = {
        "4 条", "3 期",   "1 条",            // saved, entered, pending
        "1",    "33.33%", "0.80%", "0.024",  // exact: hits, rate, chance rate, expected hits
        "2",    "66.67%", "4.80%", "0.14",   // box: 345 itself and 210
        "0",    "1",      "0",     "0",     "0", "0", "0", "0",  // exact hits by code position
        "1",    "1",      "0",     "0",     "0", "0", "0", "0",  // box hits by code position
    };
    EXPECT_EQ(dialog.CellTexts().join(u'|').toStdString(), expected.join(u'|').toStdString());
    EXPECT_TRUE(dialog.Sentence().startsWith(QStringLiteral("已开奖 3 期，号码命中 1 次")))
        << dialog.Sentence().toStdString();
    EXPECT_EQ(dialog.okButton.geometry(), QRect(513, 403, 71, 25));

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

TEST(StatisticsChartTest, TheScaleIsARoundStepAboveTheHighestRate) {
    EXPECT_DOUBLE_EQ(ChartScaleTop({}), 0.01);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{0.0, 0.008}}), 0.01);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{0.0125, 0.008}}), 0.02);
    EXPECT_DOUBLE_EQ(ChartScaleTop({{1.0, 0.008}, {0.5, 0.008}}), 1.0);
}

}  // namespace
