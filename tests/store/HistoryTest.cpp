// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/HistoryRowSql.h"
#include "tests/support/StoreRecords.h"

using HistoryTest = StoreFixture;
using Strings = std::vector<std::string>;

namespace {

const std::array<std::string, 8> kCodes{"047", "000", "999", "123", "504", "318", "762", "081"};

}  // namespace

TEST_F(HistoryTest, AppendWritesTheNextRowAndReloadsIt) {
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_EQ(store.HistoryCount(), 0);
    EXPECT_EQ(store.FirstPendingRecord(), 1);

    AddHistoryRows(1, 2);
    store.LoadHistory();
    ASSERT_TRUE(SaveRecord(store, COleDateTime(2009, 6, 17, 21, 5, 9), "09161", kCodes));
    EXPECT_EQ(store.HistoryCount(), 3);
    const HistoryRecord& added = store.Record(3);
    EXPECT_EQ(added.record_order, 3);
    EXPECT_EQ(added.record_date, COleDateTime(2009, 6, 17, 21, 5, 9));  // time of day kept
    EXPECT_EQ(added.open_order, "09161");
    EXPECT_EQ(added.data, kCodes);
    EXPECT_EQ(added.open_data, "未知");
    EXPECT_EQ(added.is_right, 11);  // the column default
    EXPECT_EQ(store.FirstPendingRecord(), 1);
    EXPECT_EQ(Rows("SELECT record_date, data_1 FROM data_history WHERE record_order = 3"),
              (std::vector<Strings>{{"2009-06-17 21:05:09", "047"}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HistoryTest, RowsStoredInReverseOrderLandInTheSameSlots) {
    for (int i = 3; i >= 1; --i) {
        AddHistoryRows(i, i);
    }
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    ASSERT_EQ(store.HistoryCount(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(store.Record(i).record_order, i);
        EXPECT_EQ(store.Record(i).open_order, std::to_string(i));
        EXPECT_EQ(store.Record(i).data[7], std::to_string(i) + "08");
        EXPECT_EQ(store.Record(i).record_date, COleDateTime(2009, 6, i + 1, 10, 30));
    }
}

TEST_F(HistoryTest, DrawResultWritesOnlyItsOwnRow) {
    AddHistoryRows(1, 3);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    ASSERT_TRUE(EnterResult(store, 1, "555"));
    EXPECT_EQ(store.Record(1).is_right, 0);
    ASSERT_TRUE(EnterResult(store, 2, "203"));
    EXPECT_EQ(store.Record(2).is_right, 3);
    EXPECT_EQ(store.Record(2).open_data, "203");
    EXPECT_EQ(
        Rows("SELECT record_order, open_data, is_right, data_3 FROM data_history ORDER BY record_order"),
        (std::vector<Strings>{
            {"1", "555", "0", "103"}, {"2", "203", "3", "203"}, {"3", "未知", "11", "303"}}));
    EXPECT_EQ(store.FirstPendingRecord(), 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HistoryTest, DrawResultForAMissingRecordWritesNothingSilentlyButReloads) {
    AddHistoryRows(1, 2);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    AddHistoryRows(3, 3);  // another copy of the program saved one meanwhile
    EXPECT_FALSE(EnterResult(store, 7, "111"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.HistoryCount(), 3);
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history WHERE is_right <> 11"), (std::vector<Strings>{{"0"}}));
}

TEST_F(HistoryTest, FirstPendingRecordIsTheFirstWithoutResult) {
    AddHistoryRows(1, 4);
    Sql("UPDATE data_history SET is_right = 0, open_data = '000' WHERE record_order = 1;"
        "UPDATE data_history SET is_right = 3, open_data = '303' WHERE record_order = 2;");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_EQ(store.FirstPendingRecord(), 3);
    Sql("DELETE FROM data_history WHERE record_order > 2");
    store.LoadHistory();
    EXPECT_EQ(store.FirstPendingRecord(), 3);  // historyCount + 1: every record has its result
}

TEST_F(HistoryTest, NullInsideRowFourStopsTheLoadThere) {
    AddHistoryRows(1, 6);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    Sql("UPDATE data_history SET open_order = 'new' || record_order, data_4 = 'n4', data_5 = NULL "
        "WHERE record_order = 4;"
        "UPDATE data_history SET open_order = 'changed' WHERE record_order > 4;");
    EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed);
    EXPECT_EQ(store.HistoryCount(), 4);
    EXPECT_EQ(store.Record(4).open_order, "new4");
    EXPECT_EQ(store.Record(4).data[3], "n4");
    EXPECT_EQ(store.Record(4).data[4], "405");   // the value from before, not the NULL
    EXPECT_EQ(store.Record(5).open_order, "5");  // rows 5 and 6 were not read
}

TEST_F(HistoryTest, ARowWhoseOrderCannotBeReadIsCountedAndEndsTheLoad) {
    AddHistoryRows(1, 4);
    Sql("UPDATE data_history SET record_order = 'third' WHERE record_order = 3");
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    EXPECT_EQ(store.LoadHistory(), LoadOutcome::failed);
    EXPECT_EQ(store.HistoryCount(), 3);  // rows 1 and 2, and the row the load failed on
    EXPECT_EQ(store.Record(2).open_order, "2");
    EXPECT_EQ(store.Record(3).record_order, 0);  // nothing of the failed row was stored
    EXPECT_EQ(store.Record(4).record_order, 0);  // the row after it was not read
}

TEST_F(HistoryTest, RowsWithoutASlotAreSkippedAndNotCounted) {
    AddHistoryRows(1, 2);
    // 65538 keeps its low 16 bits (2), a slot already taken; 70000 reads as 4464.
    std::vector<HistoryRowSql> strays;
    for (const int order : {0, -1, 400, 65538, 70000}) {
        strays.push_back({.order = order,
                          .date = "2009-06-02 10:30:00",  // record 1's
                          .openOrder = "stray",
                          .codes = {"x", "x", "x", "x", "x", "x", "x", "x"}});
    }
    Sql(InsertHistorySql(strays));
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.HistoryCount(), 2);
    EXPECT_EQ(store.Record(2).open_order, "2");
    EXPECT_EQ(store.Record(0).record_order, 0);  // slot 0 stays unused
    ASSERT_TRUE(SaveRecord(store, COleDateTime(2009, 7, 1), "3", kCodes));
    EXPECT_EQ(store.HistoryCount(), 3);
}

TEST_F(HistoryTest, AppendIsRefusedWhenTheLastSlotIsTaken) {
    AddHistoryRows(1, 399);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    ASSERT_EQ(store.HistoryCount(), 399);
    EXPECT_TRUE(store.IsHistoryFull());
    EXPECT_FALSE(SaveRecord(store, COleDateTime(2010, 7, 1), "400", kCodes));
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
    EXPECT_EQ(store.HistoryCount(), 399);
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (std::vector<Strings>{{"399"}}));
}

// A gap in the numbers (rows 1 and 3, by hand): slot 2 is no record, and a save takes the number after the
// last one instead of one the file already has.
TEST_F(HistoryTest, AGapInTheNumbersListsNoEmptySlotAndNeverBlocksASave) {
    AddHistoryRows(1, 1);
    AddHistoryRows(3, 3);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_EQ(store.HistoryCount(), 2);
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 3}));
    EXPECT_EQ(store.NextRecordOrder(), 4);
    EXPECT_FALSE(store.IsHistoryFull());

    ASSERT_TRUE(SaveRecord(store, COleDateTime(2009, 7, 1), "new", kCodes));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(Rows("SELECT record_order FROM data_history WHERE open_order = 'new'"),
              (std::vector<Strings>{{"4"}}));

    // The first record waiting for its result skips the gap too.
    Sql("UPDATE data_history SET is_right = 0, open_data = '000' WHERE record_order = 1");
    store.LoadHistory();
    EXPECT_EQ(store.FirstPendingRecord(), 3);
}

