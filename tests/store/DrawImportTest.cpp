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
        store.OpenDatabase(dbPath);
        store.LoadHistory();
    }
    std::vector<std::vector<std::string>> Results() const {
        return Rows("SELECT record_order, open_data, is_right FROM data_history ORDER BY record_order");
    }

    FixedClock clock{2009, 6, 4, 21, 30};  // record 4 is drawn tomorrow
    CPredictStore store;
};

TEST_F(DrawImportTest, EveryBadLineIsRefusedWithItsReasonAndTheGoodOnesGoInInListOrder) {
    const std::string file =
        "\xEF\xBB\xBF期数,开奖号码\n"  // 1: column titles
        "# 六月\n"                     // 2
        "1,105\r\n"                    // 3: record 1, a hit on code 5
        "\n"                           // 4
        "3,301\n"                      // 5: record 2 first
        "2009-06-03,12\n"              // 6
        "9,123\n"                      // 7
        "1,999\n"                      // 8
        "4,401\n"                      // 9: drawn tomorrow
        "2009-02-30,111\n"             // 10
        "2009/6/3;\"203\"\n"           // 11: record 2 by its date, a hit on code 3
        "3\t000\n"                     // 12: record 3, a miss
        "lonely\n"                     // 13
        "2009-06-10,123\n"             // 14
        "5,1,2\n";                     // 15

    const DrawImportReport report = ImportDraws(store, file);

    EXPECT_EQ(report.entered, 3);
    EXPECT_EQ(report.failedLine, 0);
    const std::vector<std::pair<int, std::string>> expected = {
        {5, "预测记录第2行还未输入开奖号码，请先输入。"},
        {6, "开奖号码“12”不是三位数字。"},
        {7, "没有期数为“9”的预测记录。"},
        {8, "这条预测记录已有开奖号码。"},
        {9, "还未到开奖时间。"},
        {10, "日期“2009-02-30”不存在。"},
        {13, "应为“期数,开奖号码”或“日期,开奖号码”。"},
        {14, "这一天没有预测记录。"},
        {15, "应为“期数,开奖号码”或“日期,开奖号码”。"},
    };
    std::vector<std::pair<int, std::string>> refused;
    for (const DrawImportRefusal& refusal : report.refused) {
        refused.emplace_back(refusal.line, refusal.reason);
    }
    EXPECT_EQ(refused, expected);
    const std::vector<std::vector<std::string>> results = {
        {"1", "105", "5"}, {"2", "203", "3"}, {"3", "000", "0"}, {"4", "未知", "11"}};
    EXPECT_EQ(Results(), results);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(store.FirstPendingRecord(), 4) << "the store was reloaded after each entry";
}

TEST_F(DrawImportTest, AFailedWriteStopsTheImportAndKeepsWhatWentInBeforeIt) {
    Sql("CREATE TRIGGER refuse_two BEFORE UPDATE ON data_history WHEN OLD.record_order = 2 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");

    const DrawImportReport report = ImportDraws(store, "1,101\n2,999\n3,301\n");

    EXPECT_EQ(report.entered, 1);
    EXPECT_EQ(report.failedLine, 2);
    EXPECT_TRUE(report.refused.empty()) << "the line after the failure is not read at all";
    EXPECT_EQ(messages, std::vector<std::string>{"保存失败!"});
    const std::vector<std::vector<std::string>> results = {
        {"1", "101", "1"}, {"2", "未知", "11"}, {"3", "未知", "11"}, {"4", "未知", "11"}};
    EXPECT_EQ(Results(), results);
    EXPECT_EQ(DrawImportSummary(report),
              "录入开奖号码 1 个，拒绝 0 行。\n第2行保存失败，导入到此停止；此前录入的开奖号码已保存。");
}

TEST(DrawImportSummaryTest, ListsTheRefusedLinesUpToTheLimitThenCountsTheRest) {
    DrawImportReport report;
    report.entered = 2;
    report.refused = {
        {3, "还未到开奖时间。"}, {5, "这一天没有预测记录。"}, {9, "这条预测记录已有开奖号码。"}};

    EXPECT_EQ(DrawImportSummary(report, 2),
              "录入开奖号码 2 个，拒绝 3 行。\n第3行：还未到开奖时间。\n第5行：这一天没有预测记录。\n"
              "……另有 1 行被拒绝。");
}

}  // namespace
