// SPDX-License-Identifier: GPL-3.0-or-later
// Copies of the whole database: a backup holds every row, the safety copies stay ten deep, a file that is not
// a sound backup of ours is refused before anything changes, and a restore brings the backup in whole, where
// another running copy sees it.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "store/CSqliteConnection.h"
#include "store/DatabaseBackup.h"
#include "store/DatabaseRestore.h"
#include "store/SafetyCopy.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TestDatabase.h"

namespace fs = std::filesystem;

namespace {

using Strings = std::vector<std::string>;

class BackupTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(OpenWithHistoryAndArchive(store));
    }
    BackupRefusal Check(const fs::path& file) const {
        return CheckBackup(file.string(), CPredictStore::kLayoutVersion).refusal;
    }

    CPredictStore store;
};

TEST_F(BackupTest, ABackupHoldsTheHistoryAndTheArchive) {
    const fs::path backup = dir / "备份.db";
    ASSERT_TRUE(store.BackupTo(backup.string()).Ok());

    EXPECT_EQ(Check(backup), BackupRefusal::none);
    EXPECT_EQ(RowsAsText(backup.string(), "SELECT open_order FROM data_history ORDER BY record_order"),
              (std::vector<Strings>{{"3"}, {"4"}, {"5"}}));
    EXPECT_EQ(RowsAsText(backup.string(), "SELECT open_order FROM data_archive ORDER BY archive_order"),
              (std::vector<Strings>{{"1"}, {"2"}}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2)
        << "the database and the backup, no leftovers";
}

// The names in the folder of the safety copies, in order.
std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// Names of numbered copies: format takes the number, then the rest that changes with it.
std::vector<std::string> Names(int from, int to, const char* format, int offset) {
    std::vector<std::string> names;
    for (int number = from; number <= to; ++number) {
        char name[80];
        std::snprintf(name, sizeof name, format, number, number + offset);
        names.push_back(name);
    }
    return names;
}

// One copy a second for fifteen seconds: the ten newest stay, and the player's own files there stay too.
TEST_F(BackupTest, TheSafetyCopiesAreKeptTenDeep) {
    FixedClock clock(2026, 12, 8, 9, 0, 0);
    std::vector<std::string> written;
    for (int copy = 0; copy < 15; ++copy) {
        std::string path;
        ASSERT_TRUE(store.WriteSafetyCopy(path).Ok());
        written.push_back(fs::path(path).filename().string());
        clock.Advance(1);
        if (copy == 0) {
            std::ofstream(dir / "backups" / "我的备份.db") << "kept";
        }
    }
    std::string twin;
    clock.Advance(-1);
    ASSERT_TRUE(store.WriteSafetyCopy(twin).Ok()) << "a second copy within one second gets a name of its own";
    EXPECT_EQ(fs::path(twin).filename().string(), "morvint-0016-2026-12-08-090014.db");

    const std::vector<std::string> kept = NamesIn(dir / "backups");
    EXPECT_EQ(written.front(), "morvint-0001-2026-12-08-090000.db");
    EXPECT_EQ(written.back(), "morvint-0015-2026-12-08-090014.db");
    EXPECT_EQ(kept.size(), 11u) << "ten copies and the player's file, no temporary file left";
    EXPECT_EQ(kept.front(), "morvint-0007-2026-12-08-090006.db");
    EXPECT_EQ(kept[9], "morvint-0016-2026-12-08-090014.db");
    EXPECT_EQ(kept.back(), "我的备份.db");
    EXPECT_EQ(fs::status(dir / "backups").permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(RowsAsText(twin, "SELECT count(*) FROM data_archive"), (std::vector<Strings>{{"2"}}));
}

// The copies' order is the one their numbers give: a clock put back a year and a half (or another time zone,
// which moves the time in the name alike) makes no new copy look older than the ones before it.
TEST_F(BackupTest, ANewSafetyCopyStaysWhateverTheClockSays) {
    FixedClock clock(2026, 12, 8, 9, 30, 15);
    std::string path;
    for (int copy = 0; copy < kSafetyCopiesKept; ++copy) {
        ASSERT_TRUE(store.WriteSafetyCopy(path).Ok());
        clock.Advance(60);
    }
    clock.Set(Clock::MakeLocalTime(2025, 6, 1));
    ASSERT_TRUE(store.WriteSafetyCopy(path).Ok());
    EXPECT_EQ(fs::path(path).filename().string(), "morvint-0011-2025-06-01-000000.db");
    EXPECT_TRUE(fs::exists(path)) << "the copy just taken is there";
    clock.Set(Clock::MakeLocalTime(2031, 1, 1));
    ASSERT_TRUE(store.WriteSafetyCopy(path).Ok());

    // Copy n was taken at 09:(29 + n):15.
    std::vector<std::string> expected = Names(3, 10, "morvint-%04d-2026-12-08-09%02d15.db", 29);
    expected.push_back("morvint-0011-2025-06-01-000000.db");
    expected.push_back("morvint-0012-2031-01-01-000000.db");
    std::ranges::sort(expected);
    EXPECT_EQ(NamesIn(dir / "backups"), expected) << "the two oldest went, by number";
}

// The folder is the player's too: only names the program gives its copies are pruned, the oldest first, those
// of earlier versions before any numbered one (even one dated in the future); a name of any other form is not
// a copy, whatever it looks like, and breaks nothing.
TEST_F(BackupTest, OnlyTheProgramsOwnCopiesArePrunedAndNoNameBreaksIt) {
    const fs::path backups = dir / "backups";
    fs::create_directory(backups);
    const std::vector<std::string> players = {
        "morvint-2019-05-05 important.db",
        "morvint-2020-01-01-my-own-copy.db",
        "morvint-2026-12-08-093015-old.db",
        "morvint-2026-12-08-093015-1.db",
        "morvint-2026-12-08-093015-007.db",
        "morvint-2026-13-08-093015.db",
        "morvint-2026-12-08-093015.db.bak",
        "morvint-00001-2026-12-08-093015.db",
        "morvint-99999999999999999999-2026-12-08-093015.db",
        "morvint-0x01-2026-12-08-093015.db",
        "morvint--2026-12-08-093015.db",
        "morvint-.db",
        "Morvint-0001-2026-12-08-093015.db",
    };
    for (const std::string& name : players) {
        std::ofstream(backups / name) << "the player's";
    }
    fs::create_directory(backups / "morvint-0001-2026-12-08-093015.db");
    fs::create_symlink(backups / players[0], backups / "morvint-0002-2026-12-08-093015.db");
    const std::vector<std::string> earlier = {"morvint-2099-01-01-000000.db", "morvint-2026-12-08-093015.db",
                                              "morvint-2026-12-08-093015-2.db"};
    for (const std::string& name : earlier) {
        std::ofstream(backups / name) << "an earlier version's copy";
    }

    FixedClock clock(2026, 12, 8, 9, 0, 0);
    std::string path;
    for (int copy = 1; copy <= 11; ++copy) {
        ASSERT_TRUE(store.WriteSafetyCopy(path).Ok()) << copy;
        clock.Advance(1);
        if (copy == 9) {
            EXPECT_TRUE(fs::exists(backups / earlier[0]))
                << "the future-dated copy is the last of the old ones";
            EXPECT_FALSE(fs::exists(backups / earlier[1]));
            EXPECT_FALSE(fs::exists(backups / earlier[2]));
        }
    }

    std::vector<std::string> expected = players;
    expected.push_back("morvint-0001-2026-12-08-093015.db");
    expected.push_back("morvint-0002-2026-12-08-093015.db");
    const std::vector<std::string> kept = Names(2, 11, "morvint-%04d-2026-12-08-0900%02d.db", -1);
    expected.insert(expected.end(), kept.begin(), kept.end());
    std::ranges::sort(expected);
    EXPECT_EQ(NamesIn(backups), expected);
    EXPECT_TRUE(fs::is_directory(backups / "morvint-0001-2026-12-08-093015.db"));
    EXPECT_EQ(Bytes(backups / "morvint-0002-2026-12-08-093015.db"), "the player's")
        << "the link and its file";
}

// Garbage, a copy cut short, another program's database, one of a later layout, one without a player, and a
// pipe: each is refused by the check, so a restore never starts.
TEST_F(BackupTest, OnlyASoundBackupOfOursPassesTheCheck) {
    const fs::path good = dir / "good.db";
    ASSERT_TRUE(store.BackupTo(good.string()).Ok());
    const std::string bytes = Bytes(good);

    const fs::path garbage = dir / "garbage.db";
    std::ofstream(garbage) << std::string(8192, 'x');
    EXPECT_EQ(Check(garbage), BackupRefusal::notADatabase);

    const fs::path cut = dir / "cut.db";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    EXPECT_NE(Check(cut), BackupRefusal::none);

    const fs::path other = dir / "other.db";
    {
        CSqliteConnection notes;
        ASSERT_TRUE(notes.OpenOrCreate(other.string()));
        ASSERT_TRUE(notes.Execute("CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('hello')"));
    }
    EXPECT_EQ(Check(other), BackupRefusal::notOurs);

    const fs::path newer = dir / "newer.db";
    fs::copy_file(good, newer);
    RunSql(newer.string(), "PRAGMA user_version = 2");
    EXPECT_EQ(Check(newer), BackupRefusal::newerLayout);

    const fs::path noPlayer = dir / "noplayer.db";
    fs::copy_file(good, noPlayer);
    RunSql(noPlayer.string(), "DELETE FROM player");
    EXPECT_EQ(Check(noPlayer), BackupRefusal::noPlayer);

    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Check(fifo), BackupRefusal::notRegular);
    EXPECT_EQ(Check(dir / "none.db"), BackupRefusal::unreadable);
    EXPECT_EQ(Check(good), BackupRefusal::none);
}

// The backup comes in whole; another copy of the program on the same file sees it at its next refresh.
TEST_F(BackupTest, ARestoreBringsTheBackupInAndAnotherCopySeesIt) {
    const fs::path backup = dir / "backup.db";
    ASSERT_TRUE(store.BackupTo(backup.string()).Ok());
    CPredictStore other;
    EXPECT_EQ(other.OpenDatabase(dbPath), OpenOutcome::opened);
    other.LoadHistory();
    Sql("DELETE FROM data_history; DELETE FROM data_archive; UPDATE player SET name = '李明'");
    store.LoadHistory();
    other.RefreshIfChanged();
    ASSERT_EQ(other.HistoryCount(), 0);

    ASSERT_TRUE(store.RestoreFrom(backup.string()));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.HistoryCount(), 3);
    EXPECT_EQ(store.Player().name, "新玩家");
    EXPECT_EQ(Rows("SELECT count(*) FROM data_archive"), (std::vector<Strings>{{"2"}}));
    EXPECT_EQ(Rows("PRAGMA integrity_check"), (std::vector<Strings>{{"ok"}}));
    EXPECT_TRUE(other.RefreshIfChanged());
    EXPECT_EQ(other.HistoryCount(), 3);
    EXPECT_EQ(other.Player().name, "新玩家") << "the profile comes back too";
}

