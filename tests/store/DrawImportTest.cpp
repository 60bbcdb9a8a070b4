// SPDX-License-Identifier: GPL-3.0-or-later
// Draw results entered from a file: every kind of line the records page would refuse is refused with its line
// number and changes nothing, the good lines go in, and a failed write stops the import keeping what went in.
#include <gtest/gtest.h>

#include "store/CPredictStore.h"
#include "store/DrawImport.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/FixedClock.h"

namespace {

class DrawImportTest : public StoreFixture {
protected:
    // Records 1 .. 4: issues "1" .. "4", draws on 2009-06-02 .. 2009-06-05, codes "<n>01" .. "<n>08".
    void SetUp() override {
        StoreFixture::SetUp();
        AddHistoryRows(1, 4);
        EXPECT_EQ(store.OpenDatabase(dbPath), OpenOutcome::opened);
        store.LoadHistory();
    }
    std::vector<std::vector<std::string>> Results() const {
        return Rows("SELECT record_order, open_data, is_right FROM data_history ORDER BY record_order");
    }

    FixedClock clock{2009, 6, 4, 21, 30};  // record 4 is drawn tomorrow
    CPredictStore store;
};

struct Refusal {
    int line;
    DrawLineRefusal reason;
    std::string field;
    int pendingRow = 0;
    bool operator==(const Refusal&) const = default;
};

std::vector<Refusal> Refusals(const DrawImportReport& report) {
    std::vector<Refusal> refusals;
    for (const DrawImportRefusal& refusal : report.refused) {
        refusals.push_back({refusal.line, refusal.reason, refusal.field, refusal.pendingRow});
    }
    return refusals;
}

TEST_F(DrawImportTest, EveryBadLineIsRefusedWithItsReasonAndTheGoodOnesGoInInListOrder) {
    const std::string file =
        "\xEF\xBB\xBF期数,开奖号码\n"  // 1: column titles
        "# 六月\n"                     // 2
        "1,105\r\n"                    // 3: record 1, a hit on code 5
        "\n"                           // 4
        "3,301\n"                      // 5: record 3, after record 2 below
        "2009-06-03,12\n"              // 6
        "9,123\n"                      // 7
        "1,999\n"                      // 8: record 1 again, entered by line 3
        "4,401\n"                      // 9: drawn tomorrow
        "2009-02-30,111\n"             // 10
        "2009/6/3;\"203\"\n"           // 11: record 2 by its date, a hit on code 3
        "lonely\n"                     // 12
        "2009-06-10,123\n"             // 13
        "5,1,2\n";                     // 14

    const DrawImportReport report = ImportDraws(store, file);

    EXPECT_EQ(report.entered, 3);
    EXPECT_EQ(report.failedLine, 0);
    const std::vector<Refusal> expected = {
        {6, DrawLineRefusal::notADrawNumber, "12"},      {7, DrawLineRefusal::noRecordOfIssue, "9"},
        {8, DrawLineRefusal::alreadyEntered, ""},        {9, DrawLineRefusal::notDue, ""},
        {10, DrawLineRefusal::noSuchDate, "2009-02-30"}, {12, DrawLineRefusal::notTwoFields, ""},
        {13, DrawLineRefusal::noRecordOnDay, ""},        {14, DrawLineRefusal::notTwoFields, ""},
    };
    EXPECT_EQ(Refusals(report), expected);
    const std::vector<std::vector<std::string>> results = {
        {"1", "105", "5"}, {"2", "203", "3"}, {"3", "301", "1"}, {"4", "未知", "11"}};
    EXPECT_EQ(Results(), results);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.FirstPendingRecord(), 4) << "the store was reloaded after each entry";
}

// Published result lists give the newest draw first: the whole list goes in in one run, and a record the file
// skips still stops the ones after it, named by its row in the list.
TEST_F(DrawImportTest, AFileInAnyOrderEntersEveryRecordItCanInOneRun) {
    const DrawImportReport newestFirst = ImportDraws(store, "3,301\n2,202\n1,101\n");
    EXPECT_EQ(newestFirst.entered, 3);
    EXPECT_TRUE(newestFirst.refused.empty());

    Sql("UPDATE data_history SET open_data = '未知', is_right = 11; DELETE FROM data_history WHERE "
        "record_order = 1");
    store.LoadHistory();
    const DrawImportReport skipping = ImportDraws(store, "4,401\n3,301\n");
    EXPECT_EQ(skipping.entered, 0);
    const std::vector<Refusal> expected = {{1, DrawLineRefusal::notDue, ""},
                                           {2, DrawLineRefusal::earlierPending, "", 1}};
    EXPECT_EQ(Refusals(skipping), expected) << "record 2 is the first row of a list without record 1";
}

