// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseBackup.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/CSqliteConnection.h"
#include "store/SafetyCopy.h"

namespace fs = std::filesystem;

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

// The names SQLite gives the files beside a database: its rollback journal, and in WAL mode the log and
// its shared memory.
constexpr std::array<const char*, 3> kCompanionSuffixes = {"-journal", "-wal", "-shm"};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool StatOf(const std::string& path, struct stat& info) {
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string Resolved(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return path;
    }
    std::string text = resolved;
    std::free(resolved);
    return text;
}

std::string FolderOf(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Whether target, which does not exist yet, would be the file name: the same name in the same folder.
bool WouldBe(const std::string& target, const struct stat& targetFolder, const std::string& name) {
    struct stat folder {};
    return fs::path(target).filename() == fs::path(name).filename() && StatOf(FolderOf(name), folder) &&
           SameFile(folder, targetFolder);
}

bool HoldsFile(const std::string& folder, const struct stat& target) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        struct stat info {};
        if (StatOf(entry.path().string(), info) && SameFile(info, target)) {
            return true;
        }
    }
    return false;
}

// Copies the whole of the file at path to fd.
int StreamFile(const std::string& path, int fd) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (file < 0) {
        return errno;
    }
    std::string buffer(65536, '\0');
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(file, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        error = WriteAll(fd, buffer.substr(0, static_cast<std::size_t>(got)));
        if (error != 0) {
            break;
        }
    }
    ::close(file);
    return error;
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

FileOutcome CopyDatabaseToDescriptor(const CSqliteConnection& connection, int fd) {
    if (!connection.IsOpen()) {
        return FileOutcome::System(ENOENT);
    }
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec) {
        folder = "/tmp";
    }
    std::string temporary = (folder / "morvint-backup-XXXXXX").string();
    const int made = ::mkstemp(temporary.data());
    if (made < 0) {
        return FileOutcome::System(errno);
    }
    ::close(made);
    int error = CopyDatabaseInto(connection, temporary);
    if (error == 0) {
        error = StreamFile(temporary, fd);
    }
    ::unlink(temporary.c_str());
    return error == 0 ? FileOutcome{} : FileOutcome::System(error);
}

ProtectedFile ProtectionOf(const std::string& databasePath, const std::string& target) {
    if (databasePath.empty() || target.empty()) {
        return ProtectedFile::none;
    }
    struct stat targetInfo {};
    const bool exists = StatOf(target, targetInfo);
    struct stat targetFolder {};
    const bool hasFolder = StatOf(FolderOf(exists ? Resolved(target) : target), targetFolder);
    // SQLite names the journal after the database behind any links; the safety copies go beside the name
    // the program was given.
    for (const std::string& database : {databasePath, Resolved(databasePath)}) {
        std::vector<std::pair<std::string, ProtectedFile>> names = {{database, ProtectedFile::database}};
        for (const char* suffix : kCompanionSuffixes) {
            names.emplace_back(database + suffix, ProtectedFile::companion);
        }
        for (const auto& [name, kind] : names) {
            struct stat info {};
            if (exists ? StatOf(name, info) && SameFile(info, targetInfo)
                       : hasFolder && WouldBe(target, targetFolder, name)) {
                return kind;
            }
        }
        const std::string copies = SafetyCopyFolder(database);
        struct stat copiesInfo {};
        if (StatOf(copies, copiesInfo) && ((hasFolder && SameFile(copiesInfo, targetFolder)) ||
                                           (exists && HoldsFile(copies, targetInfo)))) {
            return ProtectedFile::safetyCopy;
        }
    }
    return ProtectedFile::none;
}
