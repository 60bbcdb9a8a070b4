// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computed calendar of LunarCalendarData.h as Convert looks it up: the first days of the solar and of the
// lunar months as ascending OLE day numbers, built while compiling. Solar entry k opens the month whose
// pillar has sexagenary number (k + 37) mod 60, as in the classic tables: entry 0 is 小寒 2007, entry 1 立春
// 2007.
#include <array>
#include <cstddef>

#include "core/CalendarDate.h"
#include "core/LunarCalendarData.h"

// The last date the extended edition converts (the classic edition stops at kLastConvertibleDate, both start
// at kFirstConvertibleDate of LunarTables.h).
inline constexpr CalendarDate kExtendedLastConvertibleDate{2099, 12, 31};

struct LunarMonthStart {
    long day;    // OLE day number of 初一
    int number;  // 1..12; a leap month has the number of the month it repeats
    bool leap;
};

namespace calendar_tables_detail {

// A data row that breaks a rule stops the build here: throwing is not allowed while compiling.
constexpr void Check(bool holds) {
    if (!holds) {
        throw "LunarCalendarData.h breaks a rule of the calendar";
    }
}

constexpr int MonthCount(const LunarYear& year) {
    Check((year.lengths[12] == 0) == (year.leapMonth == 0));
    for (int i = 0; i < (year.leapMonth == 0 ? 12 : 13); ++i) {
        Check(year.lengths[i] == 29 || year.lengths[i] == 30);
    }
    return year.leapMonth == 0 ? 12 : 13;
}

constexpr std::size_t LunarMonthTotal() {
    std::size_t total = 0;
    for (const LunarYear& year : kLunarYears) {
        total += static_cast<std::size_t>(MonthCount(year));
    }
    return total + 1;  // and the first month after the last year
}

}  // namespace calendar_tables_detail

inline constexpr std::size_t kSolarMonthCount = std::size(kSolarTermDays) * 12;
inline constexpr std::size_t kLunarMonthCount = calendar_tables_detail::LunarMonthTotal();

inline constexpr std::array<long, kSolarMonthCount> kSolarMonthStarts = [] {
    std::array<long, kSolarMonthCount> starts{};
    std::size_t k = 0;
    for (const SolarTermYear& row : kSolarTermDays) {
        calendar_tables_detail::Check(row.year == kSolarTermDays[0].year + static_cast<int>(k / 12));
        for (int month = 1; month <= 12; ++month) {
            calendar_tables_detail::Check(row.days[month - 1] >= 1 && row.days[month - 1] <= 28);
            starts[k++] = OleDayNumber({row.year, month, row.days[month - 1]});
        }
    }
    return starts;
}();

inline constexpr std::array<LunarMonthStart, kLunarMonthCount> kLunarMonthStarts = [] {
    std::array<LunarMonthStart, kLunarMonthCount> months{};
    std::size_t k = 0;
    long day = OleDayNumber({kLunarYears[0].year, kLunarYears[0].firstMonth, kLunarYears[0].firstDay});
    for (const LunarYear& year : kLunarYears) {
        calendar_tables_detail::Check(day == OleDayNumber({year.year, year.firstMonth, year.firstDay}));
        int number = 0;
        for (int i = 0; i < calendar_tables_detail::MonthCount(year); ++i) {
            const bool leap = year.leapMonth != 0 && i == year.leapMonth;
            number = leap ? number : number + 1;
            months[k++] = {day, number, leap};
            day += year.lengths[i];
        }
    }
    months[k] = {day, 1, false};
    return months;
}();

// The Gregorian year whose 立春 opened the year pillar in force from solar entry k on (k >= 1).
constexpr int PillarYearOfSolarEntry(std::size_t k) {
    return kSolarTermDays[0].year + static_cast<int>((k - 1) / 12);
}
