// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settable globals of the core and the store, saved when the scope begins and put back when it ends, so
// that no test hands a changed one to the next: the calendar edition, the sink of the store's messages and
// the clock. The clock cannot be read back; it goes back to the system clock, the only one a test starts
// from.
#include <utility>

#include "core/CalendarEdition.h"
#include "core/Clock.h"
#include "shell/MessageSink.h"

class CoreGlobalsScope {
public:
    CoreGlobalsScope() : edition(CurrentCalendarEdition()), sink(SetMessageSink({})) { SetMessageSink(sink); }
    ~CoreGlobalsScope() {
        Clock::SetSource({});
        SetMessageSink(std::move(sink));
        SetCalendarEdition(edition);
    }
    CoreGlobalsScope(const CoreGlobalsScope&) = delete;
    CoreGlobalsScope& operator=(const CoreGlobalsScope&) = delete;

private:
    CalendarEdition edition;
    MessageSinkFunction sink;
};
