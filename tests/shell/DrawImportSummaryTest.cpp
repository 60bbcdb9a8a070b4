// SPDX-License-Identifier: GPL-3.0-or-later
// What an import of draws says: the words for each refusal, repeated refusals read as one range, and fields
// from the file that are cut short and escaped, so that no file can flood the screen or act on a terminal.
#include <gtest/gtest.h>

#include "core/MessageTexts.h"
#include "shell/DrawImportSummary.h"

namespace {

DrawImportRefusal Refused(int line, DrawLineRefusal reason, std::string field = {}, int pendingRow = 0) {
    return {line, reason, std::move(field), pendingRow};
}

TEST(DrawImportSummaryTest, EachRefusalHasItsWords) {
    const std::vector<std::pair<DrawImportRefusal, std::string>> cases = {
        {Refused(1, DrawLineRefusal::notTwoFields), Messages::kDrawLineShape.text},
        {Refused(1, DrawLineRefusal::noSuchDate, "2009-02-30"),
         FormatText(Messages::kDrawNoSuchDate, "2009-02-30")},
        {Refused(1, DrawLineRefusal::noRecordOnDay), Messages::kDrawNoRecordOnDay.text},
        {Refused(1, DrawLineRefusal::noRecordOfIssue, "9"), FormatText(Messages::kDrawNoRecordOfIssue, "9")},
        {Refused(1, DrawLineRefusal::alreadyEntered), Messages::kDrawAlreadyEntered.text},
        {Refused(1, DrawLineRefusal::notDue), Messages::kNotDue.text},
        {Refused(1, DrawLineRefusal::notADrawNumber, "12"), FormatText(Messages::kDrawNotANumber, "12")},
        {Refused(1, DrawLineRefusal::earlierPending, "", 7), FormatText(Messages::kDrawEarlierPending, 7)},
        {Refused(1, DrawLineRefusal::changedMeanwhile), Messages::kDrawLineChangedMeanwhile.text},
    };
    for (const auto& [refusal, words] : cases) {
        EXPECT_EQ(DrawRefusalText(refusal), words);
    }
}

// A write stopped by a lock says so, and that trying again later may work; any other failed write does not.
TEST(DrawImportSummaryTest, AnImportStoppedByALockSaysTheFileWasLocked) {
    DrawImportReport report;
    report.entered = 1;
    report.failedLine = 4;
    report.locked = true;
    EXPECT_EQ(DrawImportSummary(report, 5), FormatText(Messages::kImportTally, 1, 0) + "\n" +
                                                FormatText(Messages::kImportStoppedLocked, 4));
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

    const std::string notDue = Messages::kNotDue.text;
    const std::string firstTwo =
        FormatText(Messages::kRefusedLine, 3, notDue) + "\n" +
        FormatText(Messages::kRefusedLines, 8, 110, 103, FormatText(Messages::kDrawEarlierPending, 7));
    EXPECT_EQ(DrawImportSummary(report, 2), FormatText(Messages::kImportTally, 2, 106) + "\n" +
                                                FormatText(Messages::kImportStopped, 120) + "\n" + firstTwo +
                                                "\n" + FormatText(Messages::kMoreRefused, 2));
    EXPECT_EQ(DrawImportRefusals(report),
              firstTwo + "\n" + FormatText(Messages::kRefusedLine, 111, notDue) + "\n" +
                  FormatText(Messages::kRefusedLine, 112, Messages::kDrawNoRecordOnDay.text));
}

TEST(DrawImportSummaryTest, FieldsFromTheFileAreCutShortAndTheirControlCharactersEscaped) {
    DrawImportReport report;
    report.refused = {Refused(1, DrawLineRefusal::noRecordOfIssue, "\x1B]2;pwned\x07\x1B[2J"),
                      Refused(2, DrawLineRefusal::notADrawNumber, std::string(200 * 1024, '7')),
                      Refused(3, DrawLineRefusal::noRecordOfIssue, "\xB2\xE2\xCA\xD4")};

    const std::string summary = DrawImportSummary(report, 20);

    EXPECT_EQ(summary.find('\x1B'), std::string::npos);
    EXPECT_EQ(summary.find('\x07'), std::string::npos);
    EXPECT_NE(summary.find(FormatText(Messages::kDrawNoRecordOfIssue, "\\x1B]2;pwned\\x07\\x1B[2J")),
              std::string::npos)
        << summary;
    EXPECT_NE(summary.find(FormatText(Messages::kDrawNotANumber, std::string(24, '7') + "…")),
              std::string::npos);
    EXPECT_NE(summary.find(FormatText(Messages::kDrawNoRecordOfIssue, "\\xB2\\xE2\\xCA\\xD4")),
              std::string::npos)
        << summary;
    EXPECT_LT(summary.size(), 400u);
}

}  // namespace
