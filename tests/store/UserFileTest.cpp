// SPDX-License-Identifier: GPL-3.0-or-later
// Files a user's disk can really hold: not a database, cut short, edited by hand, or not writable.
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/StoreRecords.h"

using UserFileTest = StoreFixture;
using Strings = std::vector<std::string>;

namespace {

const std::array<std::string, 8> kCodes{"047", "000", "999", "123", "504", "318", "762", "081"};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every operation on a file the store cannot use: it must report, never crash, and never change the file.
void ExpectEveryOperationFails(const std::string& path, std::vector<std::string>& messages) {
    const std::string before = ReadBytes(path);
    CPredictStore store;
    static_cast<void>(store.OpenDatabase(path));  // some open and fail at the first read
    EXPECT_EQ(store.LoadPlayer(), LoadOutcome::failed);
    EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed);
    EXPECT_FALSE(SaveRecord(store, COleDateTime(2009, 6, 17), "1", kCodes));
    EXPECT_FALSE(EnterResult(store, 1, "123"));
    EXPECT_EQ(store.SavePlayer("x", "先生", "龙"), SaveOutcome::failed);
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
    EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace

TEST_F(UserFileTest, GarbageFileIsNoDatabase) {
    std::ofstream(dbPath, std::ios::binary | std::ios::trunc) << std::string(5000, 'x') << "not a database";
    ExpectEveryOperationFails(dbPath, messages);
}

TEST_F(UserFileTest, TruncatedFileIsNoDatabase) {
    AddHistoryRows(1, 300);  // many pages, so the cut loses rows and pages the header promises
    std::filesystem::resize_file(dbPath, std::filesystem::file_size(dbPath) / 2);
    ExpectEveryOperationFails(dbPath, messages);
}

TEST_F(UserFileTest, MissingHistoryTableFailsItsOperationsOnceEach) {
    AddHistoryRows(1, 2);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    Sql("DROP TABLE data_history");
    store.LoadPlayer();
    EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed);
    EXPECT_EQ(store.Player().name, "新玩家");
    EXPECT_EQ(store.HistoryCount(), 2);  // a load that could not start keeps the count it had
    messages.clear();
    EXPECT_EQ(store.SavePrediction({COleDateTime(2009, 6, 17), "1", kCodes}, kAfterEveryDraw, {}),
              PredictionSave::failed);
    EXPECT_EQ(store.EnterDraw(1, "123", kAfterEveryDraw).reason, DrawEntry::Reason::failed);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UserFileTest, ColumnsOfAnotherTypeConvertOrFailTheLoad) {
    // A table typed by hand: no affinities, so every value keeps the type it was written with.
    Sql("DROP TABLE data_history;"
        "CREATE TABLE data_history (is_right, data_8, data_7, data_6, data_5, data_4, data_3, data_2, data_1,"
        " open_data, open_order, record_date, record_order);" +
        InsertHistorySql({.order = "1",
                          .date = "2009-06-17 08:00:00",
                          .openOrder = 9161,
                          .codes = {"1", "2", 47, "4", "5", "6", "7", "8"},
                          .openData = 203,
                          .isRight = "5"}));
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    ASSERT_TRUE(messages.empty());
    ASSERT_EQ(store.HistoryCount(), 1);
    EXPECT_EQ(store.Record(1).data[2], "47");  // an integer where text is expected gives its digits
    EXPECT_EQ(store.Record(1).open_order, "9161");
    EXPECT_EQ(store.Record(1).open_data, "203");
    EXPECT_EQ(store.Record(1).is_right, 5);

    // Text that is no number in record_order, and a date that is not date text, each fail the load.
    for (const char* bad :
         {"UPDATE data_history SET record_order = 'first'",
          "UPDATE data_history SET record_order = 1, record_date = 39981.5",
          "UPDATE data_history SET record_date = '2009-06-31 08:00:00'",
          "UPDATE data_history SET record_date = '2009-06-17 08:00:00', is_right = x'05'"}) {
        Sql(bad);
        messages.clear();
        EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed) << bad;
    }
}

// Root may write any file, so the read-only case runs in a child that gives up root first.
TEST_F(UserFileTest, ReadOnlyFileRefusesEveryWriteAndMemoryStaysTheFile) {
    AddHistoryRows(1, 3);
    namespace fs = std::filesystem;
    fs::permissions(dbPath, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    const std::string before = ReadBytes(dbPath);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        CPredictStore store;
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadPlayer();
        store.LoadHistory();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(store.HistoryCount(), 3);
        EXPECT_EQ(store.SavePlayer("typed", "先生", "龙"), SaveOutcome::failed);
        EXPECT_FALSE(SaveRecord(store, COleDateTime(2009, 6, 17), "4", kCodes));
        EXPECT_FALSE(EnterResult(store, 2, "203"));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(store.Player().name, "typed");
        EXPECT_EQ(store.HistoryCount(), 3);
        EXPECT_EQ(store.Record(2).is_right, 11);
        EXPECT_EQ(store.Record(2).open_data, "未知");
        EXPECT_EQ(store.Record(4).record_order, 0);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks in the child failed (3: could not give up root)";
    EXPECT_EQ(ReadBytes(dbPath), before);
}
