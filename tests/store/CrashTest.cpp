// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the program killed at any moment while it saves must leave a sound file that holds every
// prediction it reported as saved, numbered 1 .. N without gaps or duplicates.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

using CrashTest = StoreFixture;

namespace {

// The child: appends until the table is full, telling the parent about every append that returned success.
[[noreturn]] void AppendUntilKilled(const std::string& path, int reportFd) {
    SetMessageSink([](const std::string&, const std::string&) {});
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(path), OpenOutcome::opened);
    store.LoadHistory();
    const std::array<std::string, 8> codes{"047", "000", "999", "123", "504", "318", "762", "081"};
    while (store.HistoryCount() < HISTORY_SLOTS - 1) {
        const int order = store.HistoryCount() + 1;
        // One prediction a day, as the program saves them: a second one for a day is refused.
        const COleDateTime day =
            COleDateTime::FromOleDate(COleDateTime(2009, 6, 17, 20, 0, 0).GetOleDate() + order);
        if (SaveRecord(store, day, std::to_string(order), codes) &&
            ::write(reportFd, &order, sizeof order) != sizeof order) {
            ::_exit(2);
        }
    }
    for (;;) {
        ::pause();
    }
}

// Reads every report waiting in the pipe, first waiting up to timeoutMs for one to arrive. Returns how many
// came.
int TakeReports(int fd, int timeoutMs, std::set<int>& reported) {
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, timeoutMs) <= 0) {
        return 0;
    }
    int count = 0;
    int order = 0;
    while (::read(fd, &order, sizeof order) == sizeof order) {
        EXPECT_TRUE(reported.insert(order).second) << "record " << order << " reported twice";
        ++count;
    }
    return count;
}

}  // namespace

TEST_F(CrashTest, KilledWhileAppendingLosesNothingReportedAndLeavesNoHalfRow) {
    int report[2];
    ASSERT_EQ(::pipe2(report, O_NONBLOCK), 0);
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> extraMicroseconds(0, 4000);
    std::set<int> reported;
    for (int round = 0; round < 10; ++round) {
        if (Rows("SELECT count(*) FROM data_history") == std::vector<std::vector<std::string>>{{"399"}}) {
            break;  // a fast disk filled the table: nothing is left to append
        }
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::close(report[0]);
            AppendUntilKilled(dbPath, report[1]);
        }
        // Kill it while it is busy appending: after its first save of this round, at a random moment.
        const bool appended = TakeReports(report[0], 10000, reported) > 0;
        if (appended) {
            std::this_thread::sleep_for(std::chrono::microseconds(extraMicroseconds(random)));
        }
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(appended) << "round " << round << ": the child saved nothing";
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself, status " << status;
        TakeReports(report[0], 0, reported);
    }
    ::close(report[1]);
    ::close(report[0]);

    EXPECT_EQ(Rows("PRAGMA integrity_check"), (std::vector<std::vector<std::string>>{{"ok"}}));
    const auto orders =
        Rows("SELECT record_order, open_order, data_8, open_data FROM data_history ORDER BY record_order");
    for (std::size_t i = 0; i < orders.size(); ++i) {
        ASSERT_EQ(orders[i],
                  (std::vector<std::string>{std::to_string(i + 1), std::to_string(i + 1), "081", "未知"}));
    }
    EXPECT_LE(*reported.rbegin(), static_cast<int>(orders.size()));  // 1 .. N without gaps holds them all

    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.HistoryCount(), static_cast<int>(orders.size()));
}

namespace {

// The child of the archive test: archives the oldest record, one at a time, reporting each.
[[noreturn]] void ArchiveUntilKilled(const std::string& path, int reportFd) {
    SetMessageSink([](const std::string&, const std::string&) {});
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(path), OpenOutcome::opened);
    store.LoadHistory();
    for (int archived = 1; !store.RecordSlots().empty(); ++archived) {
        if (store.ArchiveRecords(store.OldestWithResult(1)) == ArchiveOutcome::archived &&
            ::write(reportFd, &archived, sizeof archived) != sizeof archived) {
            ::_exit(2);
        }
    }
    for (;;) {
        ::pause();
    }
}

// The child of the restore test: restores the two backups in turn, reporting each.
[[noreturn]] void RestoreUntilKilled(const std::string& path, const std::string& first,
                                     const std::string& second, int reportFd) {
    SetMessageSink([](const std::string&, const std::string&) {});
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(path), OpenOutcome::opened);
    for (int round = 1;; ++round) {
        if (store.RestoreFrom(round % 2 == 0 ? first : second) &&
            ::write(reportFd, &round, sizeof round) != sizeof round) {
            ::_exit(2);
        }
    }
}

