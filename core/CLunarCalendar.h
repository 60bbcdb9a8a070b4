// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Chinese calendar values of one draw date: the lunar month and day with their names and the sexagenary
// names of the year, the month and the day. The month and day branches feed every CGuaReading. Table-driven:
// the classic edition converts 2007-02-04 .. 2012-02-04, the extended one 2007-02-04 .. 2099-12-31 (see
// CalendarEdition.h); other dates are refused with a message and change nothing.
#include <string>

#include "core/COleDateTime.h"

class CLunarCalendar {
public:
    CLunarCalendar() = default;
    virtual ~CLunarCalendar() = default;
    CLunarCalendar(const CLunarCalendar&) = default;
    CLunarCalendar& operator=(const CLunarCalendar&) = default;

    // Converts the day of this date (its time of day is ignored). False outside the current edition's span
    // (the caller says Messages::kDateOutOfRange), with the previous values kept.
    [[nodiscard]] bool Convert(const COleDateTime& date);

    int lunarMonth = 0;          // 1..12; a leap month keeps the number of the month it follows
    int lunarDay = 0;            // 1..30
    std::string lunarMonthName;  // "一" .. "十二"; a leap month "闰" and the name of the month it repeats
    std::string lunarDayName;    // "初一" .. "三十"
    std::string yearPillar;      // e.g. "己丑"
    std::string monthPillar;     // e.g. "庚午"
    std::string dayPillar;       // e.g. "丙寅"
    std::string monthBranch;     // branch character of monthPillar
    std::string dayBranch;       // branch character of dayPillar
    int gregorianYear = 0;
    int gregorianMonth = 0;
    int gregorianDay = 0;
    std::string dayStem;  // stem character of dayPillar

private:
    // Both take the day as an OLE day number (days since 1899-12-30).
    void ComputeLunarDate(long day);
    void ComputePillars(long day);
};
