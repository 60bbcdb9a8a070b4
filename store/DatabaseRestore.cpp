// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseRestore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unordered_set>

#include "core/Utf8Text.h"
#include "store/CHistoryRowReader.h"
#include "store/CSqliteConnection.h"
#include "store/CSqliteStatement.h"
#include "store/DatabaseBackup.h"
#include "store/DatabaseSchema.h"
#include "store/HistoryRecord.h"

namespace {

constexpr std::array<const char*, 4> kPlayerColumns = {"name", "sex", "shuxiang", "yunqi"};

// The columns of a history row (kHistoryColumnNames, in that order), then the archive's two of its own.
enum RowColumn {
    recordOrder,
    recordDate,
    openOrder,
    data1,
    openData = data1 + 8,
    isRight,
    archiveOrder,
    archivedAt
};
constexpr int kHistoryColumns = isRight + 1;
constexpr int kArchiveColumns = archivedAt + 1;
using RowIndex = std::array<int, kArchiveColumns>;

constexpr const char* kInsertPlayer =
    "INSERT INTO player (name, sex, shuxiang, yunqi) VALUES (?1, ?2, ?3, ?4)";
constexpr const char* kInsertHistory =
    "INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
    "data_5, data_6, data_7, data_8, open_data, is_right) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)";
constexpr const char* kInsertArchive =
    "INSERT INTO data_archive (record_order, record_date, open_order, data_1, data_2, data_3, data_4, "
    "data_5, data_6, data_7, data_8, open_data, is_right, archive_order, archived_at) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)";

BackupCheck Refused(BackupRefusal refusal, int error = 0) {
    BackupCheck check;
    check.refusal = refusal;
    check.error = error;
    return check;
}

BackupCheck BadValue(BackupTable table, std::int64_t row, const char* column) {
    BackupCheck check = Refused(BackupRefusal::badValue);
    check.table = table;
    check.row = row;
    check.column = column;
    return check;
}

// SQLite's URI of a file: every byte but the plain ones percent-encoded, so that a "?", "#" or "%" in a
// folder's name stays part of the path. The path is made absolute first, and "file://" with an empty
// authority keeps a path that starts with "//" from being read as a host.
std::string UriOfPath(const std::string& path, const char* parameters) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string full = ec ? path : absolute.string();
    std::string uri = "file://";
    constexpr const char* kHex = "0123456789ABCDEF";
    for (const char c : full) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x80 && std::isalnum(byte) != 0) || (c != '\0' && std::strchr("/-._~", c) != nullptr)) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri + "?" + parameters;
}

// What a failed read of the backup means: another program holding the file while it commits, or a journal
// left by one that was cut off in the middle of a write (which only a writer may roll back), is a file being
// written; anything else is a file that is not a sound database.
BackupRefusal ReadFailure(const CSqliteConnection& db) {
    const int code = db.LastError();
    // A read-only connection reports SQLITE_READONLY_ROLLBACK (or _RECOVERY, _CANTINIT for a WAL) when the
    // file needs a writer to make it whole first.
    const int primary = code & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED ||
        (primary == SQLITE_READONLY && code != SQLITE_READONLY)) {
        return BackupRefusal::busy;
    }
    return code == SQLITE_NOTADB ? BackupRefusal::notADatabase : BackupRefusal::damaged;
}

bool IsFileWithContent(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && info.st_size > 0;
}

// Opens the backup so that nothing is written beside it. A file in rollback mode is opened read-only with
// locks, so a writer in the middle of a commit is waited for (and then reported) rather than read half-done.
// A file in WAL mode would have a read-only connection create its -wal and -shm files (and fail where it
// cannot, as on a read-only mount); without a WAL of its own such a file holds everything in itself and is
// read as immutable. One whose WAL holds changes is in use by a program now (or was left so); it is read as
// that program's readers read it when its shared memory is there, and refused as busy otherwise.
BackupCheck OpenBackup(const std::string& path, CSqliteConnection& db) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Refused(BackupRefusal::unreadable, errno);
    }
    std::array<unsigned char, 100> header{};
    const ssize_t got = ::read(fd, header.data(), header.size());
    ::close(fd);
    constexpr char kMagic[] = "SQLite format 3";  // with its NUL: 16 bytes
    if (got != static_cast<ssize_t>(header.size()) ||
        std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
        return Refused(BackupRefusal::notADatabase);
    }
    const bool wal = header[18] == 2 || header[19] == 2;
    const char* how = "mode=ro";
    if (wal && !IsFileWithContent(path + "-wal")) {
        how = "immutable=1";
    } else if (wal && !IsFileWithContent(path + "-shm")) {
        return Refused(BackupRefusal::busy);
    }
    if (!db.OpenReadOnlyUri(UriOfPath(path, how))) {
        return Refused(BackupRefusal::notADatabase);
    }
    CSqliteStatement probe(db, "SELECT count(*) FROM sqlite_master");
    if (!probe.IsPrepared() || probe.Step() != CSqliteStatement::StepResult::row) {
        return Refused(ReadFailure(db));
    }
    return {};
}

