// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar tables of the classic edition, as the program was made: the first days of the solar months
// (the twelve 节 terms) and of the lunar months over the years it predicted for, the epoch of the day cycle
// and the year boundaries. Dates are Beijing time. Each table keeps entry k at index k; entry 0 and entry 61
// are the true neighbours of the 60-entry span, so that every date from 2007-02-04 to 2012-02-04 finds its
// month on both sides. Convert now reads the computed calendar of LunarCalendarData.h, which reproduces these
// tables entry for entry (tests/core check it); they stay as the record of what the classic edition showed.
#include "core/CalendarDate.h"

inline constexpr int kLastMonthEntry = 61;

// Entry k starts the solar month whose pillar has sexagenary number (k + 37) mod 60: entry 1 is 壬寅
// (立春 2007), entry 60 is 辛丑 (小寒 2012). Entry 0 (小寒 2007, 辛丑) and entry 61 (立春 2012, 壬寅) close
// the span.
inline constexpr CalendarDate SOLAR_MONTH_STARTS[kLastMonthEntry + 1] = {
    // clang-format off
    {2007, 1, 6},  // entry 0
    {2007, 2, 4}, {2007, 3, 6}, {2007, 4, 5}, {2007, 5, 6}, {2007, 6, 6}, {2007, 7, 7},  // 1..6
    {2007, 8, 8}, {2007, 9, 8}, {2007, 10, 9}, {2007, 11, 8}, {2007, 12, 7}, {2008, 1, 6},  // 7..12
    {2008, 2, 4}, {2008, 3, 5}, {2008, 4, 4}, {2008, 5, 5}, {2008, 6, 5}, {2008, 7, 7},  // 13..18
    {2008, 8, 7}, {2008, 9, 7}, {2008, 10, 8}, {2008, 11, 7}, {2008, 12, 7}, {2009, 1, 5},  // 19..24
    {2009, 2, 4}, {2009, 3, 5}, {2009, 4, 4}, {2009, 5, 5}, {2009, 6, 5}, {2009, 7, 7},  // 25..30
    {2009, 8, 7}, {2009, 9, 7}, {2009, 10, 8}, {2009, 11, 7}, {2009, 12, 7}, {2010, 1, 5},  // 31..36
    {2010, 2, 4}, {2010, 3, 6}, {2010, 4, 5}, {2010, 5, 5}, {2010, 6, 6}, {2010, 7, 7},  // 37..42
    {2010, 8, 7}, {2010, 9, 8}, {2010, 10, 8}, {2010, 11, 7}, {2010, 12, 7}, {2011, 1, 6},  // 43..48
    {2011, 2, 4}, {2011, 3, 6}, {2011, 4, 5}, {2011, 5, 6}, {2011, 6, 6}, {2011, 7, 7},  // 49..54
    {2011, 8, 8}, {2011, 9, 8}, {2011, 10, 8}, {2011, 11, 8}, {2011, 12, 7}, {2012, 1, 6},  // 55..60
    {2012, 2, 4},  // 61
    // clang-format on
};

// Entry k is the first day (初一) of a lunar month numbered k mod 12 (0 read as 12): entry 1 is the first
// month of 2007 (2007-02-18). Entry 0 is the twelfth month before it, entry 61 the first month of 2012. The
// leap fifth month of 2009 has no entry of its own: it lies inside entry 29 (see kLeapMonthFirst).
inline constexpr CalendarDate LUNAR_MONTH_STARTS[kLastMonthEntry + 1] = {
    // clang-format off
    {2007, 1, 19},  // entry 0
    {2007, 2, 18}, {2007, 3, 19}, {2007, 4, 17}, {2007, 5, 17}, {2007, 6, 15}, {2007, 7, 14},  // 1..6
    {2007, 8, 13}, {2007, 9, 11}, {2007, 10, 11}, {2007, 11, 10}, {2007, 12, 10}, {2008, 1, 8},  // 7..12
    {2008, 2, 7}, {2008, 3, 8}, {2008, 4, 6}, {2008, 5, 5}, {2008, 6, 4}, {2008, 7, 3},  // 13..18
    {2008, 8, 1}, {2008, 8, 31}, {2008, 9, 29}, {2008, 10, 29}, {2008, 11, 28}, {2008, 12, 27},  // 19..24
    {2009, 1, 26}, {2009, 2, 25}, {2009, 3, 27}, {2009, 4, 25}, {2009, 5, 24}, {2009, 7, 22},  // 25..30
    {2009, 8, 20}, {2009, 9, 19}, {2009, 10, 18}, {2009, 11, 17}, {2009, 12, 16}, {2010, 1, 15},  // 31..36
    {2010, 2, 14}, {2010, 3, 16}, {2010, 4, 14}, {2010, 5, 14}, {2010, 6, 12}, {2010, 7, 12},  // 37..42
    {2010, 8, 10}, {2010, 9, 8}, {2010, 10, 8}, {2010, 11, 6}, {2010, 12, 6}, {2011, 1, 4},  // 43..48
    {2011, 2, 3}, {2011, 3, 5}, {2011, 4, 3}, {2011, 5, 3}, {2011, 6, 2}, {2011, 7, 1},  // 49..54
    {2011, 7, 31}, {2011, 8, 29}, {2011, 9, 27}, {2011, 10, 27}, {2011, 11, 25}, {2011, 12, 25},  // 55..60
    {2012, 1, 23},  // 61
    // clang-format on
};

// The leap fifth month of 2009 (闰五月), inside the span of entry 29, which began 30 days before it.
inline constexpr CalendarDate kLeapMonthFirst{2009, 6, 23};
inline constexpr CalendarDate kLeapMonthLast{2009, 7, 21};
inline constexpr int kLeapMonthOffset = 30;

// A 甲子 day: day pillars count on from here.
inline constexpr CalendarDate DAY_CYCLE_EPOCH{2007, 1, 30};

// The year pillar changes at 立春, which falls on 02-04 in every year of the span.
struct YearPillarStart {
    CalendarDate start;
    const char* pillar;
};
inline constexpr YearPillarStart kYearPillars[6] = {
    {{2007, 2, 4}, "丁亥"}, {{2008, 2, 4}, "戊子"}, {{2009, 2, 4}, "己丑"},
    {{2010, 2, 4}, "庚寅"}, {{2011, 2, 4}, "辛卯"}, {{2012, 2, 4}, "壬辰"},
};

// The dates Convert accepts, both included.
inline constexpr CalendarDate kFirstConvertibleDate{2007, 2, 4};
inline constexpr CalendarDate kLastConvertibleDate{2012, 2, 4};
