// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/COleDateTime.h"

#include <chrono>
#include <cmath>

#include "core/Clock.h"

namespace {

using namespace std::chrono;

constexpr sys_days kOleEpoch = sys_days{year{1899} / December / 30};
constexpr long kSecondsPerDay = 86400;

}  // namespace

long COleDateTimeSpan::GetDays() const {
    return static_cast<long>(span);
}

COleDateTime::COleDateTime(int yearValue, int monthValue, int dayValue, int hour, int minute, int second) {
    const year_month_day ymd{year{yearValue}, month{static_cast<unsigned>(monthValue)},
                             day{static_cast<unsigned>(dayValue)}};
    const bool inRange = yearValue >= 100 && yearValue <= 9999 && monthValue >= 1 && monthValue <= 12 &&
                         dayValue >= 1 && ymd.ok() && hour >= 0 && hour <= 23 && minute >= 0 &&
                         minute <= 59 && second >= 0 && second <= 59;
    if (!inRange) {
        status = invalid;
        return;
    }
    const long days = (sys_days{ymd} - kOleEpoch).count();
    const double fraction = static_cast<double>(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    // Before the epoch the day number counts down while the time of day still counts up.
    dt = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

COleDateTime COleDateTime::FromOleDate(double oleDate) {
    COleDateTime result;
    result.dt = oleDate;
    // The range MFC accepts: 0100-01-01 .. 9999-12-31.
    if (!std::isfinite(oleDate) || oleDate < -657435.0 || oleDate >= 2958466.0) {
        result.status = invalid;
    }
    return result;
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::tm now = Clock::LocalTime(Clock::Now());
    return COleDateTime(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
}

double COleDateTime::SortKey() const {
    const double whole = std::trunc(dt);
    return dt >= 0 ? dt : whole - (dt - whole);
}

bool COleDateTime::Decode(Parts& parts) const {
    if (status != valid) {
        return false;
    }
    long days = static_cast<long>(std::trunc(dt));
    long seconds = std::lround(std::fabs(dt - static_cast<double>(days)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {  // rounding reached midnight of the next day
        seconds -= kSecondsPerDay;
        days += 1;
    }
    const year_month_day ymd{kOleEpoch + std::chrono::days{days}};
    parts = Parts{static_cast<int>(ymd.year()),
                  static_cast<int>(static_cast<unsigned>(ymd.month())),
                  static_cast<int>(static_cast<unsigned>(ymd.day())),
                  static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60)};
    return true;
}

int COleDateTime::GetYear() const {
    Parts p{};
    return Decode(p) ? p.year : -1;
}
int COleDateTime::GetMonth() const {
    Parts p{};
    return Decode(p) ? p.month : -1;
}
int COleDateTime::GetDay() const {
    Parts p{};
    return Decode(p) ? p.day : -1;
}
int COleDateTime::GetHour() const {
    Parts p{};
    return Decode(p) ? p.hour : -1;
}
int COleDateTime::GetMinute() const {
    Parts p{};
    return Decode(p) ? p.minute : -1;
}
int COleDateTime::GetSecond() const {
    Parts p{};
    return Decode(p) ? p.second : -1;
}

COleDateTime COleDateTime::DateOnly() const {
    Parts p{};
    if (!Decode(p)) {
        return *this;
    }
    return COleDateTime(p.year, p.month, p.day);
}
