#include "core/CLunarCalendar.h"

#include <array>
#include <chrono>
#include <iterator>

#include "core/LunarTables.h"
#include "core/MessageSink.h"

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
constexpr const char* kLeapMonthName = "闰五";

constexpr std::chrono::sys_days kOleEpoch{std::chrono::year{1899} / std::chrono::December / 30};

// OLE day number of a table date, evaluated at compile time for the tables below.
constexpr long DayNumber(CalendarDate date) {
    using namespace std::chrono;
    const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} /
                       std::chrono::day{static_cast<unsigned>(date.day)}};
    return (day - kOleEpoch).count();
}

template <std::size_t N>
constexpr std::array<long, N> DayNumbers(const CalendarDate (&dates)[N]) {
    std::array<long, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        numbers[i] = DayNumber(dates[i]);
    }
    return numbers;
}

constexpr auto kSolarStarts = DayNumbers(SOLAR_MONTH_STARTS);
constexpr auto kLunarStarts = DayNumbers(LUNAR_MONTH_STARTS);
constexpr long kFirstDay = DayNumber(FIRST_CONVERTIBLE_DATE);
constexpr long kLastDay = DayNumber(LAST_CONVERTIBLE_DATE);
constexpr long kLeapFirst = DayNumber(LEAP_MONTH_FIRST);
constexpr long kLeapLast = DayNumber(LEAP_MONTH_LAST);
constexpr long kEpoch = DayNumber(DAY_CYCLE_EPOCH);
constexpr auto kYearStarts = [] {
    std::array<long, std::size(YEAR_PILLARS)> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = DayNumber(YEAR_PILLARS[i].start);
    }
    return numbers;
}();

static_assert(kSolarStarts[0] < kFirstDay && kSolarStarts[kLastMonthEntry] <= kLastDay);
static_assert(kLunarStarts[0] < kFirstDay && kLunarStarts[kLastMonthEntry] <= kLastDay);

// The last entry that starts on or before the day. Every day of the accepted range has one.
template <std::size_t N>
int EntryOf(const std::array<long, N>& starts, long day) {
    int entry = static_cast<int>(N) - 1;
    while (entry > 0 && starts[entry] > day) {
        --entry;
    }
    return entry;
}

int PositiveModulo(long value, int modulus) {
    return static_cast<int>((value % modulus + modulus) % modulus);
}

}  // namespace

void CLunarCalendar::Convert(const COleDateTime& date) {
    const COleDateTime midnight = date.DateOnly();
    const long day = static_cast<long>(midnight.GetOleDate());
    if (midnight.GetStatus() != COleDateTime::valid || day < kFirstDay || day > kLastDay) {
        ShowMessage("日期超出范围！");
        return;
    }
    yearPillar = YEAR_PILLARS[EntryOf(kYearStarts, day)].pillar;
    const std::chrono::year_month_day ymd{kOleEpoch + std::chrono::days{day}};
    gregorianYear = static_cast<int>(ymd.year());
    gregorianMonth = static_cast<int>(static_cast<unsigned>(ymd.month()));
    gregorianDay = static_cast<int>(static_cast<unsigned>(ymd.day()));
    ComputeLunarDate(day);
    ComputePillars(day);
}

void CLunarCalendar::ComputeLunarDate(long day) {
    const int entry = EntryOf(kLunarStarts, day);
    lunarMonth = entry % 12 == 0 ? 12 : entry % 12;
    lunarMonthName = kMonthNames[lunarMonth];
    lunarDay = static_cast<int>(day - kLunarStarts[entry]) + 1;
    if (day >= kLeapFirst && day <= kLeapLast) {
        lunarMonthName = kLeapMonthName;
        lunarDay -= kLeapMonthOffset;
    }
    lunarDayName = lunarDay >= 1 && lunarDay <= 30 ? kDayNames[lunarDay] : "";
}

void CLunarCalendar::ComputePillars(long day) {
    const int entry = EntryOf(kSolarStarts, day);
    const int month = (entry + 37) % 60;
    monthPillar = std::string(kStems[month % 10]) + kBranches[month % 12];
    monthBranch = kBranches[month % 12];
    const long sinceEpoch = day - kEpoch;
    dayStem = kStems[PositiveModulo(sinceEpoch, 10)];
    dayBranch = kBranches[PositiveModulo(sinceEpoch, 12)];
    dayPillar = dayStem + dayBranch;
}
