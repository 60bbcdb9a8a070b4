// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a test under one calendar edition, then puts back the one before.
#include "core/CalendarEdition.h"

class EditionScope {
public:
    explicit EditionScope(CalendarEdition edition) : previous(CurrentCalendarEdition()) {
        SetCalendarEdition(edition);
    }
    ~EditionScope() { SetCalendarEdition(previous); }
    EditionScope(const EditionScope&) = delete;
    EditionScope& operator=(const EditionScope&) = delete;

private:
    CalendarEdition previous;
};