bool FirstText(const CSqliteConnection& db, const char* sql, std::string& text) {
    CSqliteStatement query(db, sql);
    return query.IsPrepared() && query.Step() == CSqliteStatement::StepResult::row &&
           query.Column(0).ToText(text);
}

// A table (not a view) with at least these columns.
template <std::size_t N>
bool IsTableWith(const CSqliteConnection& db, const char* table, const std::array<const char*, N>& columns) {
    CSqliteStatement type(db, "SELECT type FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    std::string found;
    if (!type.BindText(1, table) || type.Step() != CSqliteStatement::StepResult::row ||
        !type.Column(0).ToText(found) || found != "table") {
        return false;
    }
    CSqliteStatement select(db, (std::string("SELECT * FROM ") + table + " LIMIT 0").c_str());
    return std::ranges::all_of(columns,
                               [&select](const char* column) { return select.ColumnIndex(column) >= 0; });
}

bool HasTable(const CSqliteConnection& db, const char* table) {
    CSqliteStatement type(db, "SELECT count(*) FROM sqlite_master WHERE name = ?1 COLLATE NOCASE");
    std::string count;
    return type.BindText(1, table) && type.Step() == CSqliteStatement::StepResult::row &&
           type.Column(0).ToText(count) && count != "0";
}

bool IsUtf8Text(const CColumnValue& value) {
    std::string text;
    return value.IsText() && value.ToText(text) && IsValidUtf8(text);
}

bool IsIntegerIn(const CColumnValue& value, std::int64_t low, std::int64_t high) {
    std::int64_t number = 0;
    return value.IsInteger() && value.ToInteger(number) && number >= low && number <= high;
}

bool IsDate(const CColumnValue& value) {
    COleDateTime date;
    return value.IsText() && value.ToDate(date);
}

// The first column of a history or archive row that holds what the program never writes there, or nullptr.
// An archived record always has its result.
const char* FirstBadColumn(const CSqliteStatement& row, const RowIndex& index, bool archived) {
    if (!IsIntegerIn(row.Column(index[recordOrder]), 1, HISTORY_SLOTS - 1)) {
        return "record_order";
    }
    if (!IsDate(row.Column(index[recordDate]))) {
        return "record_date";
    }
    for (int column = openOrder; column <= openData; ++column) {
        if (!IsUtf8Text(row.Column(index[column]))) {
            return kHistoryColumnNames[static_cast<std::size_t>(column)];
        }
    }
    const CColumnValue result = row.Column(index[isRight]);
    if (!IsIntegerIn(result, 0, 8) && (archived || !IsIntegerIn(result, 11, 11))) {
        return "is_right";
    }
    if (archived && !IsIntegerIn(row.Column(index[archiveOrder]), 1, INT64_MAX)) {
        return "archive_order";
    }
    if (archived && !IsDate(row.Column(index[archivedAt]))) {
        return "archived_at";
    }
    return nullptr;
}

BackupCheck Numbering(BackupRefusal refusal, BackupTable table, const char* column, std::int64_t number) {
    BackupCheck check = Refused(refusal);
    check.table = table;
    check.column = column;
    check.number = number;
    return check;
}

// Numbers 1, 2, 3 ... each once. A repeat is found as the rows come (the new database's own key would refuse
// it), a gap once all are there.
class CNumbering {
public:
    CNumbering(BackupTable numbered, const char* numberColumn) : table(numbered), column(numberColumn) {}

    bool Add(std::int64_t number) { return seen.insert(number).second; }
    BackupCheck Repeated(std::int64_t number) const {
        return Numbering(BackupRefusal::repeatedNumber, table, column, number);
    }
    BackupCheck FirstGap() const {
        for (std::int64_t number = 1; number <= static_cast<std::int64_t>(seen.size()); ++number) {
            if (!seen.contains(number)) {
                return Numbering(BackupRefusal::missingNumber, table, column, number);
            }
        }
        return {};
    }

private:
    BackupTable table;
    const char* column;
    std::unordered_set<std::int64_t> seen;
};

// The new database a restore puts in place: the program's own tables, in memory, filled in one transaction
// with the rows the check let through, in the page size of the database it will replace (which a file in
// WAL mode requires of a backup into it).
class CRestoredDatabase {
public:
    bool Begin(int pageSize, bool withArchive) {
        const std::string pageSizeSql = "PRAGMA page_size = " + std::to_string(pageSize);
        if (!db.OpenOrCreate(":memory:") || !db.Execute(pageSizeSql.c_str()) || !db.Execute("BEGIN") ||
            !db.Execute(kCreatePlayerAndHistory) ||
            (withArchive && (!db.Execute(kCreateArchive) || !db.Execute(kArchiveLayout)))) {
            return false;
        }
        player = std::make_unique<CSqliteStatement>(db, kInsertPlayer);
        history = std::make_unique<CSqliteStatement>(db, kInsertHistory);
        if (withArchive) {
            archive = std::make_unique<CSqliteStatement>(db, kInsertArchive);
        }
        return player->IsPrepared() && history->IsPrepared() && (!withArchive || archive->IsPrepared());
    }

    bool AddPlayer(const std::array<std::string, 4>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!player->BindText(static_cast<int>(i) + 1, fields[i])) {
                return false;
            }
        }
        return Run(*player);
    }

    // The record as the program's reader read it, written back as the program writes it.
    bool AddRecord(const HistoryRecord& record, const ArchivedRecord* archived) {
        if (archived != nullptr && archive == nullptr) {
            return false;
        }
        CSqliteStatement& insert = archived != nullptr ? *archive : *history;
        bool bound = insert.BindInteger(1, record.record_order) &&
                     insert.BindText(2, CColumnValue::FormatDate(record.record_date)) &&
                     insert.BindText(3, record.open_order);
        for (std::size_t code = 0; code < record.data.size(); ++code) {
            bound = bound && insert.BindText(4 + static_cast<int>(code), record.data[code]);
        }
        bound = bound && insert.BindText(12, record.open_data) && insert.BindInteger(13, record.is_right);
        if (archived != nullptr) {
            bound = bound && insert.BindInteger(14, archived->archiveOrder) &&
                    insert.BindText(15, archived->archivedAt);
        }
        return bound && Run(insert);
    }

    bool Commit() {
        player.reset();
        history.reset();
        archive.reset();
        return db.Execute("COMMIT");
    }

    const CSqliteConnection& Connection() const { return db; }

