// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the computed calendar as core/LunarCalendarData.h: one row of 节 days per Gregorian year and one row
// of month lengths per lunar year.
#include <ostream>
#include <string>
#include <vector>

#include "CalendarRules.h"

struct CalendarSpan {
    int firstSolarYear;  // the Gregorian years whose 节 are written
    int lastSolarYear;
    int firstLunarYear;  // the lunar years whose months are written, by the Gregorian year of their first day
    int lastLunarYear;
};

// `terms` must hold every 节 of the solar years; `months` every month of the lunar years and the first month
// of the year after the last. `closeCalls` are written into the header comment, one line each.
void WriteCalendarData(std::ostream& out, const CalendarSpan& span, const std::vector<SolarTerm>& terms,
                       const std::vector<LunarMonth>& months, const std::vector<std::string>& closeCalls);
