#include "core/CalendarEdition.h"

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

CalendarEdition EditionForDate(const COleDateTime& today) {
    return today.GetYear() <= kLastClassicYear ? CalendarEdition::Classic : CalendarEdition::Extended;
}
