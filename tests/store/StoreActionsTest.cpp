// SPDX-License-Identifier: GPL-3.0-or-later
// Each action the user asks of the store, reason by reason: the rules are judged on the file as the write
// finds it, and a change another copy made since this one loaded gets a reason of its own. The store never
// shows a message; the outcome says everything.
#include <functional>

#include "store/CPredictStore.h"
#include "store/DrawImport.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/StoreRecords.h"

namespace {

using Reason = DrawEntry::Reason;

const COleDateTime kToday(2009, 6, 20);
const PredictionBounds kBounds{COleDateTime(2009, 6, 17), 2011};

class StoreActionsTest : public StoreFixture {
public:
    // For the cases' steps, which happen to the file between the load and the action.
    using StoreFixture::AddHistoryRows;
    using StoreFixture::Sql;

    // Records 1 .. 4 dated 2009-06-02 .. 05 (the fixture's rows), and record 5 dated after today.
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 4);
        Sql("INSERT INTO data_history (record_order, record_date, open_order, data_1, data_2, data_3, "
            "data_4, "
            "data_5, data_6, data_7, data_8, open_data) VALUES (5, '2009-06-25 10:30:00', '5', '501', '502', "
            "'503', '504', '505', '506', '507', '508', '未知')");
        for (CPredictStore* copy : {&store, &other}) {
            ASSERT_EQ(copy->OpenDatabase(dbPath), OpenOutcome::opened);
            copy->LoadHistory();
        }
    }

    CPredictStore store;
    CPredictStore other;  // another running copy of the program
};

struct EntryCase {
    const char* what;
    std::function<void(StoreActionsTest&)> before;  // what happens to the file after both copies loaded it
    int slot;
    const char* number;
    Reason reason;
    int pendingRow;
};

TEST_F(StoreActionsTest, EachReasonADrawEntryGivesComesFromTheFileAsTheWriteFindsIt) {
    const auto none = [](StoreActionsTest&) {};
    const std::vector<EntryCase> cases = {
        {"the first record due", none, 1, "103", Reason::written, 0},
        {"a record with its result", [](StoreActionsTest& t) { ASSERT_TRUE(EnterResult(t.store, 1, "000")); },
         1, "111", Reason::alreadyEntered, 0},
        {"a draw still to come",
         [](StoreActionsTest& t) {
             t.Sql("UPDATE data_history SET is_right = 0, open_data = '000' WHERE record_order < 5");
             t.store.LoadHistory();
         },
         5, "501", Reason::notDue, 0},
        {"two digits", none, 1, "12", Reason::notADrawNumber, 0},
        {"an earlier record waiting, after a gap",
         [](StoreActionsTest& t) {
             t.Sql("UPDATE data_history SET record_order = 7 WHERE record_order = 1");
             t.store.LoadHistory();
         },
         3, "301", Reason::earlierPending, 1},
        {"another copy entered it first",
         [](StoreActionsTest& t) { ASSERT_TRUE(EnterResult(t.other, 1, "101")); }, 1, "222",
         Reason::enteredMeanwhile, 0},
        {"another copy archived before it",
         [](StoreActionsTest& t) {
             ASSERT_TRUE(EnterResult(t.other, 1, "101"));
             ASSERT_EQ(t.other.ArchiveRecords({1}), ArchiveOutcome::archived);
         },
         1, "222", Reason::changedMeanwhile, 0},
        {"the write fails",
         [](StoreActionsTest& t) {
             t.Sql(
                 "CREATE TRIGGER refuse BEFORE UPDATE ON data_history BEGIN SELECT RAISE(ABORT, 'disk "
                 "full'); END;");
         },
         1, "103", Reason::failed, 0},
    };
    for (const EntryCase& entry : cases) {
        SCOPED_TRACE(entry.what);
        TearDown();
        SetUp();
        entry.before(*this);
        const auto rows = Rows("SELECT record_order, open_data, is_right FROM data_history ORDER BY rowid");
        const DrawEntry outcome = store.EnterDraw(entry.slot, entry.number, kToday);
        EXPECT_EQ(outcome.reason, entry.reason);
        EXPECT_EQ(outcome.pendingRow, entry.pendingRow);
        const auto after = Rows("SELECT record_order, open_data, is_right FROM data_history ORDER BY rowid");
        if (entry.reason == Reason::written) {
            EXPECT_EQ(store.Record(entry.slot).open_data, entry.number);
            EXPECT_EQ(store.Record(entry.slot).is_right, 3) << "the verdict the codes give it";
        } else {
            EXPECT_EQ(after, rows) << "a refused entry writes nothing";
        }
        EXPECT_TRUE(messages.empty());
    }
}