// Forks child, lets it report at least once, then kills it at a random moment; ten times.
template <class Child>
void KillRepeatedly(Child child, std::mt19937& random) {
    int report[2];
    ASSERT_EQ(::pipe2(report, O_NONBLOCK), 0);
    std::uniform_int_distribution<int> extraMicroseconds(0, 4000);
    std::set<int> reported;
    for (int round = 0; round < 10; ++round) {
        const pid_t pid = ::fork();
        ASSERT_NE(pid, -1);
        if (pid == 0) {
            ::close(report[0]);
            child(report[1]);
        }
        const bool wrote = TakeReports(report[0], 10000, reported) > 0;
        if (wrote) {
            std::this_thread::sleep_for(std::chrono::microseconds(extraMicroseconds(random)));
        }
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(wrote) << "round " << round << ": the child wrote nothing";
        reported.clear();
    }
    ::close(report[1]);
    ::close(report[0]);
}

}  // namespace

// Killed while archiving: every record is in the history or in the archive, exactly once, and the history is
// numbered 1 .. N without gaps.
TEST_F(CrashTest, KilledWhileArchivingLosesNoRecord) {
    AddHistoryRows(1, 300);
    Sql("UPDATE data_history SET open_data = '000', is_right = 0");
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    KillRepeatedly([this](int reportFd) { ArchiveUntilKilled(dbPath, reportFd); }, random);

    EXPECT_EQ(Rows("PRAGMA integrity_check"), (std::vector<std::vector<std::string>>{{"ok"}}));
    EXPECT_EQ(Rows("SELECT count(*), count(DISTINCT open_order) FROM (SELECT open_order FROM data_history "
                   "UNION ALL SELECT open_order FROM data_archive)"),
              (std::vector<std::vector<std::string>>{{"300", "300"}}));
    EXPECT_EQ(Rows("SELECT count(*) = coalesce(max(record_order), 0) FROM data_history"),
              (std::vector<std::vector<std::string>>{{"1"}}));
}

// Killed while restoring one backup after the other: the file is always one of the two, whole.
TEST_F(CrashTest, KilledWhileRestoringLeavesOneBackupOrTheOther) {
    AddHistoryRows(1, 200);
    const std::string first = (dir / "first.db").string();
    const std::string second = (dir / "second.db").string();
    {
        CPredictStore store;
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        ASSERT_TRUE(store.BackupTo(first).Ok());
        Sql("DELETE FROM data_history WHERE record_order > 50; UPDATE player SET name = '第二份'");
        ASSERT_TRUE(store.BackupTo(second).Ok());
    }
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    KillRepeatedly([&](int reportFd) { RestoreUntilKilled(dbPath, first, second, reportFd); }, random);

    EXPECT_EQ(Rows("PRAGMA integrity_check"), (std::vector<std::vector<std::string>>{{"ok"}}));
    const auto state = Rows("SELECT (SELECT count(*) FROM data_history), (SELECT name FROM player)");
    EXPECT_TRUE(state == (std::vector<std::vector<std::string>>{{"200", "新玩家"}}) ||
                state == (std::vector<std::vector<std::string>>{{"50", "第二份"}}))
        << state[0][0] << " " << state[0][1];
}

namespace {

// The child of the safety copy test: takes one safety copy after another, reporting each.
[[noreturn]] void TakeSafetyCopiesUntilKilled(const std::string& path, int reportFd) {
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(path), OpenOutcome::opened);
    for (int copy = 1;; ++copy) {
        std::string written;
        if (store.WriteSafetyCopy(written).Ok() && ::write(reportFd, &copy, sizeof copy) != sizeof copy) {
            ::_exit(2);
        }
    }
}

}  // namespace

// Killed while taking safety copies of a database of some megabytes, where most moments fall into a copy: the
// next copy leaves nothing of the killed ones in the folder but whole copies, ten at most.
TEST_F(CrashTest, KilledWhileTakingSafetyCopiesLeavesNothingHalfWritten) {
    Sql("CREATE TABLE filler (bytes BLOB); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
        "WHERE i < 1000) INSERT INTO filler SELECT randomblob(4000) FROM n");
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    KillRepeatedly([this](int reportFd) { TakeSafetyCopiesUntilKilled(dbPath, reportFd); }, random);

    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    std::string last;
    ASSERT_TRUE(store.WriteSafetyCopy(last).Ok());
    int copies = 0;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(dir / "backups")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.starts_with("morvint-") && name.ends_with(".db")) << name << " left behind";
        ++copies;
    }
    EXPECT_LE(copies, kSafetyCopiesKept);
    EXPECT_EQ(RowsAsText(last, "SELECT count(*) FROM filler"),
              (std::vector<std::vector<std::string>>{{"1000"}}));
}
