// SPDX-License-Identifier: GPL-3.0-or-later
// Those who listen to the store: each event told to every listener in the order they started listening, and
// only while they listen, even when a listener stops (itself or another) or starts another while it is told.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store/StoreEvents.h"

namespace {

using Heard = std::vector<std::pair<std::string, StoreEvent>>;

TEST(StoreListenersTest, EachEventReachesTheListenersInTheOrderTheyStartedUntilTheyStop) {
    CStoreListeners listeners;
    Heard heard;
    const auto listener = [&heard](std::string name) {
        return [&heard, name](StoreEvent event) { heard.emplace_back(name, event); };
    };
    listeners.Add(listener("first"));
    const int second = listeners.Add(listener("second"));
    listeners.Add(listener("third"));

    listeners.Tell(StoreEvent::historyLoaded);
    listeners.Remove(second);
    listeners.Remove(second + 100);  // no such listener: nothing happens
    listeners.Tell(StoreEvent::playerUnreadable);

    EXPECT_EQ(heard, (Heard{{"first", StoreEvent::historyLoaded},
                            {"second", StoreEvent::historyLoaded},
                            {"third", StoreEvent::historyLoaded},
                            {"first", StoreEvent::playerUnreadable},
                            {"third", StoreEvent::playerUnreadable}}));
    EXPECT_EQ(listeners.Count(), 2);
}

// The first stops itself, the second stops the third before its turn and starts a fourth, which hears only
// the events that come after it started.
TEST(StoreListenersTest, ListenersThatStopOrStartWhileAnEventIsToldHearOnlyWhileTheyListen) {
    CStoreListeners listeners;
    std::vector<std::string> heard;
    int first = 0;
    int third = 0;
    bool fourthStarted = false;
    first = listeners.Add([&](StoreEvent) {
        heard.emplace_back("first");
        listeners.Remove(first);
    });
    listeners.Add([&](StoreEvent) {
        heard.emplace_back("second");
        listeners.Remove(third);
        if (!fourthStarted) {
            fourthStarted = true;
            listeners.Add([&heard](StoreEvent) { heard.emplace_back("fourth"); });
        }
    });
    third = listeners.Add([&heard](StoreEvent) { heard.emplace_back("third"); });

    listeners.Tell(StoreEvent::historyLoaded);
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));

    heard.clear();
    listeners.Tell(StoreEvent::historyUnreadable);
    EXPECT_EQ(heard, (std::vector<std::string>{"second", "fourth"}));
    EXPECT_EQ(listeners.Count(), 2);
}

}  // namespace
