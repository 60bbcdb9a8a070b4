// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the store tells those who listen: every load of the player or the history, whatever caused it (a write
// of this copy, a change another copy made, a restore), and whether the file could be read. A view of the
// records refills itself from it rather than asking the store whether it has loaded since; the shell says
// when a load failed, since the store itself never shows a message.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

enum class StoreEvent {
    playerLoaded,
    playerUnreadable,  // the profile keeps what it held before
    historyLoaded,
    historyUnreadable,  // the slots read before the failure are listed
};

class CStoreListeners {
public:
    using Listener = std::function<void(StoreEvent)>;

    // Returns the number to stop listening with.
    int Add(Listener listener) {
        entries.emplace_back(++lastId, std::move(listener));
        return lastId;
    }
    void Remove(int id) {
        std::erase_if(entries, [id](const auto& entry) { return entry.first == id; });
    }
    int Count() const { return static_cast<int>(entries.size()); }
    // A listener may stop listening (or another start) while the event is told: those listening when it
    // came hear it, unless they stopped before their turn.
    void Tell(StoreEvent event) const {
        std::vector<int> ids;
        for (const auto& entry : entries) {
            ids.push_back(entry.first);
        }
        for (const int id : ids) {
            const auto found = std::ranges::find(entries, id, &std::pair<int, Listener>::first);
            if (found != entries.end()) {
                const Listener listener = found->second;  // it may remove itself while it runs
                listener(event);
            }
        }
    }

private:
    std::vector<std::pair<int, Listener>> entries;
    int lastId = 0;
};