// What a Chinese input method and a spreadsheet produce: full-width digits and separators, the ideographic
// space, a date with its time of day, UTF-16 with a byte-order mark, and lines ending in a lone CR.
TEST_F(DrawImportTest, FullWidthTextDateTimesUtf16AndLoneCarriageReturnsAreRead) {
    const std::string fullWidth =
        "１，１０１\n\xE3\x80\x80"
        "2009-06-03 10:00:00,２０２\r";
    const DrawImportReport first = ImportDraws(store, fullWidth);
    EXPECT_EQ(first.entered, 2);
    EXPECT_TRUE(first.refused.empty()) << Refusals(first).size();

    // "3,303" CR "# note" CR: UTF-16, little-endian with its byte-order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("3,303\r# note\r")) {
        utf16 += c;
        utf16 += '\0';
    }
    const DrawImportReport second = ImportDraws(store, utf16);
    EXPECT_EQ(second.entered, 1);
    EXPECT_TRUE(second.refused.empty());
    const std::vector<std::vector<std::string>> results = {
        {"1", "101", "1"}, {"2", "202", "2"}, {"3", "303", "3"}, {"4", "未知", "11"}};
    EXPECT_EQ(Results(), results);
}

// Another copy of the program entered a result after this one loaded the records: the line says exactly that,
// and the import goes on with the lines after it.
TEST_F(DrawImportTest, ALineAnotherCopyEnteredFirstIsReportedAsAlreadyEntered) {
    Sql("UPDATE data_history SET open_data = '777', is_right = 0 WHERE record_order = 1");

    const DrawImportReport report = ImportDraws(store, "1,101\n2,202\n");

    EXPECT_EQ(report.entered, 1);
    EXPECT_EQ(report.failedLine, 0);
    EXPECT_EQ(Refusals(report), (std::vector<Refusal>{{1, DrawLineRefusal::alreadyEntered, ""}}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Results()[0], (std::vector<std::string>{"1", "777", "0"})) << "the other copy's result stays";
}

TEST_F(DrawImportTest, AFailedWriteStopsTheImportAndKeepsWhatWentInBeforeIt) {
    Sql("CREATE TRIGGER refuse_two BEFORE UPDATE ON data_history WHEN OLD.record_order = 2 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");

    const DrawImportReport report = ImportDraws(store, "1,101\n2,999\n3,301\n");

    EXPECT_EQ(report.entered, 1);
    EXPECT_EQ(report.failedLine, 2);
    EXPECT_TRUE(report.refused.empty()) << "the line after the failure does not run at all";
    EXPECT_TRUE(messages.empty()) << "the report says it";
    const std::vector<std::vector<std::string>> results = {
        {"1", "101", "1"}, {"2", "未知", "11"}, {"3", "未知", "11"}, {"4", "未知", "11"}};
    EXPECT_EQ(Results(), results);
}

// The step before the first write (the safety copy) runs once, and only when a line is about to go in; when
// it fails, nothing goes in.
TEST_F(DrawImportTest, TheStepBeforeTheFirstWriteRunsOnceAndOnlyForAChange) {
    int runs = 0;
    const auto counted = [&runs](bool ready) {
        return [&runs, ready] {
            ++runs;
            return ready;
        };
    };
    // Every line refused, one of them only when its turn comes (record 2 waits for record 1).
    const DrawImportReport refused = ImportDraws(store, "4,401\n9,123\n2,202\n", counted(true));
    EXPECT_EQ(refused.refused.size(), 3u);
    EXPECT_EQ(runs, 0) << "nothing to write, no step";

    const DrawImportReport notReady = ImportDraws(store, "1,101\n2,202\n", counted(false));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(notReady.notReady);
    EXPECT_EQ(notReady.entered, 0);
    EXPECT_EQ(Results()[0], (std::vector<std::string>{"1", "未知", "11"}));

    const DrawImportReport entered = ImportDraws(store, "1,101\n2,202\n", counted(true));
    EXPECT_EQ(runs, 2) << "once for both lines";
    EXPECT_FALSE(entered.notReady);
    EXPECT_EQ(entered.entered, 2);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
