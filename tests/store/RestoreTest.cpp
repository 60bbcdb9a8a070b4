// SPDX-License-Identifier: GPL-3.0-or-later
// A restore takes a backup's rows, never its schema: triggers, views, extra tables and the journal mode of a
// backup never reach the database; a row the program would not have written is refused by table, row and
// column before anything changes; the backup is only read, with nothing written beside it; and the database
// itself or a file another program is writing is refused in words of its own.
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseRestore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/StoreRecords.h"
#include "tests/support/TestDatabase.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// The journal-mode bytes of a database file's header: 1 1 for a rollback journal, 2 2 for WAL.
std::string JournalBytes(const fs::path& path) {
    const std::string header = Bytes(path).substr(18, 2);
    return std::to_string(header[0]) + " " + std::to_string(header[1]);
}

// The schema a database of this program has, and nothing else.
const TextRows kProgramSchema = {{"table", "data_archive"},
                                 {"table", "data_history"},
                                 {"table", "player"},
                                 {"index", "sqlite_autoindex_data_history_1"}};
constexpr const char* kSchema = "SELECT type, name FROM sqlite_master ORDER BY type DESC, name";

// Three records (the first with its result) and two archived ones, backed up into good.db; the database is
// then emptied, so that what a restore brings in is seen.
class RestoreTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenWithHistoryAndArchive(store));
        good = dir / "good.db";
        ASSERT_TRUE(store.BackupTo(good.string()).Ok());
        Sql("DELETE FROM data_history; DELETE FROM data_archive; UPDATE player SET name = '李明'");
        store.LoadPlayer();
        store.LoadHistory();
    }

    // A copy of good.db under name, changed by sql.
    fs::path Backup(const std::string& name, const std::string& sql = {}) const {
        const fs::path copy = dir / name;
        fs::create_directories(copy.parent_path());
        fs::copy_file(good, copy);
        if (!sql.empty()) {
            RunSql(copy.string(), sql);
        }
        return copy;
    }

    BackupCheck Check(const fs::path& file) const {
        return CheckBackup(file.string(), CPredictStore::kLayoutVersion, dbPath);
    }

    // The database as it was restored from good.db.
    void ExpectGoodRestored() {
        EXPECT_EQ(store.HistoryCount(), 3);
        EXPECT_EQ(store.Player().name, "新玩家");
        EXPECT_EQ(Rows("SELECT count(*) FROM data_archive"), (TextRows{{"2"}}));
        EXPECT_EQ(Rows("PRAGMA integrity_check"), (TextRows{{"ok"}}));
        EXPECT_EQ(Rows(kSchema), kProgramSchema);
    }

    CPredictStore store;
    fs::path good;
};

// A backup that carries a trigger, a view, a table, an index and pragmas of its own: only its rows come in,
// so the next ordinary save (a draw result entered) neither empties the archive nor renames the player.
TEST_F(RestoreTest, OnlyTheBackupsRowsComeInNeverItsSchema) {
    const fs::path evil =
        Backup("evil.db",
               "CREATE TRIGGER wipe AFTER UPDATE ON data_history BEGIN DELETE FROM data_archive; "
               "UPDATE player SET name = 'PWNED'; END;"
               "CREATE VIEW everything AS SELECT * FROM data_history;"
               "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('x');"
               "CREATE INDEX by_issue ON data_history (open_order);"
               "PRAGMA application_id = 42;");
    ASSERT_EQ(Check(evil).refusal, BackupRefusal::none);

    ASSERT_TRUE(store.RestoreFrom(evil.string()));

    ExpectGoodRestored();
    EXPECT_EQ(Rows("PRAGMA application_id"), (TextRows{{"0"}}));
    EXPECT_EQ(Rows("PRAGMA user_version"), (TextRows{{"1"}}));
    ASSERT_TRUE(EnterResult(store, 2, "123"));
    EXPECT_EQ(Rows("SELECT count(*) FROM data_archive"), (TextRows{{"2"}}));
    EXPECT_EQ(Rows("SELECT name FROM player"), (TextRows{{"新玩家"}}));
    EXPECT_TRUE(messages.empty());
}

