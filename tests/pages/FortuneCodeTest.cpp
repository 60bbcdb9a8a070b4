// SPDX-License-Identifier: GPL-3.0-or-later
// The fortune code's decoding and the whole numbers read back from the player page's label boxes.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "pages/DialogInteger.h"
#include "pages/FortuneCode.h"

namespace {

using Months = std::array<int, 12>;

std::array<int, 12> Heights(const FortuneChart& chart) {
    std::array<int, 12> heights{};
    for (std::size_t i = 0; i < heights.size(); ++i) {
        heights[i] = chart.chartPoints[i].y;
    }
    return heights;
}

constexpr std::array<int, 12> kFlat = {341, 341, 341, 341, 341, 341, 341, 341, 341, 341, 341, 341};

TEST(FortuneCodeTest, AFullCodeGivesYearsMonthsAndTheTwelveHeights) {
    const FortuneChart chart = DecodeFortuneCode("8A012345654321", 2010, 3, 0, 0);

    EXPECT_TRUE(chart.codeValid);
    EXPECT_EQ(chart.startYear, 2008);
    EXPECT_EQ(chart.nextYear, 2009);
    EXPECT_EQ(chart.monthLabels, (Months{10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(chart.chartValues, (Months{0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Heights(chart), (Months{402, 382, 361, 341, 320, 300, 279, 300, 320, 341, 361, 382}));
    const Months xs = {86, 133, 179, 227, 273, 320, 366, 414, 460, 507, 553, 601};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(chart.chartPoints[i].x, xs[i]) << "month " << i + 1;
    }
    EXPECT_TRUE(chart.badLevelPositions.empty());
}

TEST(FortuneCodeTest, EachYearDigitAndTheLettersOfMonthsAndLevels) {
    const struct {
        char digit;
        int start;
    } years[] = {{'7', 2007}, {'8', 2008}, {'9', 2009}, {'0', 2010}};
    for (const auto& year : years) {
        const FortuneChart chart =
            DecodeFortuneCode(std::string(1, year.digit) + "1ABCDEFG01234", 2010, 3, 5, 6);
        EXPECT_EQ(chart.startYear, year.start);
        EXPECT_EQ(chart.nextYear, year.start + 1);
    }
    // 'C' is month 12; levels 'A' .. 'G' are 0 .. 6 like the digits.
    const FortuneChart letters = DecodeFortuneCode("9CABCDEFGFEDCB", 2010, 3, 0, 0);
    EXPECT_TRUE(letters.codeValid);
    EXPECT_EQ(letters.monthLabels, (Months{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(letters.chartValues, (Months{0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}));
}

// After 2010 the classic table names no year of the chart: in the extended edition a digit names the year
// ending in it from this year - 8 to this year + 1.
TEST(FortuneCodeTest, InTheExtendedEditionADigitNamesAYearNearThisOne) {
    const struct {
        char digit;
        int thisYear;
        int start;
    } years[] = {{'6', 2026, 2026}, {'7', 2026, 2027}, {'8', 2026, 2018}, {'0', 2026, 2020},
                 {'9', 2026, 2019}, {'2', 2100, 2092}, {'1', 2100, 2101}, {'7', 2012, 2007}};
    for (const auto& year : years) {
        const FortuneChart chart = DecodeFortuneCode(std::string(1, year.digit) + "A012345654321",
                                                     year.thisYear, 12, 0, 0, CalendarEdition::Extended);
        EXPECT_EQ(chart.startYear, year.start) << year.digit << " in " << year.thisYear;
        EXPECT_EQ(chart.nextYear, year.start + 1);
    }
    const FortuneChart letter =
        DecodeFortuneCode("AA012345654321", 2026, 12, 2015, 2016, CalendarEdition::Extended);
    EXPECT_EQ(letter.startYear, 2015) << "a letter names no year and keeps the years";
    EXPECT_EQ(DecodeFortuneCode("6A012345654321", 2026, 12, 0, 0, CalendarEdition::Classic).startYear, 0)
        << "the classic edition keeps its table";
}

TEST(FortuneCodeTest, AnyOtherFirstCharacterKeepsTheYears) {
    for (const char first : {'5', '1', 'A', ' '}) {
        const FortuneChart chart =
            DecodeFortuneCode(std::string(1, first) + "3012345654321", 2010, 3, 2015, 1999);
        EXPECT_EQ(chart.startYear, 2015) << first;
        EXPECT_EQ(chart.nextYear, 1999) << first;
        EXPECT_TRUE(chart.codeValid);
        EXPECT_EQ(chart.monthLabels.front(), 3);
    }
}

TEST(FortuneCodeTest, WithoutFourteenBytesTheChartStartsTodayAndIsFlat) {
    for (const std::string code : {"", "8A01234565432", "8A0123456543210"}) {
        const FortuneChart chart = DecodeFortuneCode(code, 2011, 11, 2008, 2009);
        EXPECT_FALSE(chart.codeValid) << code;
        EXPECT_EQ(chart.startYear, 2011);
        EXPECT_EQ(chart.nextYear, 2012);
        EXPECT_EQ(chart.monthLabels, (Months{11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(Heights(chart), kFlat);
        EXPECT_TRUE(chart.badLevelPositions.empty());
    }
}

TEST(FortuneCodeTest, EveryBadLevelIsListedInOrderAndFlattensTheChart) {
    const FortuneChart one = DecodeFortuneCode("8A0127456543 1", 2010, 3, 0, 0);
    EXPECT_FALSE(one.codeValid);
    EXPECT_EQ(one.badLevelPositions, (std::vector<int>{5, 12}));
    EXPECT_EQ(Heights(one), kFlat);
    // The years and months are still decoded.
    EXPECT_EQ(one.startYear, 2008);
    EXPECT_EQ(one.monthLabels.front(), 10);

    // 'H' is level 7; '/' is level -1.
    EXPECT_EQ(DecodeFortuneCode("8A/1234565432H", 2010, 3, 0, 0).badLevelPositions,
              (std::vector<int>{2, 13}));
}

// The bytes of a Chinese character are negative as signed bytes: never letters, always bad levels, and a
// month far below 1 that the labels run on from.
TEST(FortuneCodeTest, HighBytesCountAsNegative) {
    const std::string code =
        "8\xB0"
        "0123456543\xD2\xBB";  // GBK of 一 at the end
    const FortuneChart chart = DecodeFortuneCode(code, 2010, 3, 0, 0);

    EXPECT_EQ(chart.monthLabels.front(), -80 - 48);
    EXPECT_EQ(chart.monthLabels[1], -128 % 12 + 1);
    EXPECT_EQ(chart.monthLabels, (Months{-128, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3}));
    EXPECT_EQ(chart.chartValues[10], -46 - 48);
    EXPECT_EQ(chart.badLevelPositions, (std::vector<int>{12, 13}));
    EXPECT_FALSE(chart.codeValid);
}

// The fault that refuses a code is the first in position order; every character the decoding reads as a
// month 1 .. 12 or a level 0 .. 6 passes.
TEST(FortuneCodeTest, TheFirstFaultOfACodeDecidesItsRefusal) {
    for (const std::string code : {"8A012345654321", "91ABCDEFGFEDCB", "7C666666666666", "0B000000000000"}) {
        EXPECT_EQ(FindFortuneCodeFault(code), FortuneCodeFault::none) << code;
    }
    for (const std::string code : {"", "8A01234565432", "8A0123456543210"}) {
        EXPECT_EQ(FindFortuneCodeFault(code), FortuneCodeFault::wrongLength) << code;
    }
    // Month 0, 13, a lower-case letter, a character that decodes to 10 but is not how a month is written, a
    // high byte; a bad month is named before bad levels.
    for (const std::string code : {"80012345654321", "8D012345654321", "8a012345654321", "8:012345654321",
                                   "8\xB0"
                                   "012345654321",
                                   "8D777777777777"}) {
        EXPECT_EQ(FindFortuneCodeFault(code), FortuneCodeFault::badMonth) << code;
    }
    for (const std::string code :
         {"8A712345654321", "8A01234565432H", "8A/12345654321", "8A0123456543\xD2\xBB"}) {
        EXPECT_EQ(FindFortuneCodeFault(code), FortuneCodeFault::badLevel) << code;
    }
}

TEST(DialogIntegerTest, ReadsWholeNumbersWithBlanksAndSign) {
    const struct {
        const char* text;
        int value;
    } good[] = {{"0", 0},
                {"2010", 2010},
                {" 12 ", 12},
                {"\t-5", -5},
                {"+7", 7},
                {"007", 7},
                {"2147483647", INT_MAX},
                {"-2147483648", INT_MIN}};
    for (const auto& [text, expected] : good) {
        int value = 99;
        EXPECT_TRUE(ParseDialogInteger(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST(DialogIntegerTest, RefusesEmptyBoxesWordsAndNumbersTooLarge) {
    for (const char* text : {"", " ", "-", "+", "12a", "1 2", "a12", "2147483648", "-2147483649",
                             "99999999999999999999", "1.5"}) {
        int value = 99;
        EXPECT_FALSE(ParseDialogInteger(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}

}  // namespace
