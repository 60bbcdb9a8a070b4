// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/CLunarCalendar.h"
#include "core/LunarTables.h"
#include "tests/core/CalendarTestSupport.h"

namespace {

using calendar_test::DateText;
using calendar_test::GregorianOf;
using std::chrono::year_month_day;
using namespace std::chrono_literals;

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

std::string Sexagenary(long n) {
    return std::string(kStems[n % 60 % 10]) + kBranches[n % 60 % 12];
}

int SexagenaryNumber(const std::string& name) {
    for (int n = 0; n < 60; ++n) {
        if (Sexagenary(n) == name) {
            return n;
        }
    }
    return -1;
}

CLunarCalendar Converted(int year, int month, int day) {
    CLunarCalendar calendar;
    EXPECT_TRUE(calendar.Convert(COleDateTime(year, month, day)));
    return calendar;
}

void ExpectLunar(int year, int month, int day, const std::string& monthName, const std::string& dayName) {
    const CLunarCalendar c = Converted(year, month, day);
    EXPECT_EQ(c.lunarMonthName + "月" + c.lunarDayName, monthName + "月" + dayName)
        << year << '-' << month << '-' << day;
}

}  // namespace

TEST(CLunarCalendar, KnownDates) {
    const CLunarCalendar olympics = Converted(2008, 8, 8);
    EXPECT_EQ(olympics.yearPillar + olympics.monthPillar + olympics.dayPillar, "戊子庚申庚辰");
    EXPECT_EQ(olympics.monthBranch + olympics.dayBranch + olympics.dayStem, "申辰庚");
    EXPECT_EQ(olympics.lunarMonth, 7);
    EXPECT_EQ(olympics.lunarDay, 8);
    EXPECT_EQ(olympics.lunarMonthName + olympics.lunarDayName, "七初八");
    EXPECT_EQ(GregorianOf(olympics), 2008y / 8 / 8);

    const CLunarCalendar example = Converted(2009, 6, 17);
    EXPECT_EQ(example.yearPillar + example.monthPillar + example.dayPillar, "己丑庚午癸巳");
    EXPECT_EQ(example.lunarMonthName + example.lunarDayName, "五二十五");

    EXPECT_EQ(Converted(2010, 3, 6).monthPillar, "己卯");  // a solar month starts on its own date
    EXPECT_EQ(Converted(2010, 3, 5).monthPillar, "戊寅");
    const CLunarCalendar lastDay = Converted(2011, 12, 31);
    EXPECT_EQ(lastDay.yearPillar + lastDay.monthPillar + lastDay.dayPillar, "辛卯庚子庚申");
    EXPECT_EQ(lastDay.lunarMonthName + lastDay.lunarDayName, "十二初七");
}

TEST(CLunarCalendar, LeapFifthMonthOf2009) {
    ExpectLunar(2009, 6, 22, "五", "三十");
    ExpectLunar(2009, 6, 23, "闰五", "初一");
    ExpectLunar(2009, 7, 21, "闰五", "二十九");
    ExpectLunar(2009, 7, 22, "六", "初一");
    EXPECT_EQ(Converted(2009, 7, 1).lunarMonth, 5);
    EXPECT_EQ(Converted(2009, 7, 1).lunarDay, 9);
}

// Festivals everybody knows the date of: 春节 1-1, 元宵 1-15, 端午 5-5, 七夕 7-7, 中秋 8-15, 重阳 9-9.
TEST(CLunarCalendar, AgreesWithFestivalDates) {
    const std::vector<std::pair<std::vector<year_month_day>, std::string>> festivals = {
        {{2007y / 2 / 18, 2008y / 2 / 7, 2009y / 1 / 26, 2010y / 2 / 14, 2011y / 2 / 3, 2012y / 1 / 23},
         "一初一"},
        {{2007y / 3 / 4, 2008y / 2 / 21, 2009y / 2 / 9, 2010y / 2 / 28, 2011y / 2 / 17}, "一十五"},
        {{2007y / 6 / 19, 2008y / 6 / 8, 2009y / 5 / 28, 2010y / 6 / 16, 2011y / 6 / 6}, "五初五"},
        {{2007y / 8 / 19, 2008y / 8 / 7, 2009y / 8 / 26, 2010y / 8 / 16, 2011y / 8 / 6}, "七初七"},
        {{2007y / 9 / 25, 2008y / 9 / 14, 2009y / 10 / 3, 2010y / 9 / 22, 2011y / 9 / 12}, "八十五"},
        {{2007y / 10 / 19, 2008y / 10 / 7, 2009y / 10 / 26, 2010y / 10 / 16, 2011y / 10 / 5}, "九初九"},
    };
    for (const auto& [dates, expected] : festivals) {
        for (const year_month_day date : dates) {
            const CLunarCalendar c = calendar_test::Converted(date);
            EXPECT_EQ(c.lunarMonthName + c.lunarDayName, expected) << DateText(date);
        }
    }
}