// What a restore builds is the rows as the program reads them: the history, the archive with its numbers and
// times, the first player row (a second one is never read, so it does not come along).
TEST_F(RestoreTest, TheRowsComeInAsTheProgramReadsThem) {
    const fs::path twoPlayers = Backup("two.db", "INSERT INTO player VALUES ('第二', '女士', '虎', 'empty')");
    const TextRows history = HistoryRows(good.string());
    const std::string archiveSql = "SELECT * FROM data_archive ORDER BY archive_order";
    const TextRows archive = RowsAsText(good.string(), archiveSql);

    ASSERT_TRUE(store.RestoreFrom(twoPlayers.string()));

    EXPECT_EQ(HistoryRows(dbPath), history);
    EXPECT_EQ(Rows(archiveSql), archive);
    EXPECT_EQ(Rows("SELECT * FROM player"), (TextRows{{"新玩家", "先生", "龙", "empty"}}));
}

struct BadBackup {
    const char* what;
    const char* sql;
    BackupRefusal refusal;
    BackupTable table = BackupTable::history;
    std::int64_t row = 0;
    const char* column = "";
    std::int64_t number = 0;
};

// The table without its types and constraints, so that it can hold what the program's own never could.
#define MORVINT_LOOSE(table, columns)                                                                \
    "CREATE TABLE loose (" columns "); INSERT INTO loose SELECT * FROM " table "; DROP TABLE " table \
    "; ALTER TABLE loose RENAME TO " table "; "
#define MORVINT_RECORD_COLUMNS                                                                        \
    "record_order, record_date, open_order, data_1, data_2, data_3, data_4, data_5, data_6, data_7, " \
    "data_8, "                                                                                        \
    "open_data, is_right"
#define MORVINT_LOOSE_HISTORY MORVINT_LOOSE("data_history", MORVINT_RECORD_COLUMNS)
#define MORVINT_LOOSE_ARCHIVE \
    MORVINT_LOOSE("data_archive", "archive_order, " MORVINT_RECORD_COLUMNS ", archived_at")

