// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixes the program's clock for the lifetime of the object, then gives the system clock back.
#include <ctime>

#include "core/Clock.h"

class FixedClock {
public:
    FixedClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : FixedClock(Clock::MakeLocalTime(year, month, day, hour, minute, second)) {}
    explicit FixedClock(std::time_t at) : now(at) {
        Clock::SetSource([this] { return now; });
    }
    ~FixedClock() { Clock::SetSource({}); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void Set(std::time_t at) { now = at; }
    void Advance(std::time_t seconds) { now += seconds; }

private:
    std::time_t now;
};
