// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the store with arbitrary bytes as the database file: opening, loading the player and the history,
// then saving a prediction and a draw result into whatever was loaded, and archiving the records that have a
// result. Nothing may crash or read out of bounds, no action may write where the rules refuse, and the
// history must stay within its slots.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/COleDateTime.h"
#include "fuzz/FuzzSupport.h"
#include "store/CPredictStore.h"

namespace {

// One file per fuzzing process, in memory when the machine offers it.
const std::string& DatabasePath() {
    static const std::string path = ScratchFilePath("morvint-fuzz");
    return path;
}

void RemoveFiles(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        std::filesystem::remove(path + suffix, ec);
    }
}

// The first record waiting for its result is a record, or one past the count when there is none.
void RequireSoundHistory(const CPredictStore& store) {
    Require(store.HistoryCount() >= 0 && store.HistoryCount() < HISTORY_SLOTS);
    const int pending = store.FirstPendingRecord();
    Require(pending == store.HistoryCount() + 1 ||
            (store.IsRecordSlot(pending) && store.Record(pending).is_right == 11));
    Require(store.NextRecordOrder() >= 1 && store.NextRecordOrder() <= HISTORY_SLOTS);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = DatabasePath();
    RemoveFiles(path);
    Require(WriteFile(path, data, size));

    {
        CPredictStore store;
        static_cast<void>(store.OpenDatabase(path));
        store.LoadPlayer();
        store.LoadHistory();
        RequireSoundHistory(store);

        // The program's three writes, on whatever the file turned out to hold.
        const COleDateTime day(2009, 6, 17, 9, 30, 0);
        const bool dayWasFree = std::ranges::none_of(store.RecordSlots(), [&](int slot) {
            return store.Record(slot).record_date.DateOnly() == day.DateOnly();
        });
        const PredictionSave saved = store.SavePrediction(
            {day, "2009160", {"123", "234", "345", "456", "567", "678", "789", "890"}}, day, {day, 2011});
        Require(saved != PredictionSave::saved || dayWasFree);
        RequireSoundHistory(store);
        const int pending = store.FirstPendingRecord();
        const bool wasPending = store.IsRecordSlot(pending);
        const DrawEntry entered = store.EnterDraw(pending, "345", COleDateTime(2099, 12, 31));
        Require(!entered.Written() || (wasPending && store.Record(pending).open_data == "345"));
        RequireSoundHistory(store);
        std::vector<int> withResult;
        for (const int slot : store.RecordSlots()) {
            if (store.Record(slot).HasDrawResult()) {
                withResult.push_back(slot);
            }
        }
        if (!withResult.empty()) {
            static_cast<void>(store.ArchiveRecords(withResult));
        }
        RequireSoundHistory(store);
    }
    RemoveFiles(path);
    return 0;
}