const BadBackup kBadBackups[] = {
    {"text in is_right", "UPDATE data_history SET is_right = 'x' WHERE record_order = 2",
     BackupRefusal::badValue, BackupTable::history, 2, "is_right"},
    {"is_right out of range", "UPDATE data_history SET is_right = 9 WHERE record_order = 3",
     BackupRefusal::badValue, BackupTable::history, 3, "is_right"},
    {"a record number that is text", "UPDATE data_history SET record_order = 'x7' WHERE record_order = 3",
     BackupRefusal::badValue, BackupTable::history, 3, "record_order"},
    {"a record number past the slots", "UPDATE data_history SET record_order = 65537 WHERE record_order = 1",
     BackupRefusal::badValue, BackupTable::history, 1, "record_order"},
    {"NULL", "UPDATE data_history SET open_data = NULL WHERE record_order = 1", BackupRefusal::badValue,
     BackupTable::history, 1, "open_data"},
    {"a blob", "UPDATE data_history SET data_3 = X'00FF' WHERE record_order = 2", BackupRefusal::badValue,
     BackupTable::history, 2, "data_3"},
    {"a number where text belongs", MORVINT_LOOSE_HISTORY "UPDATE data_history SET open_order = 7",
     BackupRefusal::badValue, BackupTable::history, 1, "open_order"},
    {"text that is no UTF-8", "UPDATE data_history SET data_8 = CAST(X'C0AF' AS TEXT) WHERE record_order = 1",
     BackupRefusal::badValue, BackupTable::history, 1, "data_8"},
    {"no such day", "UPDATE data_history SET record_date = '2009-02-30 10:00:00' WHERE record_order = 2",
     BackupRefusal::badValue, BackupTable::history, 2, "record_date"},
    {"a gap in the numbers", "DELETE FROM data_history WHERE record_order = 2", BackupRefusal::missingNumber,
     BackupTable::history, 0, "record_order", 2},
    {"a repeated number", MORVINT_LOOSE_HISTORY "UPDATE data_history SET record_order = 1",
     BackupRefusal::repeatedNumber, BackupTable::history, 0, "record_order", 1},
    {"a view for the history",
     "ALTER TABLE data_history RENAME TO hidden; CREATE VIEW data_history AS SELECT * FROM hidden",
     BackupRefusal::notOurs},
    {"an archive without its key", MORVINT_LOOSE_ARCHIVE "UPDATE data_archive SET archive_order = 1",
     BackupRefusal::repeatedNumber, BackupTable::archive, 0, "archive_order", 1},
    {"an archive number that is NULL",
     MORVINT_LOOSE_ARCHIVE "UPDATE data_archive SET archive_order = NULL WHERE archive_order = 2",
     BackupRefusal::badValue, BackupTable::archive, 2, "archive_order"},
    {"a gap in the archive", "UPDATE data_archive SET archive_order = 5 WHERE archive_order = 2",
     BackupRefusal::missingNumber, BackupTable::archive, 0, "archive_order", 2},
    {"an archived record without its result", "UPDATE data_archive SET is_right = 11 WHERE archive_order = 1",
     BackupRefusal::badValue, BackupTable::archive, 1, "is_right"},
    {"no archiving time", "UPDATE data_archive SET archived_at = 'yesterday' WHERE archive_order = 2",
     BackupRefusal::badValue, BackupTable::archive, 2, "archived_at"},
    {"a player's field that is a blob", "UPDATE player SET sex = X'01'", BackupRefusal::badValue,
     BackupTable::player, 1, "sex"},
    {"no player", "DELETE FROM player", BackupRefusal::noPlayer},
    {"a later layout", "PRAGMA user_version = 2", BackupRefusal::newerLayout},
};

// Each is refused by the check, and by the restore itself, naming the first thing wrong; the database keeps
// what it had.
TEST_F(RestoreTest, ARowTheProgramWouldNotHaveWrittenIsRefusedByWhereItIs) {
    const TextRows before = HistoryRows(dbPath);
    for (const BadBackup& bad : kBadBackups) {
        SCOPED_TRACE(bad.what);
        const fs::path file = Backup(std::string(bad.what) + ".db", bad.sql);
        for (const BackupCheck& check : {Check(file), store.RestoreFrom(file.string()).check}) {
            EXPECT_EQ(check.refusal, bad.refusal);
            if (bad.refusal == BackupRefusal::badValue || bad.refusal == BackupRefusal::repeatedNumber ||
                bad.refusal == BackupRefusal::missingNumber) {
                EXPECT_EQ(check.table, bad.table);
                EXPECT_EQ(check.row, bad.row);
                EXPECT_EQ(check.column, bad.column);
                EXPECT_EQ(check.number, bad.number);
            }
        }
        EXPECT_EQ(HistoryRows(dbPath), before);
        EXPECT_EQ(Rows("SELECT name FROM player"), (TextRows{{"李明"}}));
    }
    EXPECT_TRUE(messages.empty()) << "a refusal is the caller's to word";
}

// The layout before the archive (user_version 0, no data_archive) still restores, and stays that layout.
TEST_F(RestoreTest, ABackupWithoutAnArchiveRestores) {
    const fs::path old = dir / "old.db";
    ASSERT_TRUE(WriteFreshDatabase(old.string()));
    RunSql(old.string(), InsertHistorySql({HistoryRowSql{.order = 2}, HistoryRowSql{.order = 1}}));

    ASSERT_TRUE(store.RestoreFrom(old.string()));

    EXPECT_EQ(store.HistoryCount(), 2);
    EXPECT_EQ(Rows("PRAGMA user_version"), (TextRows{{"0"}}));
    EXPECT_EQ(Rows("SELECT count(*) FROM sqlite_master WHERE name = 'data_archive'"), (TextRows{{"0"}}));
}