// The files no export or backup may write over, however the path names them: another spelling, a link, a
// hard link; the journal and the WAL files before they exist; anything in the safety copies' folder.
using ProtectedFileTest = StoreFixture;

TEST_F(ProtectedFileTest, TheDatabaseItsCompanionsAndTheSafetyCopiesAreFoundUnderAnyName) {
    const fs::path db = dbPath;
    const std::string name = db.filename().string();
    const fs::path sub = dir / "sub";
    const fs::path around = sub / "..";
    const fs::path copy = dir / "backups" / "morvint-2009-06-17-100000.db";
    fs::create_directories(sub);
    fs::create_directories(copy.parent_path());
    std::ofstream(copy) << "copy";
    fs::create_symlink(db, dir / "link.db");
    fs::create_hard_link(db, sub / "hard.db");
    fs::create_hard_link(copy, sub / "copy.db");
    fs::create_directory_symlink(copy.parent_path(), dir / "folder-link");
    const auto of = [this](const fs::path& target) { return ProtectionOf(dbPath, target.string()); };

    for (const fs::path& database : {db, around / name, dir / "link.db", sub / "hard.db"}) {
        EXPECT_EQ(of(database), ProtectedFile::database) << database;
    }
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        EXPECT_EQ(of(around / (name + suffix)), ProtectedFile::companion) << suffix << " before it exists";
        EXPECT_EQ(ProtectionOf((dir / "link.db").string(), (db.string() + suffix)), ProtectedFile::companion)
            << "beside the database a link names, where SQLite puts it";
    }
    std::ofstream(db.string() + "-wal") << "log";
    fs::create_hard_link(db.string() + "-wal", sub / "log");
    EXPECT_EQ(of(sub / "log"), ProtectedFile::companion);
    for (const fs::path& kept :
         {copy, sub / "copy.db", dir / "folder-link" / copy.filename(), copy.parent_path() / "new.db"}) {
        EXPECT_EQ(of(kept), ProtectedFile::safetyCopy) << kept;
    }

    // Names like these elsewhere are the player's own files.
    for (const fs::path& own : {dir / "other.db", sub / name, sub / (name + "-journal"),
                                dir / ("x" + name + "-journal"), dir / "backups.db"}) {
        EXPECT_EQ(of(own), ProtectedFile::none) << own;
    }
    EXPECT_EQ(ProtectionOf("", db.string()), ProtectedFile::none) << "no database open";
}

}  // namespace
