// Fuzzes the store with arbitrary bytes as the database file: opening, loading the player and the history,
// then saving a prediction and a draw result into whatever was loaded, and archiving the records that have a
// result. Nothing may crash or read out of bounds; every failure must be one of the store's own messages, and
// the history must stay within its slots.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/COleDateTime.h"
#include "shell/MessageSink.h"
#include "fuzz/FuzzSupport.h"
#include "store/CPredictStore.h"
#include "tests/support/StoreRecords.h"

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

// What the store may say, each under its caption; a save for a day the file already holds is refused in the
// date dialog's words, and one into slots that a load cut short did not show as full in words of its own.
// The file locked by another program cannot happen here, but is the store's to say.
const MessageText kStoreMessages[] = {Messages::kConnectFailed,     Messages::kPlayerLoadFailed,
                                      Messages::kHistoryLoadFailed, Messages::kSaveFailed,
                                      Messages::kDayTaken,          Messages::kHistoryFilledMeanwhile,
                                      Messages::kDatabaseLocked,    Messages::kLockedNotSaved};

bool IsStoreMessage(const std::string& text, const std::string& caption) {
    return std::ranges::any_of(kStoreMessages, [&](const MessageText& message) {
        return text == message.text && caption == message.caption;
    });
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

    int messages = 0;
    const MessageSinkFunction previous =
        SetMessageSink([&messages](const std::string& text, const std::string& caption) {
            Require(IsStoreMessage(text, caption));
            ++messages;
        });
    {
        CPredictStore store;
        static_cast<void>(store.OpenDatabase(path));
        store.LoadPlayer();
        store.LoadHistory();
        RequireSoundHistory(store);

        // The program's three writes, on whatever the file turned out to hold.
        SaveRecord(store, COleDateTime(2009, 6, 17, 9, 30, 0), "2009160",
                               {"123", "234", "345", "456", "567", "678", "789", "890"});
        RequireSoundHistory(store);
        EnterResult(store, store.FirstPendingRecord(), "345");
        RequireSoundHistory(store);
        std::vector<int> withResult;
        for (const int slot : store.RecordSlots()) {
            if (store.Record(slot).HasDrawResult()) {
                withResult.push_back(slot);
            }
        }
        if (!withResult.empty()) {
            store.ArchiveRecords(withResult);
        }
        RequireSoundHistory(store);
    }
    SetMessageSink(previous);
    // At most one message per operation: open, two loads, the save, the result and the removal (each with the
    // reload after it).
    Require(messages <= 10);
    RemoveFiles(path);
    return 0;
}
