#include "store/DatabaseBackup.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <utility>
#include <vector>

#include "core/Clock.h"
#include "store/CSqliteConnection.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCopyPrefix = "morvint-";
constexpr const char* kCopySuffix = ".db";
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

std::string CopyName(std::time_t now, int attempt) {
    const std::tm local = Clock::LocalTime(now);
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d-%02d-%02d-%02d%02d%02d%s%s", kCopyPrefix, local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  attempt == 0 ? "" : ("-" + std::to_string(attempt + 1)).c_str(), kCopySuffix);
    return name;
}

bool IsSafetyCopyName(const std::string& name) {
    // morvint-YYYY-MM-DD-HHMMSS.db, perhaps with -N before .db
    return name.starts_with(kCopyPrefix) && name.ends_with(kCopySuffix) && name.size() >= 28 &&
           std::isdigit(static_cast<unsigned char>(name[8])) != 0;
}

// A copy's place in time: its name's time, then the number a second copy within the same second gets.
std::pair<std::string, int> TimeOfCopy(const std::string& name) {
    const std::string stem = name.substr(0, name.size() - std::strlen(kCopySuffix));
    const std::size_t dash = stem.rfind('-');
    if (stem.size() - dash <= 4) {  // "-2" after the time
        return {stem.substr(0, dash), std::stoi(stem.substr(dash + 1))};
    }
    return {stem, 1};
}

// Only the newest copies stay. Files of other names are never touched.
void KeepNewest(const fs::path& folder) {
    std::error_code ec;
    std::vector<std::string> copies;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && IsSafetyCopyName(name)) {
            copies.push_back(name);
        }
    }
    std::ranges::sort(copies, {}, TimeOfCopy);
    const std::size_t extra = copies.size() > kSafetyCopiesKept ? copies.size() - kSafetyCopiesKept : 0;
    for (std::size_t i = 0; i < extra; ++i) {
        fs::remove(folder / copies[i], ec);
    }
}

}  // namespace

FileOutcome CopyDatabaseTo(const CSqliteConnection& connection, const std::string& path) {
    if (!connection.IsOpen()) {
        return FileOutcome::System(ENOENT);
    }
    return ReplaceRegularFile(path, [&connection](const std::string& newFile) {
        CSqliteConnection copy;
        if (!copy.OpenOrCreate(newFile)) {
            return EIO;
        }
        return Backup(copy.Handle(), connection.Handle());
    });
}

std::string SafetyCopyFolder(const std::string& databasePath) {
    return (fs::path(databasePath).parent_path() / "backups").string();
}

FileOutcome WriteSafetyCopy(const CSqliteConnection& connection, std::string& written) {
    const fs::path folder = SafetyCopyFolder(connection.FilePath());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return FileOutcome::System(errno);
    }
    const std::time_t now = Clock::Now();
    std::error_code ec;
    for (int attempt = 0; attempt < 100; ++attempt) {
        written = (folder / CopyName(now, attempt)).string();
        if (!fs::exists(written, ec)) {
            break;
        }
    }
    const FileOutcome copied = CopyDatabaseTo(connection, written);
    if (copied.Ok()) {
        KeepNewest(folder);
    }
    return copied;
}

int ReplaceDatabase(CSqliteConnection& connection, const CSqliteConnection& source) {
    if (!connection.IsOpen() || !source.IsOpen()) {
        return EIO;
    }
    return Backup(connection.Handle(), source.Handle());
}
