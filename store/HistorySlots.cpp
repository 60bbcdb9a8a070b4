// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistorySlots.h"

#include <algorithm>

#include "store/CHistoryScan.h"
#include "store/HistoryVerdict.h"

bool CHistorySlots::Read(CHistoryScan& scan) {
    count = 0;
    // A slot counts as a record only when this read filled it: the slots are never cleared, so a record that
    // is gone from the file (or a gap in its numbers) would otherwise still be listed.
    const auto fillDone = [this, &scan](bool read) {
        filled = scan.Filled();
        return read;
    };
    for (;;) {
        switch (scan.Next()) {
            case CHistoryScan::Step::done:
                return fillDone(true);
            case CHistoryScan::Step::failed:
                return fillDone(false);
            case CHistoryScan::Step::unreadable:
                ++count;
                return fillDone(false);
            case CHistoryScan::Step::row:
                break;
        }
        ++count;
        const int slot = scan.Slot();
        long long rowId = 0;
        rowIds[static_cast<std::size_t>(slot)] = scan.RowId(rowId) ? rowId : 0;
        if (!scan.Reader().ReadRow(slot, records[static_cast<std::size_t>(slot)])) {
            return fillDone(false);
        }
    }
}

void CHistorySlots::Clear() {
    filled.reset();
    count = 0;
}

std::vector<int> CHistorySlots::RecordSlots() const {
    std::vector<int> slots;
    slots.reserve(filled.count());
    for (int slot = 1; slot < HISTORY_SLOTS; ++slot) {
        if (IsRecordSlot(slot)) {
            slots.push_back(slot);
        }
    }
    return slots;
}

bool CHistorySlots::IsRecordSlot(int slot) const {
    return slot >= 1 && slot < HISTORY_SLOTS && filled.test(static_cast<std::size_t>(slot));
}

std::vector<HistoryRecord> CHistorySlots::ListedRecords() const {
    std::vector<HistoryRecord> listed;
    for (const int slot : RecordSlots()) {
        listed.push_back(Record(slot));
    }
    return listed;
}

int CHistorySlots::NextRecordOrder() const {
    for (int slot = HISTORY_SLOTS - 1; slot >= 1; --slot) {
        if (IsRecordSlot(slot)) {
            return slot + 1;
        }
    }
    return 1;
}

int CHistorySlots::FirstPendingRecord() const {
    for (int slot = 1; slot < HISTORY_SLOTS; ++slot) {
        if (IsRecordSlot(slot) && IsPending(Record(slot))) {
            return slot;
        }
    }
    return count + 1;
}

std::vector<int> CHistorySlots::OldestWithResult(int wanted) const {
    std::vector<int> slots;
    for (const int slot : RecordSlots()) {
        if (static_cast<int>(slots.size()) < wanted && Record(slot).HasDrawResult()) {
            slots.push_back(slot);
        }
    }
    return slots;
}

// The archive renumbers the records left 1, 2, 3 ...: archiving n of them frees the slots above the list's
// new length. One is needed as a rule; more when gaps or leftovers push the list past slot 398.
int CHistorySlots::RoomNeeded() const {
    if (!IsFull()) {
        return 0;
    }
    return std::max(1, static_cast<int>(RecordSlots().size()) - (HISTORY_SLOTS - 2));
}

int CHistorySlots::ListRowOfSlot(int slot) const {
    const std::vector<int> slots = RecordSlots();
    const auto found = std::ranges::find(slots, slot);
    return found == slots.end() ? 0 : static_cast<int>(found - slots.begin()) + 1;
}
