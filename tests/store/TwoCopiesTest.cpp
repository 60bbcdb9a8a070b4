// SPDX-License-Identifier: GPL-3.0-or-later
// Two running copies of the program on one database file, each with its own connection and its own history in
// memory: whatever one of them saved meanwhile, the other never writes a wrong history.
#include "store/CPredictStore.h"
#include "store/DrawImport.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

namespace {

using Strings = std::vector<std::string>;

const std::array<std::string, 8> kCodes{"386", "914", "907", "555", "243", "555", "659", "760"};

class TwoCopiesTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        for (CPredictStore* copy : {&first, &second}) {
            EXPECT_EQ(copy->OpenDatabase(dbPath), OpenOutcome::opened);
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
    int loads = 0;
    second.Listen([&loads](StoreEvent event) { loads += event == StoreEvent::historyLoaded; });
    EXPECT_FALSE(second.RefreshIfChanged());
    EXPECT_EQ(loads, 0);

    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, 18, 10, 0, 0), "2009161", kCodes));
    EXPECT_FALSE(first.RefreshIfChanged()) << "its own write";
    EXPECT_TRUE(second.RefreshIfChanged());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(second.HistoryCount(), 1);
    EXPECT_EQ(second.Record(1).open_order, "2009161");
    EXPECT_FALSE(second.RefreshIfChanged());

    Sql("UPDATE data_history SET open_data = '914', is_right = 2");  // the command line, say
    EXPECT_TRUE(first.RefreshIfChanged());
    EXPECT_EQ(first.Record(1).open_data, "914");
    EXPECT_TRUE(messages.empty());
}

// The second copy still believes the day is free: the file says otherwise and the save is refused in the date
// dialog's words. A day still free is saved with the number after the first copy's record.
TEST_F(TwoCopiesTest, ADaySavedByTheOtherCopyIsRefusedAndTheNextNumberComesFromTheFile) {
    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, 18, 10, 0, 0), "2009161", kCodes));

    const COleDateTime evening(2009, 6, 18, 22, 15, 0);
    EXPECT_EQ(second.SavePrediction({evening, "other", kCodes}, evening, {COleDateTime(2009, 6, 17), 2011}),
              PredictionSave::alreadyPredicted);
    EXPECT_EQ(second.HistoryCount(), 1) << "the refused copy reloaded";
    EXPECT_EQ(second.Record(1).open_order, "2009161");

    messages.clear();
    captions.clear();
    EXPECT_TRUE(SaveRecord(second, COleDateTime(2009, 6, 19, 10, 0, 0), "2009162", kCodes));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT record_order, substr(record_date, 1, 10), open_order FROM data_history "
                   "ORDER BY record_order"),
              (std::vector<Strings>{{"1", "2009-06-18", "2009161"}, {"2", "2009-06-19", "2009162"}}));
}

// A record numbered before the last load: the stale copy's count would say 1, the file says 3.
TEST_F(TwoCopiesTest, AStaleCopySavesAfterTheOtherCopysRecordsWithoutAFailure) {
    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, 18), "a", kCodes));
    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, 19), "b", kCodes));
    ASSERT_EQ(second.HistoryCount(), 0);
    EXPECT_TRUE(SaveRecord(second, COleDateTime(2009, 6, 20), "c", kCodes));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(second.RecordSlots(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(second.Record(3).open_order, "c");
}

// Both enter the result of one record: the first to write keeps it; the other's write fails as if the record
// had gone (no message) and its reload shows the result that is stored.
TEST_F(TwoCopiesTest, ADrawResultIsNeverWrittenOverTheOtherCopysResult) {
    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, 18), "2009161", kCodes));
    second.LoadHistory();

    ASSERT_TRUE(EnterResult(second, 1, "914"));
    EXPECT_FALSE(EnterResult(first, 1, "111"));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows("SELECT open_data, is_right FROM data_history"), (std::vector<Strings>{{"914", "2"}}));
    EXPECT_EQ(first.Record(1).open_data, "914");
    EXPECT_EQ(first.Record(1).is_right, 2);
}

// The other copy made room: in the file, record 1 is now the prediction for the 19th and record 2 that for
// the 20th; a stale copy still has the 18th as record 1 and the 19th as record 2. A result meant for the
// 19th, or a removal of the 18th, must not land on another prediction.
TEST_F(TwoCopiesTest, AfterTheOtherCopyRenumberedNothingLandsOnAnotherPrediction) {
    for (int day = 18; day <= 20; ++day) {
        ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, day), std::to_string(day), kCodes));
    }
    ASSERT_TRUE(EnterResult(first, 1, "000"));
    LoadBoth();
    CPredictStore stale;
    EXPECT_EQ(stale.OpenDatabase(dbPath), OpenOutcome::opened);
    stale.LoadHistory();
    ASSERT_EQ(second.ArchiveRecords({1}), ArchiveOutcome::archived);
    const std::vector<Strings> renumbered{{"1", "19", "未知", "11"}, {"2", "20", "未知", "11"}};
    const char* const query = "SELECT record_order, open_order, open_data, is_right FROM data_history";
    ASSERT_EQ(Rows(query), renumbered);

    EXPECT_FALSE(EnterResult(first, 2, "914")) << "record 2 is the 20th now";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows(query), renumbered);
    EXPECT_EQ(first.Record(2).open_order, "20") << "the refused copy reloaded";

    EXPECT_EQ(stale.ArchiveRecords({1}), ArchiveOutcome::changed)
        << "record 1 is the 19th now, without a result";
    EXPECT_EQ(Rows(query), renumbered);
}