// A backup in WAL mode, in a folder whose name needs escaping in a URI: read without a file written beside
// it, restored into a database that keeps its rollback journal (and one that an earlier restore left in WAL
// mode gets it back).
TEST_F(RestoreTest, AWalBackupIsOnlyReadAndTheDatabaseKeepsItsJournal) {
    const fs::path wal = Backup("a?b#c%41 备份/wal.db", "PRAGMA journal_mode = WAL");
    ASSERT_EQ(JournalBytes(wal), "2 2");
    const std::vector<std::string> files = FilesIn(wal.parent_path());
    Sql("PRAGMA journal_mode = WAL");
    ASSERT_EQ(JournalBytes(dbPath), "2 2");

    EXPECT_EQ(Check(wal).refusal, BackupRefusal::none);
    ASSERT_TRUE(store.RestoreFrom(wal.string()));

    ExpectGoodRestored();
    EXPECT_EQ(FilesIn(wal.parent_path()), files) << "no -wal or -shm beside the backup";
    EXPECT_EQ(JournalBytes(dbPath), "1 1");
    EXPECT_EQ(Rows("PRAGMA journal_mode"), (TextRows{{"delete"}}));
}

// A WAL database in use, whose last changes are still in its WAL: a restore reads them too.
TEST_F(RestoreTest, AWalBackupInUseIsReadWithItsLatestChanges) {
    const fs::path wal = Backup("live.db", "PRAGMA journal_mode = WAL");
    CSqliteConnection writer;
    ASSERT_TRUE(writer.OpenExisting(wal.string()));
    ASSERT_TRUE(writer.Execute("PRAGMA wal_autocheckpoint = 0; UPDATE player SET name = '王五'"));
    ASSERT_GT(fs::file_size(wal.string() + "-wal"), 0u);

    ASSERT_TRUE(store.RestoreFrom(wal.string()));

    EXPECT_EQ(store.Player().name, "王五");
    EXPECT_EQ(JournalBytes(dbPath), "1 1");
}

// The database itself, by its own name or another link to it, is refused at once; a file left half-written
// by a program cut off in the middle of a commit (its journal still beside it) is refused as being written,
// and left as it was, journal included.
TEST_F(RestoreTest, TheDatabaseItselfAndAHalfWrittenFileAreRefusedInTheirOwnWords) {
    EXPECT_EQ(store.RestoreFrom(dbPath).check.refusal, BackupRefusal::isTheDatabase);
    const fs::path link = dir / "link.db";
    fs::create_hard_link(dbPath, link);
    EXPECT_EQ(Check(link).refusal, BackupRefusal::isTheDatabase);

    const fs::path source = Backup("writing.db");
    const fs::path halfWritten = dir / "half.db";
    {
        CSqliteConnection writer;
        ASSERT_TRUE(writer.OpenExisting(source.string()));
        // A cache of two pages spills the transaction into the file long before it commits.
        ASSERT_TRUE(
            writer.Execute("PRAGMA cache_size = 2; BEGIN; CREATE TABLE filler (x); INSERT INTO filler "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                           "SELECT randomblob(3000) FROM n"));
        ASSERT_TRUE(fs::exists(source.string() + "-journal"));
        fs::copy_file(source, halfWritten);
        fs::copy_file(source.string() + "-journal", halfWritten.string() + "-journal");
    }
    const std::string bytes = Bytes(halfWritten);
    const std::string journal = Bytes(halfWritten.string() + "-journal");

    EXPECT_EQ(Check(halfWritten).refusal, BackupRefusal::busy);
    EXPECT_EQ(store.RestoreFrom(halfWritten.string()).check.refusal, BackupRefusal::busy);

    EXPECT_EQ(Bytes(halfWritten), bytes);
    EXPECT_EQ(Bytes(halfWritten.string() + "-journal"), journal);
    EXPECT_EQ(store.HistoryCount(), 0);
}

}  // namespace
