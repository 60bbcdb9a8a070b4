// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of every window sits, in pixels of the window's client area.
//
// The art generator draws captions, frames and the colour under each button from these rectangles, and the
// windows place their controls with them, so a picture and the controls on it cannot drift apart.
// Rectangles that come from a dialog template are given in dialog units and converted here: windows laid out
// in 9 pt 宋体 use 1.5 px per unit, those in 12 pt use 2 px per unit. Both edges are converted and rounded
// half away from zero, as the dialog manager does, so a width may differ by one pixel from width x 1.5. Plain
// C++ with no Qt, so that the core-free art tool and every page can include it.
#include <array>

namespace Layout {

struct Rect {
    int x, y, w, h;
    constexpr int Right() const { return x + w; }
    constexpr int Bottom() const { return y + h; }
    constexpr bool operator==(const Rect&) const = default;
};

namespace Detail {
constexpr int Half(int twice) {
    return twice >= 0 ? (twice + 1) / 2 : -((-twice + 1) / 2);
}
}  // namespace Detail

// A rectangle of a 9 pt template (1.5 px per dialog unit).
constexpr Rect FromDu9(int x, int y, int w, int h) {
    const int left = Detail::Half(3 * x);
    const int top = Detail::Half(3 * y);
    return Rect{left, top, Detail::Half(3 * (x + w)) - left, Detail::Half(3 * (y + h)) - top};
}

// A rectangle of a 12 pt template (2 px per dialog unit).
constexpr Rect FromDu12(int x, int y, int w, int h) {
    return Rect{2 * x, 2 * y, 2 * w, 2 * h};
}

namespace MainWindow {
constexpr Rect client{0, 0, 700, 500};
constexpr Rect navContainer{0, 0, 187, 455};
constexpr Rect pageContainer{0, 0, 700, 455};
constexpr Rect pageContainerFull{0, 0, 700, 500};
constexpr Rect hoverPicture{258, 118, 342, 280};
constexpr Rect playerLabel = FromDu9(60, 310, 77, 15);   // name and sex
constexpr Rect zodiacLabel = FromDu9(185, 310, 19, 15);  // zodiac animal
constexpr Rect exitButton{580, 463, 71, 25};
}  // namespace MainWindow

namespace NavPanel {
constexpr Rect client{0, 0, 187, 455};
constexpr Rect predictButton{24, 50, 131, 35};   // 周易预测号码
constexpr Rect recordsButton{24, 100, 131, 35};  // 预测记录
constexpr Rect playerButton{24, 150, 131, 35};   // 玩家资料
constexpr Rect answersButton{24, 200, 131, 35};  // 答疑
constexpr Rect aboutButton{24, 250, 131, 35};    // 关于
constexpr Rect seal = FromDu9(57, 273, 55, 18);  // static showing bitmap 194 at its own size
}  // namespace NavPanel

namespace StartPage {
constexpr Rect client{0, 0, 700, 455};
constexpr Rect castButton{243, 394, 145, 31};  // 立即起卦
constexpr Rect backButton{432, 394, 97, 31};   // 返回
constexpr Rect animation{223, 155, 190, 190};  // frames drawn 243 x 243 from its origin
}  // namespace StartPage

namespace MakePage {
constexpr Rect client{0, 0, 700, 455};
constexpr Rect animation{234, 124, 225, 225};  // frames drawn 243 x 243 from its origin
}  // namespace MakePage

namespace ShowPage {
constexpr Rect client{0, 0, 700, 455};
constexpr Rect sexagenaryLabel{210, 11, 168, 18};
constexpr Rect calendarLabel{375, 11, 300, 18};
constexpr Rect mainName{118, 150, 54, 30};
constexpr Rect mutualName{336, 150, 54, 30};
constexpr Rect changedName{556, 150, 54, 30};
constexpr Rect movingLineWord{176, 213, 54, 30};
constexpr Rect mainUpper{122, 182, 45, 22};
constexpr Rect mainLower{122, 209, 45, 22};
constexpr Rect mutualUpper{340, 182, 45, 22};
constexpr Rect mutualLower{340, 209, 45, 22};
constexpr Rect changedUpper{560, 182, 45, 22};
constexpr Rect changedLower{560, 209, 45, 22};
constexpr Rect nextButton{370, 323, 42, 27};
constexpr Rect backButton{580, 398, 71, 25};
}  // namespace ShowPage

namespace ExplainPage {
constexpr Rect client{0, 0, 700, 500};
constexpr Rect sexagenaryLabel{210, 11, 168, 18};
constexpr Rect calendarLabel{375, 11, 300, 18};
constexpr Rect mainName = FromDu12(65, 26, 27, 12);
constexpr Rect mutualName = FromDu12(176, 26, 27, 12);
constexpr Rect changedName = FromDu12(286, 26, 27, 12);
constexpr Rect movingLineWord = FromDu12(97, 54, 31, 12);
constexpr Rect mainUpper{133, 78, 45, 22};
constexpr Rect mainLower{133, 105, 45, 22};
constexpr Rect mutualUpper{353, 78, 45, 22};
constexpr Rect mutualLower{353, 105, 45, 22};
constexpr Rect changedUpper{573, 78, 45, 22};
constexpr Rect changedLower{573, 105, 45, 22};
constexpr Rect mainJudgement = FromDu12(28, 79, 97, 30);
constexpr Rect mutualJudgement = FromDu12(137, 79, 97, 30);
constexpr Rect changedJudgement = FromDu12(246, 79, 97, 30);
constexpr Rect movingLineVerse = FromDu12(28, 118, 206, 22);
constexpr Rect judgementSummary = FromDu12(37, 150, 305, 54);
constexpr Rect nextButton{407, 431, 42, 27};
constexpr Rect backButton{546, 434, 71, 25};
}  // namespace ExplainPage

namespace NumberPage {
constexpr Rect client{0, 0, 700, 455};
// The eight codes, left to right.
constexpr Rect codes[8] = {FromDu9(45, 116, 38, 18),  FromDu9(94, 116, 38, 18),  FromDu9(143, 116, 38, 18),
                           FromDu9(192, 116, 38, 18), FromDu9(241, 116, 38, 18), FromDu9(290, 116, 38, 18),
                           FromDu9(339, 116, 38, 18), FromDu9(388, 116, 38, 18)};
constexpr Rect previousButton{60, 320, 42, 27};  // back to the explanation page
constexpr Rect saveButton{505, 320, 42, 27};
constexpr Rect backButton{580, 395, 71, 25};
}  // namespace NumberPage

namespace HistoryPage {
constexpr Rect client{0, 0, 700, 455};
constexpr Rect list = FromDu12(6, 48, 334, 138);
constexpr Rect issueEdit = FromDu12(29, 202, 40, 12);
constexpr Rect drawNumberLabel = FromDu12(103, 202, 69, 11);  // shows bitmap 183 (138 x 21)
constexpr Rect drawNumberEdit = FromDu12(175, 202, 34, 12);
constexpr Rect confirmButton{445, 404, 71, 25};
constexpr Rect backButton{580, 404, 71, 25};
// The list's columns and their widths are those of res/RecordColumns.h; the list shows no header, so the
// background carries the titles.
}  // namespace HistoryPage

// The archive's list: the records page's list and columns, read only, with a count instead of the entry.
namespace ArchiveDialog {
constexpr Rect client = HistoryPage::client;
constexpr Rect list = HistoryPage::list;
constexpr Rect countText{24, 402, 520, 28};  // "归档共 N 条 …", drawn at run time
constexpr Rect backButton = HistoryPage::backButton;
}  // namespace ArchiveDialog

namespace PlayerPage {
constexpr Rect client{0, 0, 700, 455};
constexpr Rect nameEdit = FromDu12(139, 7, 43, 12);
constexpr Rect maleButton{296, 55, 15, 15};              // 先生
constexpr Rect femaleButton{362, 55, 15, 15};            // 小姐
constexpr Rect zodiacCombo = FromDu12(139, 45, 27, 54);  // height includes the dropped list
constexpr Rect saveButton{410, 92, 71, 25};
constexpr Rect backButton{604, 92, 71, 25};
constexpr Rect fortuneCodeEdit = FromDu12(90, 83, 98, 12);
constexpr Rect applyCodeButton{410, 168, 71, 25};
constexpr Rect fortuneHelpButton{566, 168, 117, 25};
constexpr Rect startYearEdit = FromDu12(11, 214, 22, 12);
// The twelve months, left to right under the chart.
constexpr Rect monthEdits[12] = {
    FromDu12(40, 214, 13, 12),  FromDu12(61, 214, 13, 12),  FromDu12(85, 214, 13, 12),
    FromDu12(108, 214, 13, 12), FromDu12(135, 214, 13, 12), FromDu12(157, 214, 13, 12),
    FromDu12(180, 214, 13, 12), FromDu12(204, 214, 13, 12), FromDu12(227, 214, 13, 12),
    FromDu12(250, 214, 13, 12), FromDu12(274, 214, 13, 12), FromDu12(297, 214, 13, 12)};
constexpr Rect nextYearEdit = FromDu12(318, 214, 22, 12);
// The fortune chart: the point of month 1 .. 12 and the height of level 0 .. 6 (a higher level is drawn
// higher), in integer arithmetic. The player page places its points with them, the background draws its grid
// through the same positions.
constexpr int ChartX(int month) {
    return 46 * month + month / 2 + month / 4 + 40;
}
constexpr int ChartY(int level) {
    return 402 - 20 * level - level / 2;
}
constexpr int kChartMonths = 12;
constexpr int kChartLevels = 7;
constexpr std::array<int, kChartMonths> monthX = [] {
    std::array<int, kChartMonths> x{};
    for (int month = 1; month <= kChartMonths; ++month) {
        x[month - 1] = ChartX(month);
    }
    return x;
}();
constexpr std::array<int, kChartLevels> levelY = [] {
    std::array<int, kChartLevels> y{};
    for (int level = 0; level < kChartLevels; ++level) {
        y[level] = ChartY(level);
    }
    return y;
}();
constexpr int markerSize = 11;  // bitmap 240, centred on each point
}  // namespace PlayerPage

namespace DateDialog {
constexpr Rect client{0, 0, 350, 230};
constexpr Rect datePicker = FromDu12(59, 26, 57, 15);
constexpr Rect issueEdit = FromDu12(59, 50, 57, 14);
constexpr Rect okButton{98, 175, 71, 25};
constexpr Rect cancelButton{194, 175, 71, 25};  // 2
constexpr Rect helpButton{250, 15, 85, 25};     // 关于预测
}  // namespace DateDialog

namespace NoticeDialog {
constexpr Rect client{0, 0, 350, 230};
constexpr Rect okButton{143, 180, 71, 25};      // 1, date notice
constexpr Rect saveButton{88, 184, 71, 25};     // 3, save question
constexpr Rect cancelButton{192, 184, 71, 25};  // 2, save question
}  // namespace NoticeDialog

namespace StatisticsDialog {
constexpr Rect client{0, 0, 600, 600};
constexpr Rect scopeText{236, 8, 348, 22};          // Messages::kScopeWithArchive …, drawn at run time
constexpr Rect currentOnlyButton{449, 34, 15, 15};  // the square of 只统计当前的记录
constexpr Rect currentOnlyCaption{468, 31, 116, 21};
constexpr Rect countsPanel{16, 62, 176, 92};
constexpr Rect hitsPanel{204, 62, 380, 92};
constexpr Rect positionsPanel{16, 164, 568, 86};
constexpr Rect chartPanel{16, 260, 568, 124};
constexpr Rect chartPlot{64, 284, 496, 70};  // the rates' area; the axes run along its left and bottom
constexpr Rect ledgerPanel{16, 394, 568, 112};
constexpr Rect pricesText{180, 398, 396, 22};  // the stake and the prizes, drawn at run time
constexpr Rect sentence{16, 512, 484, 82};
constexpr Rect okButton{513, 559, 71, 25};
// The tables: a caption column, then value columns of equal width, rows of equal height below a title row.
constexpr int rowHeight = 26;
constexpr int countsCaptionX = 26;
constexpr int countsValueX = 108;
constexpr int countsValueW = 74;
constexpr int hitsCaptionX = 212;
constexpr int hitsFirstColumnX = 330;
constexpr int hitsColumnW = 62;
constexpr int positionsCaptionX = 26;
constexpr int positionsFirstColumnX = 120;
constexpr int positionsColumnW = 57;
constexpr int ledgerCaptionX = 26;
constexpr int ledgerTitleY = 422;  // the columns' titles; the rows follow
constexpr int ledgerFirstColumnX = 176;
constexpr int ledgerColumnW = 102;
}  // namespace StatisticsDialog

namespace AboutDialog {
constexpr Rect client{0, 0, 350, 230};
constexpr Rect link = FromDu9(64, 107, 137, 12);    // shows bitmap 204 (206 x 18)
constexpr Rect credit = FromDu9(64, 124, 143, 12);  // shows bitmap 205 (215 x 18)
}  // namespace AboutDialog

}  // namespace Layout
