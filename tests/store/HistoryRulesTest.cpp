// SPDX-License-Identifier: GPL-3.0-or-later
// The history's rules with their reasons, checked on the store alone: when a new prediction may start and
// when a draw number may go in, each check in its order.
#include "store/CPredictStore.h"
#include "store/HistoryRules.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

namespace {

class HistoryRulesTest : public StoreFixture {
protected:
    // Records 1 .. 3 on 2009-06-02 .. 04, without results.
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 3);
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadHistory();
    }
    PredictionRefusal Check(const COleDateTime& date, const std::string& issue = "2009001") const {
        return CheckNewPrediction(store.History(), date, issue, today, {COleDateTime(2009, 6, 1), 2011});
    }

    const COleDateTime today{2009, 6, 3, 21, 0, 0};
    CPredictStore store;
};

TEST_F(HistoryRulesTest, ANewPredictionIsCheckedForThePastTheDayTheCalendarTheIssueAndRoomInThatOrder) {
    EXPECT_EQ(Check(COleDateTime(2009, 6, 5, 9, 30, 0)), PredictionRefusal::none);
    EXPECT_EQ(Check(COleDateTime(2009, 6, 2)), PredictionRefusal::past) << "a past day that is also saved";
    EXPECT_EQ(Check(COleDateTime(2009, 6, 3, 23, 59, 0)), PredictionRefusal::alreadyPredicted)
        << "today may be predicted, but this one is saved, whatever the time of day";
    EXPECT_EQ(Check(COleDateTime(2011, 12, 31)), PredictionRefusal::none);
    EXPECT_EQ(Check(COleDateTime(2012, 1, 1), ""), PredictionRefusal::beyondCalendar);
    EXPECT_EQ(Check(COleDateTime(2009, 6, 5), ""), PredictionRefusal::noIssue);
    EXPECT_EQ(Check(COleDateTime(2009, 6, 5), "  "), PredictionRefusal::noIssue);
    EXPECT_EQ(Check(COleDateTime(2009, 6, 5), "   "), PredictionRefusal::none) << "three blanks are an issue";
    EXPECT_EQ(CheckNewPrediction(store.History(), COleDateTime(2009, 6, 5), "1", today,
                                 {COleDateTime(2009, 6, 6), 2011}),
              PredictionRefusal::past)
        << "before the first draw the program takes";

    AddHistoryRows(4, 399);
    store.LoadHistory();
    EXPECT_EQ(Check(COleDateTime(2011, 6, 5)), PredictionRefusal::historyFull);
}

TEST_F(HistoryRulesTest, ADrawNumberGoesInForTheFirstRecordDueAndNoOther) {
    const auto refusal = [this](int slot, const std::string& number) {
        return CheckDrawEntry(store.History(), slot, number, today).refusal;
    };
    EXPECT_EQ(refusal(1, "123"), DrawEntryRefusal::none);
    EXPECT_EQ(refusal(1, "12"), DrawEntryRefusal::notADrawNumber);
    EXPECT_EQ(refusal(1, "1234"), DrawEntryRefusal::notADrawNumber);
    EXPECT_EQ(refusal(1, "１２３"), DrawEntryRefusal::notADrawNumber) << "full width is folded before this";
    EXPECT_EQ(refusal(3, "12"), DrawEntryRefusal::notDue) << "the date comes first";
    const DrawEntryCheck second = CheckDrawEntry(store.History(), 2, "123", today);
    EXPECT_EQ(second.refusal, DrawEntryRefusal::earlierPending);
    EXPECT_EQ(second.pendingRow, 1);
    EXPECT_TRUE(IsEntryOpen(store.History(), 1, today));
    EXPECT_FALSE(IsEntryOpen(store.History(), 2, today));
    EXPECT_FALSE(IsEntryOpen(store.History(), 3, today));

    ASSERT_TRUE(EnterResult(store, 1, "101"));
    EXPECT_EQ(refusal(1, "123"), DrawEntryRefusal::alreadyEntered);
    EXPECT_FALSE(IsEntryOpen(store.History(), 1, today));
    EXPECT_TRUE(IsEntryOpen(store.History(), 2, today));

    // With record 2 gone, record 3 is the list's second row: the row is named, not the number.
    Sql("DELETE FROM data_history WHERE record_order = 2; UPDATE data_history SET open_data = '未知', "
        "is_right = 11 WHERE record_order = 1");
    store.LoadHistory();
    const DrawEntryCheck gap = CheckDrawEntry(store.History(), 3, "123", COleDateTime(2009, 6, 9));
    EXPECT_EQ(gap.pendingRow, 1);
    EXPECT_EQ(store.History().ListRowOfSlot(3), 2);
    EXPECT_EQ(store.History().ListRowOfSlot(2), 0);
}

}  // namespace
