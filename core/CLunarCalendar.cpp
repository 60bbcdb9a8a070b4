// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CLunarCalendar.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>

#include "core/CalendarEdition.h"
#include "core/CalendarTables.h"
#include "core/LunarTables.h"

namespace {

constexpr const char* kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                       "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kMonthNames[13] = {"",   "一", "二", "三", "四",   "五",  "六",
                                         "七", "八", "九", "十", "十一", "十二"};
constexpr const char* kDayNames[31] = {
    "",       "初一",   "初二",   "初三",   "初四",   "初五",   "初六",   "初七",   "初八", "初九", "初十",
    "十一",   "十二",   "十三",   "十四",   "十五",   "十六",   "十七",   "十八",   "十九", "二十", "二十一",
    "二十二", "二十三", "二十四", "二十五", "二十六", "二十七", "二十八", "二十九", "三十"};
constexpr const char* kLeapPrefix = "闰";

constexpr long kFirstDay = OleDayNumber(kFirstConvertibleDate);
constexpr long kClassicLastDay = OleDayNumber(kLastConvertibleDate);
constexpr long kExtendedLastDay = OleDayNumber(kExtendedLastConvertibleDate);
constexpr long kEpoch = OleDayNumber(DAY_CYCLE_EPOCH);

// Every accepted day lies after the first month start of both tables and before the last one, so that the
// month it falls in and the day that month ends are both known.
static_assert(kSolarMonthStarts.front() < kFirstDay && kSolarMonthStarts.back() > kExtendedLastDay);
static_assert(kLunarMonthStarts.front().day < kFirstDay && kLunarMonthStarts.back().day > kExtendedLastDay);
// The classic month pillars count (k + 37) mod 60 from 小寒 2007; the computed table starts on the same day.
static_assert(kSolarMonthStarts[0] == OleDayNumber(SOLAR_MONTH_STARTS[0]));

long LastDay(CalendarEdition edition) {
    return edition == CalendarEdition::Classic ? kClassicLastDay : kExtendedLastDay;
}

// The last solar month that starts on or before the day.
std::size_t SolarEntryOf(long day) {
    const auto after = std::upper_bound(kSolarMonthStarts.begin(), kSolarMonthStarts.end(), day);
    return static_cast<std::size_t>(after - kSolarMonthStarts.begin()) - 1;
}

const LunarMonthStart& LunarMonthOf(long day) {
    const auto after = std::upper_bound(kLunarMonthStarts.begin(), kLunarMonthStarts.end(), day,
                                        [](long d, const LunarMonthStart& month) { return d < month.day; });
    return *(after - 1);
}

int PositiveModulo(long value, int modulus) {
    return static_cast<int>((value % modulus + modulus) % modulus);
}

std::string Sexagenary(int number) {
    return std::string(kStems[number % 10]) + kBranches[number % 12];
}

}  // namespace

bool CLunarCalendar::Convert(const COleDateTime& date) {
    const COleDateTime midnight = date.DateOnly();
    const long day = static_cast<long>(midnight.GetOleDate());
    if (midnight.GetStatus() != COleDateTime::valid || day < kFirstDay ||
        day > LastDay(CurrentCalendarEdition())) {
        return false;
    }
    const std::chrono::year_month_day ymd{kOleEpoch + std::chrono::days{day}};
    gregorianYear = static_cast<int>(ymd.year());
    gregorianMonth = static_cast<int>(static_cast<unsigned>(ymd.month()));
    gregorianDay = static_cast<int>(static_cast<unsigned>(ymd.day()));
    ComputeLunarDate(day);
    ComputePillars(day);
    return true;
}

void CLunarCalendar::ComputeLunarDate(long day) {
    const LunarMonthStart& month = LunarMonthOf(day);
    lunarMonth = month.number;
    lunarMonthName =
        month.leap ? std::string(kLeapPrefix) + kMonthNames[month.number] : kMonthNames[month.number];
    lunarDay = static_cast<int>(day - month.day) + 1;
    lunarDayName = kDayNames[lunarDay];
}

// The year pillar turns at 立春, the first day of every twelfth solar month from entry 1 on; the sexagenary
// number of Gregorian year y is (y - 4) mod 60 (1984 was 甲子).
void CLunarCalendar::ComputePillars(long day) {
    const std::size_t entry = SolarEntryOf(day);
    yearPillar = Sexagenary(PositiveModulo(PillarYearOfSolarEntry(entry) - 4, 60));
    const int month = static_cast<int>((entry + 37) % 60);
    monthPillar = Sexagenary(month);
    monthBranch = kBranches[month % 12];
    const long sinceEpoch = day - kEpoch;
    dayStem = kStems[PositiveModulo(sinceEpoch, 10)];
    dayBranch = kBranches[PositiveModulo(sinceEpoch, 12)];
    dayPillar = dayStem + dayBranch;
}
