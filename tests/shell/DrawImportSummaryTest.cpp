// What an import of draws says: the words for each refusal, repeated refusals read as one range, and fields
// from the file that are cut short and escaped, so that no file can flood the screen or act on a terminal.
#include <gtest/gtest.h>

#include "shell/DrawImportSummary.h"

namespace {

DrawImportRefusal Refused(int line, DrawLineRefusal reason, std::string field = {}, int pendingRow = 0) {
    return {line, reason, std::move(field), pendingRow};
}

TEST(DrawImportSummaryTest, EachRefusalHasItsWords) {
    const std::vector<std::pair<DrawImportRefusal, std::string>> cases = {
        {Refused(1, DrawLineRefusal::notTwoFields), "应为“期数,开奖号码”或“日期,开奖号码”。"},
        {Refused(1, DrawLineRefusal::noSuchDate, "2009-02-30"), "日期“2009-02-30”不存在。"},
        {Refused(1, DrawLineRefusal::noRecordOnDay), "这一天没有预测记录。"},
        {Refused(1, DrawLineRefusal::noRecordOfIssue, "9"), "没有期数为“9”的预测记录。"},
        {Refused(1, DrawLineRefusal::alreadyEntered), "这条预测记录已有开奖号码。"},
        {Refused(1, DrawLineRefusal::notDue), "还未到开奖时间。"},
        {Refused(1, DrawLineRefusal::notADrawNumber, "12"), "开奖号码“12”不是三位数字。"},
        {Refused(1, DrawLineRefusal::earlierPending, "", 7), "预测记录第7行还未输入开奖号码，请先输入。"},
    };
    for (const auto& [refusal, words] : cases) {
        EXPECT_EQ(DrawRefusalText(refusal), words);
    }
}

TEST(DrawImportSummaryTest, RepeatedReasonsReadAsOneRangeAndTheListStopsAtItsLimit) {
    DrawImportReport report;
    report.entered = 2;
    report.failedLine = 120;
    report.refused.push_back(Refused(3, DrawLineRefusal::notDue));
    for (int line = 8; line <= 110; ++line) {
        report.refused.push_back(Refused(line, DrawLineRefusal::earlierPending, "", 7));
    }
    report.refused.push_back(Refused(111, DrawLineRefusal::notDue));
    report.refused.push_back(Refused(112, DrawLineRefusal::noRecordOnDay));

    EXPECT_EQ(DrawImportSummary(report, 2),
              "录入开奖号码 2 个，拒绝 106 行。\n第120行保存失败，导入到此停止；此前录入的开奖号码已保存。\n"
              "第3行：还未到开奖时间。\n第8–110行（103 行）：预测记录第7行还未输入开奖号码，请先输入。\n"
              "……另有 2 行被拒绝。");
    EXPECT_EQ(DrawImportRefusals(report),
              "第3行：还未到开奖时间。\n第8–110行（103 行）：预测记录第7行还未输入开奖号码，请先输入。\n"
              "第111行：还未到开奖时间。\n第112行：这一天没有预测记录。");
}

TEST(DrawImportSummaryTest, FieldsFromTheFileAreCutShortAndTheirControlCharactersEscaped) {
    DrawImportReport report;
    report.refused = {Refused(1, DrawLineRefusal::noRecordOfIssue, "\x1B]2;pwned\x07\x1B[2J"),
                      Refused(2, DrawLineRefusal::notADrawNumber, std::string(200 * 1024, '7')),
                      Refused(3, DrawLineRefusal::noRecordOfIssue, "\xB2\xE2\xCA\xD4")};

    const std::string summary = DrawImportSummary(report, 20);

    EXPECT_EQ(summary.find('\x1B'), std::string::npos);
    EXPECT_EQ(summary.find('\x07'), std::string::npos);
    EXPECT_NE(summary.find("没有期数为“\\x1B]2;pwned\\x07\\x1B[2J”的预测记录。"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("开奖号码“" + std::string(24, '7') + "…”不是三位数字。"), std::string::npos);
    EXPECT_NE(summary.find("没有期数为“\\xB2\\xE2\\xCA\\xD4”的预测记录。"), std::string::npos) << summary;
    EXPECT_LT(summary.size(), 400u);
}

}  // namespace
