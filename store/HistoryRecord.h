// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One saved prediction: the in-memory form of one row of table data_history.
#include <array>
#include <cstdint>
#include <string>

#include "core/COleDateTime.h"

// The history table has this many slots; slot 0 is never used, so it holds records 1 .. 399.
inline constexpr int HISTORY_SLOTS = 400;

struct HistoryRecord {
    int record_order = 0;             // sequence number 1, 2, 3, ...; also the record's slot
    COleDateTime record_date;         // the draw date, with the time of day the date dialog held
    std::string open_order;           // the draw's issue number as typed
    std::array<std::string, 8> data;  // the eight predicted codes: data[0] is column data_1
    std::string open_data;            // the real draw result, or "未知" while there is none
    int is_right = 0;                 // 0 miss, 1 .. 8 hit on that code, 11 no result yet

    // The draw number was entered: a miss (0) or a hit (1 .. 8). Every other value shows as "未知".
    bool HasDrawResult() const { return is_right >= 0 && is_right <= 8; }
};

// The same prediction: the same draw date, issue and codes, whatever its result. How a writer makes sure the
// row it is about to change is still the record the user saw, not one another copy of the program moved
// there.
inline bool IsSamePrediction(const HistoryRecord& a, const HistoryRecord& b) {
    return a.record_date == b.record_date && a.open_order == b.open_order && a.data == b.data;
}

// A record moved out of the history into the archive, where it stays for good.
struct ArchivedRecord {
    HistoryRecord record;  // its record_order is the number it had in the history when it was archived
    std::int64_t archiveOrder = 0;  // 1, 2, 3 ... in the order the records were archived
    std::string archivedAt;         // when, as "YYYY-MM-DD HH:MM:SS" in local time
};

// The archive's extent: how many records it holds and the numbers (archive_order) of its newest and oldest.
struct ArchiveSpan {
    int count = 0;
    std::int64_t newest = 0;
    std::int64_t oldest = 0;
};
