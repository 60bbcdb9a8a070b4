#include "store/DatabaseBackup.h"

#include <sqlite3.h>

#include <cerrno>

#include "store/CSqliteConnection.h"

namespace {

// How long a copy waits, in total, for another copy of the program that is writing the file.
constexpr int kBusyWaitMs = 5000;
constexpr int kBusyStepMs = 25;

// The system's word for what SQLite reported.
int ErrnoOf(int sqliteCode) {
    switch (sqliteCode & 0xFF) {
        case SQLITE_FULL:
            return ENOSPC;
        case SQLITE_READONLY:
            return EROFS;
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return EACCES;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return EBUSY;
        case SQLITE_CANTOPEN:
            return ENOENT;
        case SQLITE_NOMEM:
            return ENOMEM;
        default:
            return EIO;
    }
}

// Every page of source into destination in one step: one read lock on the source, one write transaction on
// the destination. A busy source (another copy committing) is waited for.
int Backup(sqlite3* destination, sqlite3* source) {
    sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
    if (backup == nullptr) {
        return ErrnoOf(sqlite3_errcode(destination));
    }
    int step = SQLITE_OK;
    for (int waited = 0;; waited += kBusyStepMs) {
        step = sqlite3_backup_step(backup, -1);
        if ((step != SQLITE_BUSY && step != SQLITE_LOCKED) || waited >= kBusyWaitMs) {
            break;
        }
        sqlite3_sleep(kBusyStepMs);
    }
    const int finished = sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE) {
        return ErrnoOf(step);
    }
    return finished == SQLITE_OK ? 0 : ErrnoOf(finished);
}

}  // namespace

FileOutcome CopyDatabaseTo(const CSqliteConnection& connection, const std::string& path) {
    if (!connection.IsOpen()) {
        return FileOutcome::System(ENOENT);
    }
    return ReplaceRegularFile(
        path, [&connection](const std::string& newFile) { return CopyDatabaseInto(connection, newFile); });
}

int CopyDatabaseInto(const CSqliteConnection& connection, const std::string& newFile) {
    CSqliteConnection copy;
    if (!connection.IsOpen() || !copy.OpenOrCreate(newFile)) {
        return EIO;
    }
    // No one else opens the new file, and a copy cut short is thrown away whole: a journal beside it would
    // only be one more file for a killed copy to leave behind. The caller syncs the finished file itself.
    if (!copy.Execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF")) {
        return EIO;
    }
    return Backup(copy.Handle(), connection.Handle());
}

int ReplaceDatabase(CSqliteConnection& connection, const CSqliteConnection& source) {
    if (!connection.IsOpen() || !source.IsOpen()) {
        return EIO;
    }
    return Backup(connection.Handle(), source.Handle());
}
