// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An OLE automation date: days since 1899-12-30 as a double (the fraction is the time of day) plus a validity
// status. It is the date type of the whole program and of the database rows.
#include <compare>

class COleDateTimeSpan {
public:
    explicit constexpr COleDateTimeSpan(double days = 0.0) : span(days) {}
    // Whole days of the span, truncated toward zero (-0.5 days is 0 days).
    long GetDays() const;
    double GetTotalDays() const { return span; }

private:
    double span;
};

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1 };

    // 1899-12-30 00:00:00, valid: the value of a record that was never loaded.
    constexpr COleDateTime() = default;
    // Invalid (status invalid, value 0) when any part is out of range: year 100..9999, month 1..12, the day
    // within its month, hour 0..23, minute and second 0..59.
    COleDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static COleDateTime FromOleDate(double oleDate);
    // The current local date and time, read through the clock seam (core/Clock.h).
    static COleDateTime GetCurrentTime();

    double GetOleDate() const { return dt; }
    DateTimeStatus GetStatus() const { return status; }

    // Parts of a valid date; -1 for an invalid one. The time of day is rounded to the nearest second.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

    // The same day at 00:00:00.
    COleDateTime DateOnly() const;

    friend bool operator==(const COleDateTime& a, const COleDateTime& b) { return a.dt == b.dt; }
    friend std::partial_ordering operator<=>(const COleDateTime& a, const COleDateTime& b) {
        return a.SortKey() <=> b.SortKey();
    }
    friend COleDateTimeSpan operator-(const COleDateTime& a, const COleDateTime& b) {
        return COleDateTimeSpan(a.SortKey() - b.SortKey());
    }

private:
    struct Parts {
        int year, month, day, hour, minute, second;
    };
    bool Decode(Parts& parts) const;
    // Dates before 1899-12-30 store the time of day as a positive fraction after a negative day number
    // (-1.25 is 1899-12-29 06:00), so comparisons go through a linear day count.
    double SortKey() const;

    double dt = 0.0;
    DateTimeStatus status = valid;
};
