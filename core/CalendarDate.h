// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Gregorian date as the calendar tables write it, and its OLE day number (days since 1899-12-30), the count
// Convert works in. Both are constexpr so that the tables are turned into day numbers while compiling.
#include <chrono>

struct CalendarDate {
    int year;
    int month;
    int day;
};

inline constexpr std::chrono::sys_days kOleEpoch{std::chrono::year{1899} / std::chrono::December / 30};

constexpr long OleDayNumber(CalendarDate date) {
    using namespace std::chrono;
    const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} /
                       std::chrono::day{static_cast<unsigned>(date.day)}};
    return (day - kOleEpoch).count();
}