private:
    static bool Run(CSqliteStatement& insert) {
        return insert.Step() == CSqliteStatement::StepResult::done && insert.Reset();
    }

    CSqliteConnection db;
    std::unique_ptr<CSqliteStatement> player;
    std::unique_ptr<CSqliteStatement> history;
    std::unique_ptr<CSqliteStatement> archive;
};

// Reads and checks the rows of an opened backup, handing each sound one to target when there is one. A
// failure to write into target counts as a failed read of the backup: it cannot be restored.
class CBackupRows {
public:
    CBackupRows(const CSqliteConnection& backup, CRestoredDatabase* restored)
        : source(backup), target(restored) {}

    BackupCheck Read(int layoutVersion, int pageSize) {
        std::string text;
        if (!FirstText(source, "PRAGMA integrity_check", text)) {
            return Refused(ReadFailure(source));
        }
        if (text != "ok") {
            return Refused(BackupRefusal::damaged);
        }
        if (!FirstText(source, "PRAGMA user_version", text)) {
            return Refused(ReadFailure(source));
        }
        if (std::stoll("0" + text.substr(0, 18)) > layoutVersion) {
            return Refused(BackupRefusal::newerLayout);
        }
        std::array<const char*, kArchiveColumns> archiveColumns{};
        std::copy(kHistoryColumnNames.begin(), kHistoryColumnNames.end(), archiveColumns.begin());
        archiveColumns[archiveOrder] = "archive_order";
        archiveColumns[archivedAt] = "archived_at";
        const bool hasArchive = HasTable(source, "data_archive");
        if (!IsTableWith(source, "player", kPlayerColumns) ||
            !IsTableWith(source, "data_history", kHistoryColumnNames) ||
            (hasArchive && !IsTableWith(source, "data_archive", archiveColumns))) {
            return Refused(BackupRefusal::notOurs);
        }
        if (target != nullptr && !target->Begin(pageSize, hasArchive)) {
            return Refused(BackupRefusal::damaged);
        }
        BackupCheck check = ReadPlayer();
        if (check.Ok()) {
            check = ReadRecords(BackupTable::history, "SELECT * FROM data_history");
        }
        if (check.Ok() && hasArchive) {
            check = ReadRecords(BackupTable::archive, "SELECT * FROM data_archive");
        }
        if (check.Ok() && target != nullptr && !target->Commit()) {
            return Refused(BackupRefusal::damaged);
        }
        return check;
    }

private:
    // The first row, the one the program reads; the others it never shows and a restore leaves out.
    BackupCheck ReadPlayer() {
        CSqliteStatement select(source, "SELECT * FROM player");
        const CSqliteStatement::StepResult step = select.Step();
        if (step != CSqliteStatement::StepResult::row) {
            return Refused(step == CSqliteStatement::StepResult::done ? BackupRefusal::noPlayer
                                                                      : ReadFailure(source));
        }
        std::array<std::string, 4> fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const CColumnValue value = select.Column(select.ColumnIndex(kPlayerColumns[i]));
            if (!IsUtf8Text(value) || !value.ToText(fields[i])) {
                return BadValue(BackupTable::player, 1, kPlayerColumns[i]);
            }
        }
        if (target != nullptr && !target->AddPlayer(fields)) {
            return Refused(BackupRefusal::damaged);
        }
        return {};
    }

    BackupCheck ReadRecords(BackupTable table, const char* sql) {
        const bool archived = table == BackupTable::archive;
        CSqliteStatement select(source, sql);
        const CHistoryRowReader reader(select);
        RowIndex index{};
        index.fill(-1);
        for (int column = 0; column < kHistoryColumns; ++column) {
            index[column] = select.ColumnIndex(kHistoryColumnNames[static_cast<std::size_t>(column)]);
        }
        index[archiveOrder] = select.ColumnIndex("archive_order");
        index[archivedAt] = select.ColumnIndex("archived_at");
        CNumbering numbers(table, archived ? "archive_order" : "record_order");
        for (std::int64_t row = 1;; ++row) {
            const CSqliteStatement::StepResult step = select.Step();
            if (step == CSqliteStatement::StepResult::done) {
                break;
            }
            if (step == CSqliteStatement::StepResult::error) {
                return Refused(ReadFailure(source));
            }
            if (const char* bad = FirstBadColumn(select, index, archived); bad != nullptr) {
                return BadValue(table, row, bad);
            }
            ArchivedRecord record;
            int order = 0;
            if (!reader.ReadOrder(order) || !reader.ReadRow(order, record.record) ||
                (archived && (!select.Column(index[archiveOrder]).ToInteger(record.archiveOrder) ||
                              !select.Column(index[archivedAt]).ToText(record.archivedAt)))) {
                return BadValue(table, row,
                                "record_order");  // the checks above let through only what it reads
            }
            const std::int64_t number = archived ? record.archiveOrder : record.record.record_order;
            if (!numbers.Add(number)) {
                return numbers.Repeated(number);
            }
            if (target != nullptr && !target->AddRecord(record.record, archived ? &record : nullptr)) {
                return Refused(BackupRefusal::damaged);
            }
        }
        return numbers.FirstGap();
    }

    const CSqliteConnection& source;
    CRestoredDatabase* target;
};

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return !b.empty() && ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

