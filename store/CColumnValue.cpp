// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CColumnValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

bool RoundToWhole(double real, std::int64_t& out) {
    // 2^63: beyond it a double has no int64 value.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(real)) {
        return false;
    }
    const double whole = std::nearbyint(real);  // the default rounding mode rounds halves to even
    if (whole < -kLimit || whole >= kLimit) {
        return false;
    }
    out = static_cast<std::int64_t>(whole);
    return true;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ParseWholeNumber(std::string_view text, std::int64_t& out) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return false;
        }
    }
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    if (ec == std::errc() && ptr == end) {
        return true;
    }
    double real = 0.0;
    auto [realPtr, realEc] = std::from_chars(text.data(), end, real);
    return realEc == std::errc() && realPtr == end && RoundToWhole(real, out);
}

// Two or four digits at the start of text, nothing else.
bool ReadDigits(std::string_view text, int& out) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && text.front() != '-' &&
           text.front() != '+';
}

}  // namespace

bool CColumnValue::ToText(std::string& out) const {
    if (const auto* text = std::get_if<std::string>(&value)) {
        out = *text;
        return true;
    }
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        out = std::to_string(*integer);
        return true;
    }
    if (const auto* real = std::get_if<double>(&value)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.15g", *real);
        out = buffer;
        return true;
    }
    return false;  // NULL and binary data have no text
}

bool CColumnValue::ToInteger(std::int64_t& out) const {
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        out = *integer;
        return true;
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return RoundToWhole(*real, out);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return ParseWholeNumber(*text, out);
    }
    return false;
}

bool CColumnValue::ToInt16(int& out) const {
    std::int64_t whole = 0;
    if (!ToInteger(whole)) {
        return false;
    }
    out = static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(whole) & 0xFFFFu));
    return true;
}

bool CColumnValue::ToDate(COleDateTime& out) const {
    const auto* text = std::get_if<std::string>(&value);
    return text != nullptr && ParseDate(*text, out);
}

std::string CColumnValue::FormatDate(const COleDateTime& date) {
    // A time of day that rounds up past 9999-12-31 23:59:59 would need a fifth year digit.
    if (date.GetStatus() != COleDateTime::valid || date.GetYear() > 9999) {
        return {};
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(),
                  date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond());
    return buffer;
}

bool CColumnValue::ParseDate(std::string_view text, COleDateTime& out) {
    // "YYYY-MM-DD HH:MM:SS": fixed positions, so "2009-6-17" or a trailing fraction is not a date.
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':') {
        return false;
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadDigits(text.substr(0, 4), year) || !ReadDigits(text.substr(5, 2), month) ||
        !ReadDigits(text.substr(8, 2), day) || !ReadDigits(text.substr(11, 2), hour) ||
        !ReadDigits(text.substr(14, 2), minute) || !ReadDigits(text.substr(17, 2), second)) {
        return false;
    }
    const COleDateTime date(year, month, day, hour, minute, second);
    if (date.GetStatus() != COleDateTime::valid) {
        return false;
    }
    out = date;
    return true;
}
