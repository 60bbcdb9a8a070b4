#include "store/DatabaseBackup.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <set>

#include "store/CHistoryRowReader.h"
#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"

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

bool HasColumns(const CSqliteConnection& db, const char* table, const std::set<std::string>& wanted) {
    CSqliteStatement info(db, (std::string("PRAGMA table_info(") + table + ")").c_str());
    std::set<std::string> found;
    const int nameColumn = info.ColumnIndex("name");
    while (info.IsPrepared() && info.Step() == CSqliteStatement::StepResult::row) {
        std::string name;
        info.Column(nameColumn).ToText(name);
        found.insert(name);
    }
    return std::ranges::includes(found, wanted);
}

std::string FirstText(const CSqliteConnection& db, const char* sql) {
    CSqliteStatement query(db, sql);
    std::string text;
    if (query.IsPrepared() && query.Step() == CSqliteStatement::StepResult::row) {
        query.Column(0).ToText(text);
    }
    return text;
}

const std::set<std::string> kPlayerColumns = {"name", "sex", "shuxiang", "yunqi"};
const std::set<std::string> kHistoryColumns(kHistoryColumnNames.begin(), kHistoryColumnNames.end());

BackupRefusal CheckContent(const CSqliteConnection& db, int layoutVersion) {
    if (FirstText(db, "PRAGMA integrity_check") != "ok") {
        return BackupRefusal::damaged;
    }
    if (std::stoll("0" + FirstText(db, "PRAGMA user_version")) > layoutVersion) {
        return BackupRefusal::newerLayout;
    }
    std::set<std::string> archiveColumns = kHistoryColumns;
    archiveColumns.insert({"archive_order", "archived_at"});
    const bool hasArchive =
        !FirstText(db, "SELECT name FROM sqlite_master WHERE name = 'data_archive'").empty();
    if (!HasColumns(db, "player", kPlayerColumns) || !HasColumns(db, "data_history", kHistoryColumns) ||
        (hasArchive && !HasColumns(db, "data_archive", archiveColumns))) {
        return BackupRefusal::notOurs;
    }
    return FirstText(db, "SELECT count(*) FROM player") == "0" ? BackupRefusal::noPlayer
                                                               : BackupRefusal::none;
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

BackupCheck CheckBackup(const std::string& path, int layoutVersion) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {BackupRefusal::unreadable, errno};
    }
    if (!S_ISREG(info.st_mode)) {
        return {BackupRefusal::notRegular, 0};  // SQLite's open of a pipe would wait for a writer
    }
    CSqliteConnection db;
    if (!db.OpenReadOnly(path)) {
        return {BackupRefusal::notADatabase, 0};
    }
    return {CheckContent(db, layoutVersion), 0};
}

int RestoreDatabase(CSqliteConnection& connection, const std::string& path) {
    CSqliteConnection source;
    if (!connection.IsOpen() || !source.OpenReadOnly(path)) {
        return EIO;
    }
    return Backup(connection.Handle(), source.Handle());
}