// A reload never clears a slot, so a record gone from the file still sits in memory: it is no longer listed.
TEST_F(HistoryTest, ARecordGoneFromTheFileIsNoLongerPartOfTheHistory) {
    AddHistoryRows(1, 3);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    Sql("DELETE FROM data_history WHERE record_order = 2");
    store.LoadHistory();
    EXPECT_EQ(store.Record(2).record_order, 2);
    EXPECT_EQ(store.RecordSlots(), (std::vector<int>{1, 3}));
    EXPECT_FALSE(store.IsRecordSlot(2));
    EXPECT_FALSE(EnterResult(store, 2, "203"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HistoryTest, TheHistoryIsFullWhenSlot399IsTakenWhateverTheCount) {
    AddHistoryRows(1, 3);
    AddHistoryRows(399, 399);
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_EQ(store.HistoryCount(), 4);
    EXPECT_TRUE(store.IsHistoryFull());
    EXPECT_FALSE(SaveRecord(store, COleDateTime(2009, 8, 1), "400", kCodes));
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
}

TEST_F(HistoryTest, InvalidDateIsNotSaved) {
    CPredictStore store;
    EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
    store.LoadHistory();
    EXPECT_FALSE(SaveRecord(store, COleDateTime(2009, 2, 30), "1", kCodes));
    EXPECT_TRUE(messages.empty()) << "the store says nothing itself";
    EXPECT_EQ(store.HistoryCount(), 0);
}
