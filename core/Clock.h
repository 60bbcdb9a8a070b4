// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one source of "now" for the whole program. Everything that needs the current time (seeding the
// generator, "today" in the date checks, the current month of the fortune chart) asks here, so a test can fix
// the clock and a user can try the program on another date with faketime.
#include <ctime>
#include <functional>

namespace Clock {

// Current calendar time in whole seconds, as time() gives it, unless a test has fixed it.
std::time_t Now();

// Replaces the source of Now(); an empty function restores the system clock.
void SetSource(std::function<std::time_t()> source);

// Broken-down local time of t (localtime_r).
std::tm LocalTime(std::time_t t);

// The calendar time of a local date and time (mktime); the inverse of LocalTime.
std::time_t MakeLocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

}  // namespace Clock
