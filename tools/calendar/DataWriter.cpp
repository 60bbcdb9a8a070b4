// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataWriter.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

std::chrono::year_month_day DateOfDay(long day) {
    return std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{day}}};
}

int YearOf(long day) {
    return static_cast<int>(DateOfDay(day).year());
}

int MonthOf(long day) {
    return static_cast<int>(static_cast<unsigned>(DateOfDay(day).month()));
}

int DayOf(long day) {
    return static_cast<int>(static_cast<unsigned>(DateOfDay(day).day()));
}

constexpr const char* kHeader = R"(// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Chinese calendar from the lunar year 2006 to the lunar year 2099: the day of every 节 (the twelve solar
// terms that open the solar months) and the first day of every lunar month, as civil days in Beijing time.
// The first rows reach back to the months that 2007-02-04 falls in; the last 节 row (2100) holds the 小寒
// that ends the solar month of 2099-12-31, and the last lunar year ends the day before 正月初一 of 2100.
//
// Made by tools/calendar/generate.sh; do not edit by hand. The generator finds the instants when the Sun's
// apparent longitude reaches each multiple of 15 degrees and when the Moon's apparent longitude equals the
// Sun's (VSOP87 and ELP 2000-82B through libnova, carried to the true equinox of date), turns them from
// Terrestrial Time to Beijing time with the delta T of Espenak & Meeus (2006), and applies the calendar's
// rules (GB/T 33661-2017): a month starts on the day of its new moon, the month that holds the winter
// solstice is the eleventh, and in a year of thirteen months (solstice to solstice) the first month without
// a principal term is the leap month, numbered after the month before it.
//
// To remake it: bash tools/calendar/generate.sh
//
// These fall within a minute of midnight in Beijing time, so that their day hangs on delta T (the Moon's
// and the Sun's positions are good to a few seconds):
)";

constexpr const char* kStructs = R"(
// The day of the month on which each 节 falls in one Gregorian year, January (小寒) to December (大雪).
struct SolarTermYear {
    int year;
    int days[12];
};

// One lunar year: the Gregorian date of its first day (正月初一), the month its leap month repeats (0: none)
// and the length of each month in order, the leap month right after the month it repeats (0 after the last).
struct LunarYear {
    int year;
    int firstMonth;
    int firstDay;
    int leapMonth;
    int lengths[13];
};

// clang-format off
)";

// The 节 are the odd multiples of 15 degrees; 小寒 (285) falls in January, 大雪 (255) in December.
void WriteSolarTerms(std::ostream& out, const CalendarSpan& span, const std::vector<SolarTerm>& terms) {
    out << "inline constexpr SolarTermYear kSolarTermDays[] = {\n";
    out << "    // year    小寒 立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪\n";
    for (int year = span.firstSolarYear; year <= span.lastSolarYear; ++year) {
        int days[12] = {};
        for (const SolarTerm& term : terms) {
            const int expectedMonth = (term.longitude + 75) / 30 % 12 + 1;
            if (term.longitude % 30 != 15 || YearOf(term.day) != year) {
                continue;
            }
            if (MonthOf(term.day) != expectedMonth || days[expectedMonth - 1] != 0) {
                throw std::runtime_error("a 节 outside its Gregorian month in " + std::to_string(year));
            }
            days[expectedMonth - 1] = DayOf(term.day);
        }
        char row[160];
        std::snprintf(row, sizeof row, "    {%d, {%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d,%4d}},\n", year,
                      days[0], days[1], days[2], days[3], days[4], days[5], days[6], days[7], days[8],
                      days[9], days[10], days[11]);
        out << row;
    }
    out << "};\n\n";
}

void WriteLunarYear(std::ostream& out, const std::vector<LunarMonth>& months, std::size_t first,
                    std::size_t next) {
    int leapMonth = 0;
    std::string lengths;
    for (std::size_t i = first; i < next; ++i) {
        leapMonth = months[i].leap ? months[i].number : leapMonth;
        lengths += (i == first ? "" : ", ") + std::to_string(months[i + 1].firstDay - months[i].firstDay);
    }
    lengths += next - first == 12 ? ",  0" : "";
    const long day = months[first].firstDay;
    char row[160];
    std::snprintf(row, sizeof row, "    {%d, %d, %2d, %2d, {%s}},\n", YearOf(day), MonthOf(day), DayOf(day),
                  leapMonth, lengths.c_str());
    out << row;
}

void WriteLunarYears(std::ostream& out, const CalendarSpan& span, const std::vector<LunarMonth>& months) {
    out << "inline constexpr LunarYear kLunarYears[] = {\n";
    out << "    // year  正月初一  闰   month lengths\n";
    std::size_t first = 0;
    while (months[first].number != 1 || months[first].leap ||
           YearOf(months[first].firstDay) < span.firstLunarYear) {
        ++first;
    }
    while (YearOf(months[first].firstDay) <= span.lastLunarYear) {
        std::size_t next = first + 1;
        while (months.at(next).number != 1 || months[next].leap) {
            ++next;
        }
        WriteLunarYear(out, months, first, next);
        first = next;
    }
    out << "};\n";
}

}  // namespace

void WriteCalendarData(std::ostream& out, const CalendarSpan& span, const std::vector<SolarTerm>& terms,
                       const std::vector<LunarMonth>& months, const std::vector<std::string>& closeCalls) {
    out << kHeader;
    for (const std::string& line : closeCalls) {
        out << "//   " << line << "\n";
    }
    out << kStructs;
    WriteSolarTerms(out, span, terms);
    WriteLunarYears(out, span, months);
    out << "// clang-format on\n";
}
