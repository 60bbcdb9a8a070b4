// Two running copies of the program on one database file, each with its own connection and its own history in
// memory: whatever one of them saved meanwhile, the other never writes a wrong history.
#include "store/CPredictStore.h"
#include "tests/store/StoreFixture.h"

namespace {

using Strings = std::vector<std::string>;

const std::array<std::string, 8> kCodes{"386", "914", "907", "555", "243", "555", "659", "760"};

class TwoCopiesTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        for (CPredictStore* copy : {&first, &second}) {
            copy->OpenDatabase(dbPath);
            copy->LoadHistory();
        }
    }
    // Both copies load what the file holds now.
    void LoadBoth() {
        first.LoadHistory();
        second.LoadHistory();
    }

    CPredictStore first;
    CPredictStore second;
};

// A copy reloads only when the other has changed the file since its last load: an unchanged file costs one
// pragma and no reload, its own writes are no news to it.
TEST_F(TwoCopiesTest, ACopyReloadsExactlyWhenTheOtherChangedTheFile) {
    const int loads = second.LoadCount();
    EXPECT_FALSE(second.RefreshIfChanged());
    EXPECT_EQ(second.LoadCount(), loads);

    ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, 18, 10, 0, 0), "2009161", kCodes));
    EXPECT_FALSE(first.RefreshIfChanged()) << "its own write";
    EXPECT_TRUE(second.RefreshIfChanged());
    EXPECT_EQ(second.historyCount, 1);
    EXPECT_EQ(second.history[1].open_order, "2009161");
    EXPECT_FALSE(second.RefreshIfChanged());

    Sql("UPDATE data_history SET open_data = '914', is_right = 2");  // the command line, say
    EXPECT_TRUE(first.RefreshIfChanged());
    EXPECT_EQ(first.history[1].open_data, "914");
    EXPECT_TRUE(messages.empty());
}

// The second copy still believes the day is free: the file says otherwise and the save is refused in the date
// dialog's words. A day still free is saved with the number after the first copy's record.
TEST_F(TwoCopiesTest, ADaySavedByTheOtherCopyIsRefusedAndTheNextNumberComesFromTheFile) {
    ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, 18, 10, 0, 0), "2009161", kCodes));

    EXPECT_FALSE(second.AppendPrediction(COleDateTime(2009, 6, 18, 22, 15, 0), "other", kCodes));
    EXPECT_EQ(messages, Strings{Messages::kDayTaken.text});
    EXPECT_EQ(captions, Strings{Messages::kDayTaken.caption});
    EXPECT_EQ(second.historyCount, 1) << "the refused copy reloaded";
    EXPECT_EQ(second.history[1].open_order, "2009161");

    messages.clear();
    captions.clear();
    EXPECT_TRUE(second.AppendPrediction(COleDateTime(2009, 6, 19, 10, 0, 0), "2009162", kCodes));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT record_order, substr(record_date, 1, 10), open_order FROM data_history "
                   "ORDER BY record_order"),
              (std::vector<Strings>{{"1", "2009-06-18", "2009161"}, {"2", "2009-06-19", "2009162"}}));
}

// A record numbered before the last load: the stale copy's count would say 1, the file says 3.
TEST_F(TwoCopiesTest, AStaleCopySavesAfterTheOtherCopysRecordsWithoutAFailure) {
    ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, 18), "a", kCodes));
    ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, 19), "b", kCodes));
    ASSERT_EQ(second.historyCount, 0);
    EXPECT_TRUE(second.AppendPrediction(COleDateTime(2009, 6, 20), "c", kCodes));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(second.RecordSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(second.history[3].open_order, "c");
}

// Both enter the result of one record: the first to write keeps it; the other's write fails as if the record
// had gone (no message) and its reload shows the result that is stored.
TEST_F(TwoCopiesTest, ADrawResultIsNeverWrittenOverTheOtherCopysResult) {
    ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, 18), "2009161", kCodes));
    second.LoadHistory();

    ASSERT_TRUE(second.SetDrawResult(1, "914", 2));
    EXPECT_FALSE(first.SetDrawResult(1, "111", 0));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history"), (std::vector<Strings>{{"914", "2"}}));
    EXPECT_EQ(first.history[1].open_data, "914");
    EXPECT_EQ(first.history[1].is_right, 2);
}

// The other copy made room: in the file, record 1 is now the prediction for the 19th and record 2 that for
// the 20th; a stale copy still has the 18th as record 1 and the 19th as record 2. A result meant for the
// 19th, or a removal of the 18th, must not land on another prediction.
TEST_F(TwoCopiesTest, AfterTheOtherCopyRenumberedNothingLandsOnAnotherPrediction) {
    for (int day = 18; day <= 20; ++day) {
        ASSERT_TRUE(first.AppendPrediction(COleDateTime(2009, 6, day), std::to_string(day), kCodes));
    }
    ASSERT_TRUE(first.SetDrawResult(1, "000", 0));
    LoadBoth();
    CPredictStore stale;
    stale.OpenDatabase(dbPath);
    stale.LoadHistory();
    ASSERT_TRUE(second.ArchiveRecords({1}));
    const std::vector<Strings> renumbered{{"1", "19", "未知", "11"}, {"2", "20", "未知", "11"}};
    const char* const query = "SELECT record_order, open_order, open_data, is_right FROM data_history";
    ASSERT_EQ(Rows(query), renumbered);

    EXPECT_FALSE(first.SetDrawResult(2, "914", 2)) << "record 2 is the 20th now";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows(query), renumbered);
    EXPECT_EQ(first.history[2].open_order, "20") << "the refused copy reloaded";

    EXPECT_FALSE(stale.ArchiveRecords({1})) << "record 1 is the 19th now, without a result";
    EXPECT_EQ(messages, Strings{Messages::kSaveFailed.text});
    EXPECT_EQ(Rows(query), renumbered);
}

}  // namespace
