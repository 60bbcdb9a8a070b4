// SPDX-License-Identifier: GPL-3.0-or-later
// The computed calendar against what is known without it: the classic tables the program was made with, and
// 节 days published by almanac offices.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/CalendarTables.h"
#include "core/LunarTables.h"
#include "tests/core/CalendarTestSupport.h"

using namespace calendar_test;

TEST(LunarCalendarData, ReproducesTheClassicSolarMonths) {
    for (int k = 0; k <= kLastMonthEntry; ++k) {
        EXPECT_EQ(kSolarMonthStarts[k], OleDayNumber(SOLAR_MONTH_STARTS[k])) << "entry " << k;
    }
}

// Entry for entry from the twelfth month before 2007-02-04 to the first month of 2012, with the leap fifth
// month of 2009 as the only month between them that the classic table has no entry for.
TEST(LunarCalendarData, ReproducesTheClassicLunarMonthsAndTheirOneLeapMonth) {
    const auto* month = std::find_if(kLunarMonthStarts.begin(), kLunarMonthStarts.end(), [](const auto& m) {
        return m.day == OleDayNumber(LUNAR_MONTH_STARTS[0]);
    });
    ASSERT_NE(month, kLunarMonthStarts.end());
    std::vector<const LunarMonthStart*> leapMonths;
    for (int k = 0; k <= kLastMonthEntry; ++k, ++month) {
        if (month->leap) {
            leapMonths.push_back(month++);
        }
        EXPECT_EQ(month->day, OleDayNumber(LUNAR_MONTH_STARTS[k])) << "entry " << k;
        EXPECT_EQ(month->number, k % 12 == 0 ? 12 : k % 12) << "entry " << k;
        EXPECT_FALSE(month->leap) << "entry " << k;
    }
    ASSERT_EQ(leapMonths.size(), 1u);
    EXPECT_EQ(leapMonths[0]->number, 5);
    EXPECT_EQ(leapMonths[0]->day, OleDayNumber(kLeapMonthFirst));
    EXPECT_EQ(leapMonths[0]->day - OleDayNumber(LUNAR_MONTH_STARTS[29]), kLeapMonthOffset);
    EXPECT_EQ(leapMonths[0][1].day - 1, OleDayNumber(kLeapMonthLast));
}

TEST(LunarCalendarData, ReproducesTheClassicYearPillarsAndDayCycle) {
    const EditionScope classic(CalendarEdition::Classic);
    for (std::size_t i = 0; i < std::size(kYearPillars); ++i) {
        const CalendarDate start = kYearPillars[i].start;
        EXPECT_EQ(kSolarMonthStarts[1 + 12 * i], OleDayNumber(start)) << start.year;
        EXPECT_EQ(Converted(start.year, start.month, start.day).yearPillar, kYearPillars[i].pillar);
        if (i > 0) {
            EXPECT_EQ(Converted(start.year, start.month, start.day - 1).yearPillar,
                      kYearPillars[i - 1].pillar);
        }
    }
    // The epoch itself lies before the first convertible date: count from 1949-10-01, a 甲子 day (its Julian
    // day number 2433191 gives (2433191 + 49) mod 60 = 0), and convert the 甲子 day sixty days on.
    const CalendarDate epoch = DAY_CYCLE_EPOCH;
    EXPECT_EQ((OleDayNumber(epoch) - OleDayNumber({1949, 10, 1})) % 60, 0);
    const COleDateTime sixtyDaysOn = COleDateTime::FromOleDate(OleDayNumber(epoch) + 60.0);
    EXPECT_EQ(Converted(sixtyDaysOn.GetYear(), sixtyDaysOn.GetMonth(), sixtyDaysOn.GetDay()).dayPillar,
              "甲子");
}

// 节 days as published (Hong Kong time and Beijing time are both UTC+8):
// - Hong Kong Observatory, "2013 年二十四节气的日期及时间资料",
// www.hko.gov.hk/sc/gts/astron2013/Solar_Term_2013.htm
// - Hong Kong Observatory, "Gregorian-Lunar Calendar Conversion Table" of 2009 (T2009e.txt), 2014, 2020 and
//   2028, www.hko.gov.hk/en/gts/time/conversion.htm
// - Xinhua News Agency, 2024-02-05: 立春 at 16:27 Beijing time on 2024-02-04.
TEST(LunarCalendarData, JieDaysAgreeWithPublishedAlmanacs) {
    const std::vector<CalendarDate> published = {
        {2009, 1, 5}, {2009, 2, 4}, {2009, 3, 5},                                               // HKO 2009
        {2013, 1, 5}, {2013, 2, 4}, {2013, 3, 5}, {2013, 4, 4},  {2013, 5, 5},  {2013, 6, 5},   // HKO 2013
        {2013, 7, 7}, {2013, 8, 7}, {2013, 9, 7}, {2013, 10, 8}, {2013, 11, 7}, {2013, 12, 7},  //
        {2014, 1, 5}, {2014, 2, 4}, {2014, 3, 6}, {2014, 4, 5},  {2014, 5, 5},  {2014, 6, 6},   // HKO 2014
        {2014, 7, 7}, {2014, 8, 7}, {2014, 9, 8}, {2014, 10, 8}, {2014, 11, 7}, {2014, 12, 7},  //
        {2020, 1, 6}, {2020, 2, 4}, {2020, 3, 5}, {2020, 4, 4},  {2020, 5, 5},  {2020, 6, 5},   // HKO 2020
        {2020, 7, 6}, {2020, 8, 7}, {2020, 9, 7}, {2020, 10, 8}, {2020, 11, 7}, {2020, 12, 7},  //
        {2024, 2, 4},                                                                           // Xinhua
        {2028, 1, 6}, {2028, 2, 4},                                                             // HKO 2028
    };
    for (const CalendarDate& jie : published) {
        const SolarTermYear& row = kSolarTermDays[jie.year - kSolarTermDays[0].year];
        ASSERT_EQ(row.year, jie.year);
        EXPECT_EQ(row.days[jie.month - 1], jie.day) << jie.year << '-' << jie.month;
    }
}
