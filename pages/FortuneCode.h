// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's fortune code and the twelve-month chart drawn from it. Plain C++ over the code's bytes (the
// GBK encoding of what the player typed), so the decoding can be checked and fuzzed without any window.
//
// A code has 14 single-byte characters, each read as a signed byte:
//   position 0      the years. In the classic edition '7' 2007/2008, '8' 2008/2009, '9' 2009/2010,
//                   '0' 2010/2011, and any other character keeps them. In the extended edition a digit d
//                   names the year ending in d from this year - 8 to this year + 1 (in 2026: '6' 2026, '7'
//                   2027, '8' 2018) and the year after it; any other character keeps them;
//   position 1      the first month: at or above 'A' its code - 55 ('A' 10), else its code - 48 ('1' 1);
//   positions 2..13 the levels of the twelve months: at or above 'A' its code - 65 ('A' 0 .. 'G' 6), else its
//                   code - 48 ('0' .. '6'); 0 .. 6 are valid.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/CalendarEdition.h"
#include "res/Layout.h"

inline constexpr std::size_t kFortuneCodeLength = 14;
inline constexpr int kFortuneMonths = 12;
inline constexpr int kHighestFortuneLevel = 6;
// Without a usable code every month sits at level 3: a flat line at this height.
inline constexpr int kFlatChartY = Layout::PlayerPage::ChartY(3);

struct FortuneChartPoint {
    int x = 0;
    int y = 0;
    bool operator==(const FortuneChartPoint&) const = default;
};

struct FortuneChart {
    int startYear = 0;
    int nextYear = 0;
    std::array<int, kFortuneMonths> monthLabels{};
    // The decoded levels; zero when the code was not decoded at all.
    std::array<int, kFortuneMonths> chartValues{};
    // True when the code has 14 bytes and every level is 0 .. 6.
    bool codeValid = false;
    // The code positions (2 .. 13) whose level is outside 0 .. 6, in position order: one message each.
    std::vector<int> badLevelPositions;
    std::array<FortuneChartPoint, kFortuneMonths> chartPoints{};
};

// What keeps a code from being saved and drawn, the first found in position order.
enum class FortuneCodeFault {
    none,
    wrongLength,  // not 14 bytes
    badMonth,  // position 1 is none of '1' .. '9', 'A' .. 'C'; the decoding alone would label month 0 or 13
    badLevel,  // a level outside 0 .. 6
};
FortuneCodeFault FindFortuneCodeFault(const std::string& code);

// Decodes code. A code that is not exactly 14 bytes long gives the current year and month and a flat chart;
// a code whose first byte names no year keeps previousStartYear and previousNextYear.
FortuneChart DecodeFortuneCode(const std::string& code, int currentYear, int currentMonth,
                               int previousStartYear, int previousNextYear,
                               CalendarEdition edition = CalendarEdition::Classic);
