// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which calendar the program runs with. The classic edition is the program as it was made: tables from
// 2007-02-04 to 2012-02-04, draws up to the end of 2011. The extended edition carries the calendar on to
// 2099-12-31. The program chooses one at start-up from today's date (or from --classic / --extended);
// CLunarCalendar::Convert and the date dialog follow the current one.
#include "core/COleDateTime.h"

enum class CalendarEdition { Classic, Extended };

// The classic edition until something sets another.
void SetCalendarEdition(CalendarEdition edition);
CalendarEdition CurrentCalendarEdition();

// The last year whose draws can be predicted: 2011 in the classic edition, 2099 in the extended one.
int LastDrawYear(CalendarEdition edition);

// The dates CLunarCalendar::Convert accepts, both included: from 2007-02-04 to 2012-02-04 in the classic
// edition, to 2099-12-31 in the extended one.
COleDateTime FirstConvertibleDate();
COleDateTime LastConvertibleDate(CalendarEdition edition);

// The edition a start on this day runs with: classic on or before 2011-12-31, extended from 2012-01-01 on.
CalendarEdition EditionForDate(const COleDateTime& today);
