// A copy of the program killed at any moment while it saves must leave a sound file that holds every
// prediction it reported as saved, numbered 1 .. N without gaps or duplicates.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"

using CrashTest = StoreFixture;

namespace {

// The child: appends until the table is full, telling the parent about every append that returned success.
[[noreturn]] void AppendUntilKilled(const std::string& path, int reportFd) {
    SetMessageSink([](const std::string&, const std::string&) {});
    CPredictStore store;
    store.OpenDatabase(path);
    store.LoadHistory();
    const std::array<std::string, 8> codes{"047", "000", "999", "123", "504", "318", "762", "081"};
    while (store.historyCount < HISTORY_SLOTS - 1) {
        const int order = store.historyCount + 1;
        // One prediction a day, as the program saves them: a second one for a day is refused.
        const COleDateTime day =
            COleDateTime::FromOleDate(COleDateTime(2009, 6, 17, 20, 0, 0).GetOleDate() + order);
        if (store.AppendPrediction(day, std::to_string(order), codes) &&
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
    store.OpenDatabase(dbPath);
    store.LoadHistory();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.historyCount, static_cast<int>(orders.size()));
}