// The ends of the range, where the table entries before the first and after the last lunar month are used.
TEST(CLunarCalendar, EveryDateOfTheRangeHasMeaningfulValues) {
    const CLunarCalendar first = Converted(2007, 2, 4);
    EXPECT_EQ(first.yearPillar + first.monthPillar, "丁亥壬寅");
    EXPECT_EQ(first.lunarMonthName + first.lunarDayName, "十二十七");
    ExpectLunar(2007, 2, 17, "十二", "三十");
    ExpectLunar(2012, 1, 22, "十二", "二十九");
    const CLunarCalendar last = Converted(2012, 2, 4);
    EXPECT_EQ(last.yearPillar + last.monthPillar, "壬辰壬寅");
    EXPECT_EQ(last.lunarMonthName + last.lunarDayName, "一十三");
}

TEST(CLunarCalendar, DatesOutsideTheRangeAreRefusedAndChangeNothing) {
    CLunarCalendar calendar;
    EXPECT_TRUE(calendar.Convert(COleDateTime(2009, 6, 17)));
    EXPECT_FALSE(calendar.Convert(COleDateTime(2007, 2, 3)));
    EXPECT_FALSE(calendar.Convert(COleDateTime(2012, 2, 5)));
    EXPECT_FALSE(calendar.Convert(COleDateTime(2009, 2, 30)));  // invalid
    EXPECT_EQ(calendar.dayPillar, "癸巳");
    EXPECT_EQ(calendar.gregorianDay, 17);
    EXPECT_EQ(calendar.lunarDayName, "二十五");
}

TEST(CLunarCalendar, TimeOfDayIsIgnored) {
    CLunarCalendar calendar;
    EXPECT_TRUE(calendar.Convert(COleDateTime(2012, 2, 4, 23, 59, 59)));
    EXPECT_EQ(calendar.yearPillar, "壬辰");
    EXPECT_TRUE(calendar.Convert(COleDateTime(2009, 6, 22, 23, 0, 0)));
    EXPECT_EQ(calendar.lunarDayName, "三十");
    EXPECT_EQ(calendar.gregorianDay, 22);
}

// Every day of the range against the day before it. 1949-10-01 was a 甲子 day: the day pillar is counted from
// there, independently of the calendar's own epoch.
TEST(CLunarCalendar, SweepOfEveryDateOfTheRange) {
    const COleDateTime jiaZi(1949, 10, 1);
    std::set<long> solarStarts;
    for (const CalendarDate& d : SOLAR_MONTH_STARTS) {
        solarStarts.insert(static_cast<long>(COleDateTime(d.year, d.month, d.day).GetOleDate()));
    }
    CLunarCalendar previous = Converted(2007, 2, 4);
    const long firstDay = static_cast<long>(COleDateTime(2007, 2, 4).GetOleDate());
    const long lastDay = static_cast<long>(COleDateTime(2012, 2, 4).GetOleDate());
    int newMonths = 0;
    for (long day = firstDay + 1; day <= lastDay; ++day) {
        const COleDateTime date = COleDateTime::FromOleDate(static_cast<double>(day));
        CLunarCalendar c;
        EXPECT_TRUE(c.Convert(date));
        SCOPED_TRACE(std::to_string(date.GetYear()) + "-" + std::to_string(date.GetMonth()) + "-" +
                     std::to_string(date.GetDay()));
        ASSERT_EQ(c.gregorianDay, date.GetDay());
        ASSERT_EQ(c.dayPillar, Sexagenary((date - jiaZi).GetDays()));
        ASSERT_EQ(c.dayPillar, c.dayStem + c.dayBranch);
        ASSERT_TRUE(c.monthPillar.ends_with(c.monthBranch));
        const int monthStep = solarStarts.contains(day) ? 1 : 0;
        ASSERT_EQ(SexagenaryNumber(c.monthPillar), (SexagenaryNumber(previous.monthPillar) + monthStep) % 60);
        const int yearStep = date.GetMonth() == 2 && date.GetDay() == 4 ? 1 : 0;
        ASSERT_EQ(SexagenaryNumber(c.yearPillar), (SexagenaryNumber(previous.yearPillar) + yearStep) % 60);
        if (c.lunarDay == 1) {
            ++newMonths;
            ASSERT_TRUE(previous.lunarDay == 29 || previous.lunarDay == 30);
            const bool intoLeap = c.lunarMonthName == "闰五";
            const bool outOfLeap = previous.lunarMonthName == "闰五";
            ASSERT_EQ(c.lunarMonth, intoLeap ? previous.lunarMonth : previous.lunarMonth % 12 + 1);
            ASSERT_TRUE(intoLeap || outOfLeap || c.lunarMonthName != previous.lunarMonthName);
        } else {
            ASSERT_EQ(c.lunarDay, previous.lunarDay + 1);
            ASSERT_EQ(c.lunarMonthName, previous.lunarMonthName);
            ASSERT_EQ(c.lunarMonth, previous.lunarMonth);
        }
        previous = c;
    }
    EXPECT_EQ(newMonths, 62);  // entries 1..61 of the table and the leap month
}