// The import's safety copy is a step inside the entry: it runs once the file passed the checks, before the
// write, and when it fails nothing is written.
TEST_F(StoreActionsTest, TheStepBeforeAnEntryRunsOnlyForAnEntryThatPassesAndCanStopIt) {
    int steps = 0;
    EXPECT_EQ(store.EnterDraw(2, "201", kToday, [&steps] { return ++steps > 0; }).reason,
              Reason::earlierPending);
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(store.EnterDraw(1, "101", kToday, [&steps] { return ++steps < 0; }).reason, Reason::notReady);
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(store.Record(1).open_data == "未知");
    std::string copy;
    EXPECT_EQ(
        store.EnterDraw(1, "101", kToday, [this, &copy] { return store.WriteSafetyCopy(copy).Ok(); }).reason,
        Reason::written)
        << "a copy of the database can be taken inside the entry's transaction";
    CPredictStore copied;
    ASSERT_EQ(copied.OpenDatabase(copy), OpenOutcome::opened);
    copied.LoadHistory();
    EXPECT_EQ(copied.Record(1).open_data, "未知") << "the copy is of the file before the write";
}

struct SaveCase {
    const char* what;
    COleDateTime date;
    const char* issue;
    std::function<void(StoreActionsTest&)> before;
    PredictionSave outcome;
};

TEST_F(StoreActionsTest, EachReasonASaveGivesComesFromTheFileAsTheInsertFindsIt) {
    const auto none = [](StoreActionsTest&) {};
    // Records 6 .. 399, none of them dated after 2009-06-28.
    const auto fill = [](StoreActionsTest& t) { t.AddHistoryRows(6, HISTORY_SLOTS - 1); };
    const std::vector<SaveCase> cases = {
        {"a day still free", COleDateTime(2009, 6, 21, 9, 0, 0), "2009166", none, PredictionSave::saved},
        {"yesterday", COleDateTime(2009, 6, 19), "x", none, PredictionSave::past},
        {"a day another copy saved", COleDateTime(2009, 6, 21), "x",
         [](StoreActionsTest& t) {
             ASSERT_TRUE(SaveRecord(t.other, COleDateTime(2009, 6, 21, 8, 0, 0), "y", {}));
         },
         PredictionSave::alreadyPredicted},
        {"after the calendar", COleDateTime(2012, 1, 1), "x", none, PredictionSave::beyondCalendar},
        {"two blanks", COleDateTime(2009, 6, 21), "  ", none, PredictionSave::noIssue},
        {"a history known full", COleDateTime(2009, 6, 29), "x",
         [&fill](StoreActionsTest& t) {
             fill(t);
             t.store.LoadHistory();
         },
         PredictionSave::historyFull},
        {"a history another copy filled", COleDateTime(2009, 6, 29), "x", fill,
         PredictionSave::filledMeanwhile},
        {"a date that does not exist", COleDateTime(2009, 2, 30), "x", none, PredictionSave::failed},
    };
    for (const SaveCase& save : cases) {
        SCOPED_TRACE(save.what);
        TearDown();
        SetUp();
        save.before(*this);
        const auto rows = Rows("SELECT count(*) FROM data_history");
        EXPECT_EQ(store.SavePrediction({save.date, save.issue, {}}, kToday, kBounds), save.outcome);
        if (save.outcome == PredictionSave::saved) {
            EXPECT_EQ(store.Record(6).open_order, save.issue) << "one past the file's last record";
        } else {
            EXPECT_EQ(Rows("SELECT count(*) FROM data_history"), rows);
        }
        EXPECT_TRUE(messages.empty());
    }
}

// An import is a loop over the entries: the line of a record another copy archived meanwhile says so, and a
// record it entered meanwhile has its result.
TEST_F(StoreActionsTest, AnImportRacedByTheOtherCopyNamesWhatChangedLineByLine) {
    ASSERT_TRUE(EnterResult(other, 1, "101"));
    ASSERT_TRUE(EnterResult(other, 2, "201"));
    ASSERT_EQ(other.ArchiveRecords({1}), ArchiveOutcome::archived);

    const DrawImportReport report = ImportDraws(store, "1,111\n2,222\n");

    ASSERT_EQ(report.refused.size(), 2u);
    EXPECT_EQ(report.refused[0].reason, DrawLineRefusal::changedMeanwhile);
    EXPECT_EQ(report.refused[1].reason, DrawLineRefusal::changedMeanwhile)
        << "record 2 is record 1 now: the line's slot holds another prediction";
    EXPECT_EQ(report.entered, 0);
    EXPECT_EQ(store.Record(1).open_data, "201");
}

}  // namespace
