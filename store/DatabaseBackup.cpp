#include "store/DatabaseBackup.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>
#include <utility>
#include <vector>

#include "core/Clock.h"
#include "store/CHistoryRowReader.h"
#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"

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
    return ReplaceRegularFile(path, [&connection](const std::string& newFile) {
        CSqliteConnection copy;
        if (!copy.OpenOrCreate(newFile)) {
            return EIO;
        }
        return Backup(copy.Handle(), connection.Handle());
    });
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
    int error = 0;
    {
        CSqliteConnection copy;
        error = copy.OpenOrCreate(temporary) ? Backup(copy.Handle(), connection.Handle()) : EIO;
    }
    if (error == 0) {
        error = StreamFile(temporary, fd);
    }
    ::unlink(temporary.c_str());
    ::unlink((temporary + "-journal").c_str());
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
