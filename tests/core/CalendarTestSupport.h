// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the calendar tests: sexagenary names by number and conversions of single dates. The scope
// that runs a test under one calendar edition is the support library's EditionScope.
#include <chrono>
#include <string>

#include "core/CLunarCalendar.h"
#include "core/COleDateTime.h"
#include "tests/support/EditionScope.h"

namespace calendar_test {

inline std::string Sexagenary(long n) {
    static const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    static const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                              "午", "未", "申", "酉", "戌", "亥"};
    const long s = (n % 60 + 60) % 60;
    return std::string(kStems[s % 10]) + kBranches[s % 12];
}

inline CLunarCalendar Converted(int year, int month, int day) {
    CLunarCalendar calendar;
    EXPECT_TRUE(calendar.Convert(COleDateTime(year, month, day)));
    return calendar;
}

inline CLunarCalendar Converted(std::chrono::year_month_day date) {
    return Converted(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day())));
}

// The Gregorian date a conversion gives back.
inline std::chrono::year_month_day GregorianOf(const CLunarCalendar& calendar) {
    return std::chrono::year{calendar.gregorianYear} / calendar.gregorianMonth / calendar.gregorianDay;
}

inline std::string DateText(std::chrono::year_month_day date) {
    return std::to_string(static_cast<int>(date.year())) + "-" +
           std::to_string(static_cast<unsigned>(date.month())) + "-" +
           std::to_string(static_cast<unsigned>(date.day()));
}

inline long OleDay(const COleDateTime& date) {
    return static_cast<long>(date.GetOleDate());
}

}  // namespace calendar_test
