// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the restore with arbitrary bytes as the backup file, restored into a database of the program's own:
// nothing may crash or read out of bounds, the check and the restore must agree, and a backup they take must
// leave a database that the program reads whole (no load fails) with the program's tables and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"
#include "store/DatabaseRestore.h"
#include "tools/emptydb/EmptyDatabase.h"

namespace {

void RemoveFiles(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        std::filesystem::remove(path + suffix, ec);
    }
}

// Every name in the restored file's schema is one of the program's tables or the index of its UNIQUE column.
bool HasOnlyTheProgramsSchema(const std::string& path) {
    CSqliteConnection db;
    Require(db.OpenExisting(path));
    CSqliteStatement names(db, "SELECT name FROM sqlite_master");
    while (names.Step() == CSqliteStatement::StepResult::row) {
        std::string name;
        Require(names.Column(0).ToText(name));
        if (name != "player" && name != "data_history" && name != "data_archive" &&
            name != "sqlite_autoindex_data_history_1") {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string backup = ScratchFilePath("morvint-restore-backup");
    static const std::string database = ScratchFilePath("morvint-restore-database");
    RemoveFiles(backup);
    RemoveFiles(database);
    Require(WriteFile(backup, data, size));
    std::string error;
    Require(WriteEmptyDatabase(database, error));

    {
        CPredictStore store;
        int unreadable = 0;
        store.Listen([&unreadable](StoreEvent event) {
            unreadable +=
                event == StoreEvent::historyUnreadable || event == StoreEvent::playerUnreadable ? 1 : 0;
        });
        static_cast<void>(store.OpenDatabase(database));
        const BackupCheck check = CheckBackup(backup, CPredictStore::kLayoutVersion, database);
        const RestoreOutcome restored = store.RestoreFrom(backup);
        Require(check.refusal == restored.check.refusal && check.row == restored.check.row &&
                check.column == restored.check.column && check.number == restored.check.number);
        // Taken or refused, the database loads whole afterwards: the player, the history and the archive.
        Require(unreadable == 0);
        Require(store.LoadArchive().has_value());
    }
    Require(HasOnlyTheProgramsSchema(database));
    RemoveFiles(backup);
    RemoveFiles(database);
    return 0;
}
