// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed vocabulary of the divination: the eight trigrams in earlier-heaven order (1 乾 .. 8 坤) with
// their lines, phases, names and pictures, the five phases (1 金, 2 木, 3 水, 4 火, 5 土) and the 64
// hexagrams by upper and lower trigram. Row and column 0 are padding so that trigram numbers index the tables
// directly.

struct HexagramEntry {
    int number;        // traditional sequence number 1..64; 0 in the padding
    const char* name;  // the form the pages show ("小蓄", "大蓄", "遁")
};

// Bottom, middle and top line of each trigram in columns 1..3; 1 = solid (yang), 0 = broken (yin).
inline constexpr int TRIGRAM_LINES[9][4] = {
    {0, 0, 0, 0},  //
    {0, 1, 1, 1},  // 乾
    {0, 1, 1, 0},  // 兑
    {0, 1, 0, 1},  // 离
    {0, 1, 0, 0},  // 震
    {0, 0, 1, 1},  // 巽
    {0, 0, 1, 0},  // 坎
    {0, 0, 0, 1},  // 艮
    {0, 0, 0, 0},  // 坤
};

inline constexpr const char* kTrigramNames[9] = {"", "乾", "兑", "离", "震", "巽", "坎", "艮", "坤"};
inline constexpr int kTrigramPhases[9] = {0, 1, 1, 4, 2, 2, 3, 5, 5};
inline constexpr const char* kTrigramPictures[9] = {"",       "乾.bmp", "兑.bmp", "离.bmp", "震.bmp",
                                                    "巽.bmp", "坎.bmp", "艮.bmp", "坤.bmp"};
inline constexpr const char* kPhaseNames[6] = {"", "金", "木", "水", "火", "土"};

// Indexed [upper trigram][lower trigram].
inline constexpr HexagramEntry HEXAGRAM_TABLE[9][9] = {
    // clang-format off
    {{0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}},
    {{0, ""}, {1, "乾"}, {10, "履"}, {13, "同人"}, {25, "无妄"}, {44, "姤"}, {6, "讼"}, {33, "遁"}, {12, "否"}},
    {{0, ""}, {43, "夬"}, {58, "兑"}, {49, "革"}, {17, "随"}, {28, "大过"}, {47, "困"}, {31, "咸"}, {45, "萃"}},
    {{0, ""}, {14, "大有"}, {38, "睽"}, {30, "离"}, {21, "噬嗑"}, {50, "鼎"}, {64, "未济"}, {56, "旅"}, {35, "晋"}},
    {{0, ""}, {34, "大壮"}, {54, "归妹"}, {55, "丰"}, {51, "震"}, {32, "恒"}, {40, "解"}, {62, "小过"}, {16, "豫"}},
    {{0, ""}, {9, "小蓄"}, {61, "中孚"}, {37, "家人"}, {42, "益"}, {57, "巽"}, {59, "涣"}, {53, "渐"}, {20, "观"}},
    {{0, ""}, {5, "需"}, {60, "节"}, {63, "既济"}, {3, "屯"}, {48, "井"}, {29, "坎"}, {39, "蹇"}, {8, "比"}},
    {{0, ""}, {26, "大蓄"}, {41, "损"}, {22, "贲"}, {27, "颐"}, {18, "蛊"}, {4, "蒙"}, {52, "艮"}, {23, "剥"}},
    {{0, ""}, {11, "泰"}, {19, "临"}, {36, "明夷"}, {24, "复"}, {46, "升"}, {7, "师"}, {15, "谦"}, {2, "坤"}},
    // clang-format on
};
