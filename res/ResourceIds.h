// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ids of the bitmap resources (":/bitmaps/<id>.bmp") and of the program icon (":/icons/128.bmp").
// "Hot" faces show while the pointer is over a button or it is held down; the others show at rest.

// Navigation panel, 131 x 35, on RGB(66, 152, 177).
constexpr unsigned kNavAnswersHotBitmap = 150;  // 答疑
constexpr unsigned kNavAnswersBitmap = 151;
constexpr unsigned kNavPlayerHotBitmap = 152;  // 玩家资料
constexpr unsigned kNavPlayerBitmap = 153;
constexpr unsigned kNavRecordsHotBitmap = 154;  // 预测记录
constexpr unsigned kNavRecordsBitmap = 155;
constexpr unsigned kNavPredictHotBitmap = 156;  // 周易预测号码
constexpr unsigned kNavPredictBitmap = 157;
constexpr unsigned kNavAboutHotBitmap = 201;  // 关于
constexpr unsigned kNavAboutBitmap = 202;

// Start page, on RGB(151, 191, 201).
constexpr unsigned kCastHotBitmap = 146;  // 立即起卦, 145 x 31
constexpr unsigned kCastBitmap = 147;
constexpr unsigned kStartBackHotBitmap = 192;  // 返回, 97 x 31
constexpr unsigned kStartBackBitmap = 193;

// Arrows, 42 x 27, on RGB(139, 183, 194).
constexpr unsigned kArrowLeftBitmap = 161;
constexpr unsigned kArrowRightBitmap = 162;
constexpr unsigned kArrowRightHotBitmap = 163;
constexpr unsigned kArrowLeftHotBitmap = 164;

// 71 x 25 buttons on RGB(155, 197, 207).
constexpr unsigned kBackBitmap = 148;  // 返回
constexpr unsigned kBackHotBitmap = 149;
constexpr unsigned kOkHotBitmap = 184;  // 确定
constexpr unsigned kOkBitmap = 188;
constexpr unsigned kCancelHotBitmap = 187;  // 取消
constexpr unsigned kCancelBitmap = 173;
constexpr unsigned kExitBitmap = 219;  // 退出
constexpr unsigned kExitHotBitmap = 220;

// 71 x 25 buttons on white RGB(255, 255, 255).
constexpr unsigned kSaveLightBitmap = 241;  // 保存
constexpr unsigned kSaveLightHotBitmap = 242;
constexpr unsigned kBackLightBitmap = 243;  // 返回
constexpr unsigned kBackLightHotBitmap = 244;
constexpr unsigned kCancelLightBitmap = 245;  // 取消
constexpr unsigned kCancelLightHotBitmap = 246;

// Help buttons.
constexpr unsigned kPredictHelpBitmap = 238;  // 关于预测, 85 x 25, on RGB(90, 108, 73)
constexpr unsigned kPredictHelpHotBitmap = 239;
constexpr unsigned kFortuneHelpBitmap = 236;  // 关于财运代码, 117 x 25, on RGB(255, 0, 0)
constexpr unsigned kFortuneHelpHotBitmap = 237;

// Pictures.
constexpr unsigned kDrawNumberLabelBitmap = 183;  // 输入开奖号码:, 138 x 21 (records page)
constexpr unsigned kPanelSealBitmap = 194;        // 82 x 27 (navigation panel)
constexpr unsigned kOptionOnBitmap = 198;         // 15 x 15 filled square, on white
constexpr unsigned kOptionOffBitmap = 199;        // 15 x 15 empty square, on white
constexpr unsigned kChartMarkerBitmap = 240;      // 11 x 11 white dot (fortune chart)
constexpr unsigned kAboutLinkBitmap = 204;        // 206 x 18
constexpr unsigned kAboutCreditBitmap = 205;      // 215 x 18

constexpr unsigned kProgramIcon = 128;  // program icon
