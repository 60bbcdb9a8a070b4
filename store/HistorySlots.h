// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of the history as one read of table data_history found them: slot i holds record_order i, and
// only the slots the read filled are records. The store keeps one for what it last loaded, and each write
// reads another from the file inside its transaction, so that the rules (store/HistoryRules.h) judge the file
// as the write finds it.
#include <array>
#include <bitset>
#include <vector>

#include "store/HistoryRecord.h"

class CHistoryScan;

class CHistorySlots {
public:
    // Reads the rows of the walk into the slots, as the history load lists them. Rows may come in any order:
    // record_order picks the slot. Count() counts a row before anything of it is read, so the row a read
    // fails on is counted. A row outside slots 1 .. 399, or a second row for a filled slot, is skipped and
    // not counted. False when a row could not be read; the slots read before it stay.
    [[nodiscard]] bool Read(CHistoryScan& scan);
    // Forgets every record: Count() 0 and no slot filled.
    void Clear();

    // The record in slot, 1 .. 399 (what a slot no read filled holds is not a record).
    const HistoryRecord& Record(int slot) const { return records[static_cast<std::size_t>(slot)]; }
    // The rows the last read counted, with the one it failed on.
    int Count() const { return count; }

    // The filled slots in record order: the records there are.
    std::vector<int> RecordSlots() const;
    bool IsRecordSlot(int slot) const;
    // The records in list order.
    std::vector<HistoryRecord> ListedRecords() const;
    // One past the last record: the number the next prediction is saved with.
    int NextRecordOrder() const;
    // No slot is left for another prediction.
    bool IsFull() const { return NextRecordOrder() >= HISTORY_SLOTS; }
    // The first record that still waits for its result, or Count() + 1.
    int FirstPendingRecord() const;
    // The first count records of the list that have their draw result: the oldest ones.
    std::vector<int> OldestWithResult(int count) const;
    // How many records must move to the archive before a new prediction fits: 0 while one fits, else as many
    // as bring the list back to one below the last slot.
    int RoomNeeded() const;
    // The row of the list, from 1, that shows the record in slot; 0 when no row does.
    int ListRowOfSlot(int slot) const;
    // The rowid of the record in slot, for a write to that row; 0 unless the walk read rowids.
    long long RowIdOf(int slot) const { return rowIds[static_cast<std::size_t>(slot)]; }

private:
    std::array<HistoryRecord, HISTORY_SLOTS> records{};
    std::array<long long, HISTORY_SLOTS> rowIds{};
    std::bitset<HISTORY_SLOTS> filled;
    int count = 0;
};
