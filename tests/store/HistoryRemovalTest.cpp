// Making room in the history: records that have their draw result are removed and the others numbered again
// from 1, in one transaction that either happens whole or leaves the file exactly as it was.
#include <fstream>
#include <iterator>

#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"

namespace {

using Strings = std::vector<std::string>;

class HistoryRemovalTest : public StoreFixture {
protected:
    // Records 1 .. 6, the first three with their results.
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 6);
        Sql("UPDATE data_history SET is_right = record_order - 1, open_data = record_order || '02' "
            "WHERE record_order <= 3");
        store.OpenDatabase(dbPath);
        store.LoadHistory();
    }
    std::vector<Strings> OrdersAndIssues() const {
        return Rows("SELECT record_order, open_order FROM data_history ORDER BY record_order");
    }
    std::string FileBytes() const {
        std::ifstream file(dbPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    CPredictStore store;
};

TEST_F(HistoryRemovalTest, RemovedRecordsGoAndTheRestAreNumberedFromOneInTheirOrder) {
    ASSERT_TRUE(store.RemoveRecords({1, 2}));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(OrdersAndIssues(), (std::vector<Strings>{{"1", "3"}, {"2", "4"}, {"3", "5"}, {"4", "6"}}));
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history WHERE record_order = 1"),
              (std::vector<Strings>{{"302", "2"}}));
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(store.history[1].open_order, "3");
    EXPECT_EQ(store.FirstPendingRecord(), 2);
    EXPECT_EQ(store.NextRecordOrder(), 5);
}

// Renumbering closes a gap left by hand as well.
TEST_F(HistoryRemovalTest, RenumberingClosesAGap) {
    Sql("DELETE FROM data_history WHERE record_order = 4");
    store.LoadHistory();
    ASSERT_TRUE(store.RemoveRecords({1}));
    EXPECT_EQ(OrdersAndIssues(), (std::vector<Strings>{{"1", "2"}, {"2", "3"}, {"3", "5"}, {"4", "6"}}));
}

// A record without its result, or one not in the history, is never removed: nothing is.
TEST_F(HistoryRemovalTest, ARecordWithoutItsResultOrNotThereRemovesNothing) {
    const std::vector<Strings> before = OrdersAndIssues();
    EXPECT_FALSE(store.RemoveRecords({1, 4}));
    EXPECT_FALSE(store.RemoveRecords({1, 7}));
    EXPECT_FALSE(store.RemoveRecords({1, 1}));
    EXPECT_EQ(messages, (Strings{"保存失败!", "保存失败!", "保存失败!"}));
    EXPECT_EQ(OrdersAndIssues(), before);
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// The disk fails on the renumbering of record 5, after two rows were deleted and two renumbered: the
// transaction is rolled back and the file is the same, byte for byte.
TEST_F(HistoryRemovalTest, AFailureInTheMiddleLeavesTheFileAsItWas) {
    Sql("CREATE TRIGGER fail_on_five BEFORE UPDATE OF record_order ON data_history WHEN old.record_order = 5 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    const std::string before = FileBytes();
    ASSERT_FALSE(before.empty());

    EXPECT_FALSE(store.RemoveRecords({1, 2}));

    EXPECT_EQ(messages, Strings{"保存失败!"});
    EXPECT_TRUE(FileBytes() == before) << "the file changed";
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(store.history[1].open_order, "1");

    Sql("DROP TRIGGER fail_on_five");
    EXPECT_TRUE(store.RemoveRecords({1, 2}))
        << "the connection is usable again: no transaction was left open";
}

}  // namespace
