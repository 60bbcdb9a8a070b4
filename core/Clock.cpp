// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Clock.h"

#include <utility>

namespace Clock {
namespace {

std::function<std::time_t()>& Source() {
    static std::function<std::time_t()> source;
    return source;
}

}  // namespace

std::time_t Now() {
    const auto& source = Source();
    return source ? source() : std::time(nullptr);
}

void SetSource(std::function<std::time_t()> source) {
    Source() = std::move(source);
}

std::tm LocalTime(std::time_t t) {
    std::tm result{};
    localtime_r(&t, &result);
    return result;
}

std::time_t MakeLocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;  // let the C library decide whether summer time applies
    return std::mktime(&parts);
}

}  // namespace Clock
