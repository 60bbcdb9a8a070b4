#pragma once
// Ids of the bitmap resources (":/bitmaps/<id>.bmp") and of the program icon (":/icons/128.png").
// "Hot" faces show while the pointer is over a button or it is held down; the others show at rest.

// Navigation panel, 131 x 35, on RGB(66, 152, 177).
constexpr unsigned IDB_NAV_ANSWERS_HOT = 150;  // 答疑
constexpr unsigned IDB_NAV_ANSWERS = 151;
constexpr unsigned IDB_NAV_PLAYER_HOT = 152;  // 玩家资料
constexpr unsigned IDB_NAV_PLAYER = 153;
constexpr unsigned IDB_NAV_RECORDS_HOT = 154;  // 预测记录
constexpr unsigned IDB_NAV_RECORDS = 155;
constexpr unsigned IDB_NAV_PREDICT_HOT = 156;  // 周易预测号码
constexpr unsigned IDB_NAV_PREDICT = 157;
constexpr unsigned IDB_NAV_ABOUT_HOT = 201;  // 关于
constexpr unsigned IDB_NAV_ABOUT = 202;

// Start page, on RGB(151, 191, 201).
constexpr unsigned IDB_CAST_HOT = 146;  // 立即起卦, 145 x 31
constexpr unsigned IDB_CAST = 147;
constexpr unsigned IDB_START_BACK_HOT = 192;  // 返回, 97 x 31
constexpr unsigned IDB_START_BACK = 193;

// Arrows, 42 x 27, on RGB(139, 183, 194).
constexpr unsigned IDB_ARROW_LEFT = 161;
constexpr unsigned IDB_ARROW_RIGHT = 162;
constexpr unsigned IDB_ARROW_RIGHT_HOT = 163;
constexpr unsigned IDB_ARROW_LEFT_HOT = 164;

// 71 x 25 buttons on RGB(155, 197, 207).
constexpr unsigned IDB_BACK = 148;  // 返回
constexpr unsigned IDB_BACK_HOT = 149;
constexpr unsigned IDB_OK_HOT = 184;  // 确定
constexpr unsigned IDB_OK = 188;
constexpr unsigned IDB_CANCEL_HOT = 187;  // 取消
constexpr unsigned IDB_CANCEL = 173;
constexpr unsigned IDB_EXIT = 219;  // 退出
constexpr unsigned IDB_EXIT_HOT = 220;

// 71 x 25 buttons on white RGB(255, 255, 255).
constexpr unsigned IDB_SAVE_LIGHT = 241;  // 保存
constexpr unsigned IDB_SAVE_LIGHT_HOT = 242;
constexpr unsigned IDB_BACK_LIGHT = 243;  // 返回
constexpr unsigned IDB_BACK_LIGHT_HOT = 244;
constexpr unsigned IDB_CANCEL_LIGHT = 245;  // 取消
constexpr unsigned IDB_CANCEL_LIGHT_HOT = 246;

// Help buttons.
constexpr unsigned IDB_PREDICT_HELP = 238;  // 关于预测, 85 x 25, on RGB(90, 108, 73)
constexpr unsigned IDB_PREDICT_HELP_HOT = 239;
constexpr unsigned IDB_FORTUNE_HELP = 236;  // 关于财运代码, 117 x 25, on RGB(255, 0, 0)
constexpr unsigned IDB_FORTUNE_HELP_HOT = 237;

// Pictures.
constexpr unsigned IDB_DRAW_NUMBER_LABEL = 183;  // 输入开奖号码:, 138 x 21 (records page)
constexpr unsigned IDB_PANEL_SEAL = 194;         // 82 x 27 (navigation panel)
constexpr unsigned IDB_OPTION_ON = 198;          // 15 x 15 filled square, on white
constexpr unsigned IDB_OPTION_OFF = 199;         // 15 x 15 empty square, on white
constexpr unsigned IDB_CHART_MARKER = 240;       // 11 x 11 white dot (fortune chart)
constexpr unsigned IDB_ABOUT_LINK = 204;         // 206 x 18
constexpr unsigned IDB_ABOUT_CREDIT = 205;       // 215 x 18

constexpr unsigned IDI_MAINFRAME = 128;  // program icon