// 398 records: the first copy saves the 399th while the second still has room in memory. The second copy's
// save is refused in words that say the other copy filled the history, not as a failed write.
TEST_F(TwoCopiesTest, ASaveIntoAHistoryTheOtherCopyFilledSaysSo) {
    AddHistoryRows(1, HISTORY_SLOTS - 2);
    LoadBoth();
    ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 7, 1), "a", kCodes));
    ASSERT_FALSE(second.IsHistoryFull());

    const COleDateTime day(2009, 7, 2);
    EXPECT_EQ(second.SavePrediction({day, "b", kCodes}, day, {COleDateTime(2009, 6, 17), 2011}),
              PredictionSave::filledMeanwhile);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(second.IsHistoryFull()) << "the refused copy reloaded";
    EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), (std::vector<Strings>{{"399"}}));
}

// Predictions for June 17 .. 20 as records 1 .. 4, June 17 drawn; both copies load them.
class TwoCopiesRaceTest : public TwoCopiesTest {
protected:
    void SetUp() override {
        TwoCopiesTest::SetUp();
        for (int day = 17; day <= 20; ++day) {
            ASSERT_TRUE(SaveRecord(first, COleDateTime(2009, 6, day), std::to_string(day), kCodes));
        }
        ASSERT_TRUE(EnterResult(first, 1, "000"));
        LoadBoth();
    }
    // Record number, issue and result of every record in the file.
    std::vector<Strings> Records() const {
        return Rows("SELECT record_order, open_order, open_data FROM data_history ORDER BY record_order");
    }
};

// The first copy enters June 18's result and archives June 17 and 18: June 19 is record 1 now. Whatever the
// second copy still asks of the old numbers is told apart from a failure as "changed", without a message
// of the store's own (the caller words it), the file stays as the first copy left it, and the second copy
// has read the file again. A result the first copy entered first is "refused", as before.
TEST_F(TwoCopiesRaceTest, WritesAfterTheOtherCopyArchivedAreToldApartAsChanged) {
    CPredictStore stale;
    EXPECT_EQ(stale.OpenDatabase(dbPath), OpenOutcome::opened);
    stale.LoadHistory();
    ASSERT_EQ(first.EnterDraw(2, "111", kAfterEveryDraw).reason, DrawEntry::Reason::written);
    second.LoadHistory();
    ASSERT_EQ(first.ArchiveRecords({1, 2}), ArchiveOutcome::archived);
    const std::vector<Strings> archived{{"1", "19", "未知"}, {"2", "20", "未知"}};
    ASSERT_EQ(Records(), archived);

    EXPECT_EQ(second.ArchiveRecords({1, 2}), ArchiveOutcome::changed);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Records(), archived);
    EXPECT_EQ(second.ArchiveCount(), 2);
    EXPECT_EQ(second.RecordSlots(), (std::vector<int>{1, 2})) << "the refused copy reloaded";
    EXPECT_EQ(second.Record(1).open_order, "19");

    EXPECT_EQ(stale.EnterDraw(2, "914", kAfterEveryDraw).reason, DrawEntry::Reason::changedMeanwhile)
        << "record 2 is June 20 now, no longer June 18";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Records(), archived);
    EXPECT_EQ(stale.Record(2).open_order, "20");

    ASSERT_EQ(first.EnterDraw(1, "222", kAfterEveryDraw).reason, DrawEntry::Reason::written);
    EXPECT_EQ(second.EnterDraw(1, "333", kAfterEveryDraw).reason, DrawEntry::Reason::enteredMeanwhile);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(second.Record(1).open_data, "222");
}

// An import on what its copy loaded, while the other copy archives: no line says its record has a result when
// the record still waits for one. The lines whose records moved are refused as changed meanwhile; the records
// keep waiting, and the same file imported again puts them in.
TEST_F(TwoCopiesRaceTest, AnImportRacingTheOtherCopysArchiveSaysTheRecordsChanged) {
    ASSERT_EQ(first.ArchiveRecords({1}), ArchiveOutcome::archived);
    const std::string draws = "2009-06-18,123\n2009-06-19,456\n2009-06-20,789\n";

    const DrawImportReport raced = ImportDraws(second, draws);

    EXPECT_EQ(raced.entered, 0);
    ASSERT_EQ(raced.refused.size(), 3u);
    for (const DrawImportRefusal& refusal : raced.refused) {
        EXPECT_EQ(refusal.reason, DrawLineRefusal::changedMeanwhile) << "line " << refusal.line;
    }
    EXPECT_EQ(Records(),
              (std::vector<Strings>{{"1", "18", "未知"}, {"2", "19", "未知"}, {"3", "20", "未知"}}));
    EXPECT_TRUE(messages.empty());

    const DrawImportReport again = ImportDraws(second, draws);
    EXPECT_EQ(again.entered, 3);
    EXPECT_TRUE(again.refused.empty());
}

// The other copy entered a result without moving anything: that line keeps the words that its record has a
// result, and the lines after it go in.
TEST_F(TwoCopiesRaceTest, AnImportRacingTheOtherCopysEntryKeepsAlreadyEntered) {
    ASSERT_EQ(first.EnterDraw(2, "111", kAfterEveryDraw).reason, DrawEntry::Reason::written);

    const DrawImportReport raced = ImportDraws(second, "2009-06-18,123\n2009-06-19,456\n");

    EXPECT_EQ(raced.entered, 1);
    ASSERT_EQ(raced.refused.size(), 1u);
    EXPECT_EQ(raced.refused[0].line, 1);
    EXPECT_EQ(raced.refused[0].reason, DrawLineRefusal::alreadyEntered);
    EXPECT_EQ(Records(),
              (std::vector<Strings>{
                  {"1", "17", "000"}, {"2", "18", "111"}, {"3", "19", "456"}, {"4", "20", "未知"}}));
}

}  // namespace
