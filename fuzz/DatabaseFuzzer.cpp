// Fuzzes the store with arbitrary bytes as the database file: opening, loading the player and the history,
// then saving a prediction and a draw result into whatever was loaded. Nothing may crash or read out of
// bounds; every failure must be one of the store's own messages, and the history must stay within its slots.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>

#include "core/COleDateTime.h"
#include "core/MessageSink.h"
#include "store/CPredictStore.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// One file per fuzzing process, in memory when the machine offers it.
const std::string& DatabasePath() {
    static const std::string path = [] {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", ec)
                                                 ? "/dev/shm"
                                                 : std::filesystem::temp_directory_path();
        return (folder / ("morvint-fuzz-" + std::to_string(::getpid()) + ".db")).string();
    }();
    return path;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

void RemoveFiles(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        std::filesystem::remove(path + suffix, ec);
    }
}

const std::set<std::string> kStoreMessages = {"连接数据库失败!", "读取数据库player失败!",
                                              "读取数据库history失败!", "保存失败!"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = DatabasePath();
    RemoveFiles(path);
    Require(WriteFile(path, data, size));

    int messages = 0;
    const MessageSinkFunction previous =
        SetMessageSink([&messages](const std::string& text, const std::string& caption) {
            Require(kStoreMessages.count(text) == 1 && caption == kAppTitle);
            ++messages;
        });
    {
        CPredictStore store;
        store.OpenDatabase(path);
        store.LoadPlayer();
        store.LoadHistory();
        Require(store.historyCount >= 0 && store.historyCount < HISTORY_SLOTS);
        const int pending = store.FirstPendingRecord();
        Require(pending >= 1 && pending <= store.historyCount + 1);

        // The program's two writes, on whatever the file turned out to hold.
        store.AppendPrediction(COleDateTime(2009, 6, 17, 9, 30, 0), "2009160",
                               {"123", "234", "345", "456", "567", "678", "789", "890"});
        Require(store.historyCount >= 0 && store.historyCount < HISTORY_SLOTS);
        store.SetDrawResult(store.FirstPendingRecord(), "345", 3);
        Require(store.historyCount >= 0 && store.historyCount < HISTORY_SLOTS);
    }
    SetMessageSink(previous);
    // At most one message per operation: open, two loads, the save (with its reload), the result (with its).
    Require(messages <= 7);
    RemoveFiles(path);
    return 0;
}