BackupCheck ReadBackup(const std::string& path, int layoutVersion, const std::string& databasePath,
                       CRestoredDatabase* target, int pageSize) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return Refused(BackupRefusal::unreadable, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(BackupRefusal::notRegular);  // SQLite's open of a pipe would wait for a writer
    }
    if (IsSameFile(path, databasePath)) {
        return Refused(BackupRefusal::isTheDatabase);
    }
    CSqliteConnection source;
    if (BackupCheck opened = OpenBackup(path, source); !opened.Ok()) {
        return opened;
    }
    return CBackupRows(source, target).Read(layoutVersion, pageSize);
}

int PageSize(const CSqliteConnection& connection) {
    std::string text;
    if (!FirstText(connection, "PRAGMA page_size", text)) {
        return 4096;
    }
    const int size = std::atoi(text.c_str());
    return size > 0 ? size : 4096;
}

// A database that an earlier restore left in WAL mode goes back to the rollback journal the program uses;
// while another copy has it open it stays as it is, and the backup into it keeps its mode. The file is read
// first: a connection learns the file's mode from its header, and until then it would change only its own
// idea of the mode, and the backup would find WAL in the header again.
void UseRollbackJournal(CSqliteConnection& connection) {
    std::string tables;
    if (FirstText(connection, "SELECT count(*) FROM sqlite_master", tables)) {
        connection.Execute("PRAGMA journal_mode = DELETE");
    }
}

}  // namespace

BackupCheck CheckBackup(const std::string& path, int layoutVersion, const std::string& databasePath) {
    return ReadBackup(path, layoutVersion, databasePath, nullptr, 0);
}

RestoreOutcome RestoreDatabase(CSqliteConnection& connection, const std::string& path, int layoutVersion,
                               const std::function<bool()>& beforeReplace) {
    RestoreOutcome outcome;
    if (!connection.IsOpen()) {
        outcome.error = EIO;
        return outcome;
    }
    CRestoredDatabase restored;
    outcome.check = ReadBackup(path, layoutVersion, connection.FilePath(), &restored, PageSize(connection));
    outcome.notReady = outcome.check.Ok() && beforeReplace && !beforeReplace();
    if (outcome.check.Ok() && !outcome.notReady) {
        UseRollbackJournal(connection);
        outcome.error = ReplaceDatabase(connection, restored.Connection());
    }
    return outcome;
}
