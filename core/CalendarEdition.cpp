// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CalendarEdition.h"

#include "core/CalendarTables.h"
#include "core/LunarTables.h"

namespace {

CalendarEdition currentEdition = CalendarEdition::Classic;

constexpr int kLastClassicYear = 2011;
constexpr int kLastExtendedYear = 2099;

}  // namespace

void SetCalendarEdition(CalendarEdition edition) {
    currentEdition = edition;
}

CalendarEdition CurrentCalendarEdition() {
    return currentEdition;
}

int LastDrawYear(CalendarEdition edition) {
    return edition == CalendarEdition::Classic ? kLastClassicYear : kLastExtendedYear;
}

COleDateTime FirstConvertibleDate() {
    return COleDateTime(kFirstConvertibleDate.year, kFirstConvertibleDate.month, kFirstConvertibleDate.day);
}

COleDateTime LastConvertibleDate(CalendarEdition edition) {
    const CalendarDate last =
        edition == CalendarEdition::Classic ? kLastConvertibleDate : kExtendedLastConvertibleDate;
    return COleDateTime(last.year, last.month, last.day);
}

CalendarEdition EditionForDate(const COleDateTime& today) {
    return today.GetYear() <= kLastClassicYear ? CalendarEdition::Classic : CalendarEdition::Extended;
}
