// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "core/CGuaReading.h"
#include "core/GuaTables.h"
#include "core/HexagramTexts.h"

namespace {

const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// One trigram of each phase 金 木 水 火 土 (phase numbers 1..5): 乾, 震, 坎, 离, 坤.
const int kTrigramOfPhase[6] = {0, 1, 4, 6, 3, 8};

}  // namespace

TEST(CGuaReading, TrigramAndPhaseLookups) {
    const char* const names[9] = {" ", "乾", "兑", "离", "震", "巽", "坎", "艮", "坤"};
    const int phases[9] = {0, 1, 1, 4, 2, 2, 3, 5, 5};
    for (int t = 0; t <= 8; ++t) {
        EXPECT_EQ(CGuaReading::TrigramName(t), names[t]);
        EXPECT_EQ(CGuaReading::TrigramPhase(t), phases[t]);
    }
    EXPECT_EQ(CGuaReading::TrigramName(9), " ");
    EXPECT_EQ(CGuaReading::TrigramPhase(-1), 0);
    EXPECT_EQ(CGuaReading::PhaseName(1) + CGuaReading::PhaseName(2) + CGuaReading::PhaseName(3) +
                  CGuaReading::PhaseName(4) + CGuaReading::PhaseName(5),
              "金木水火土");
    EXPECT_EQ(CGuaReading::PhaseName(0), " ");
    EXPECT_EQ(CGuaReading::PhaseName(6), " ");
}

TEST(CGuaReading, TrigramFromLinesFindsEachPatternOnce) {
    std::set<int> found;
    for (int bits = 0; bits < 8; ++bits) {
        const int t = CGuaReading::TrigramFromLines(bits & 1, (bits >> 1) & 1, (bits >> 2) & 1);
        ASSERT_TRUE(t >= 1 && t <= 8);
        EXPECT_EQ(TRIGRAM_LINES[t][1] + 2 * TRIGRAM_LINES[t][2] + 4 * TRIGRAM_LINES[t][3], bits);
        found.insert(t);
    }
    EXPECT_EQ(found.size(), 8u);
    EXPECT_EQ(CGuaReading::TrigramFromLines(1, 0, 0), 4);  // 震
    EXPECT_EQ(CGuaReading::TrigramFromLines(0, 0, 1), 7);  // 艮
    EXPECT_EQ(CGuaReading::TrigramFromLines(1, 2, 1), 9);
}

TEST(CGuaReading, HexagramTableHoldsEachNumberOnce) {
    std::set<int> numbers;
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            numbers.insert(HEXAGRAM_TABLE[upper][lower].number);
        }
    }
    EXPECT_EQ(numbers.size(), 64u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 64);
    const CGuaReading xiaoXu(5, 1, 1, "子", "子", false);
    EXPECT_EQ(xiaoXu.hexagramNumber, 9);
    EXPECT_EQ(xiaoXu.hexagramName, "小蓄");
    EXPECT_EQ(CGuaReading(7, 1, 1, "子", "子", false).hexagramName, "大蓄");
    EXPECT_EQ(CGuaReading(6, 4, 1, "子", "子", false).hexagramName, "屯");
    EXPECT_EQ(CGuaReading(8, 1, 1, "子", "子", false).hexagramNumber, 11);
    EXPECT_EQ(CGuaReading(1, 8, 1, "子", "子", false).hexagramName, "否");
}

// All 64 x 6 (hexagram, moving line) pairs read their own ids, and the line read carries the right label.
TEST(CGuaReading, TextsComeFromTheHexagramsOwnIds) {
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            for (int moving = 1; moving <= 6; ++moving) {
                CGuaReading reading(upper, lower, moving, "子", "子", true);
                const int first = 2001 + 8 * (reading.hexagramNumber - 1);
                EXPECT_EQ(reading.HexagramJudgement(), HexagramText(first + 1));
                const std::string line = reading.MovingLineText();
                EXPECT_EQ(line, HexagramText(first + 1 + moving));
                reading.FillLines();
                const std::string kind = reading.lines[moving] == 1 ? "九" : "六";
                EXPECT_NE(line.find(kind), std::string::npos);
                EXPECT_LT(line.find(kind), 6u) << line;  // the label, not the statement
            }
        }
    }
    EXPECT_EQ(CGuaReading(3, 6, 1, "子", "子", true).HexagramJudgement(), HexagramText(2506));
    EXPECT_EQ(CGuaReading(1, 1, 6, "子", "子", true).MovingLineText(), HexagramText(2008));
}

TEST(CGuaReading, PicturesAndTextsOfAnImpossibleReadingAreEmpty) {
    CGuaReading reading(9, 0, 0, "子", "子", true);
    EXPECT_EQ(reading.hexagramNumber, 0);
    EXPECT_EQ(reading.hexagramName, "");
    EXPECT_EQ(reading.UpperPicture(), "");
    EXPECT_EQ(reading.LowerPicture(), "");
    EXPECT_EQ(reading.HexagramJudgement(), "");
    EXPECT_EQ(reading.MovingLineText(), "");
    EXPECT_EQ(reading.upperName, " ");
    EXPECT_EQ(reading.ChangedUpper(), -1);
    EXPECT_EQ(reading.ChangedLower(), -1);
    const CGuaReading valid(3, 7, 2, "子", "子", true);
    EXPECT_EQ(valid.UpperPicture(), "离.bmp");
    EXPECT_EQ(valid.LowerPicture(), "艮.bmp");
}

TEST(CGuaReading, BranchesCountFromTigerForMonthsAndRatForDays) {
    for (int b = 0; b < 12; ++b) {
        const CGuaReading reading(1, 1, 1, kBranches[b], kBranches[b], false);
        EXPECT_EQ(reading.monthIndex, (b + 10) % 12 + 1) << kBranches[b];  // 寅 1 .. 子 11, 丑 12
        EXPECT_EQ(reading.dayIndex, b + 1) << kBranches[b];
    }
    const CGuaReading notABranch(1, 1, 1, "甲", "子子", false);
    EXPECT_EQ(notABranch.monthIndex, 0);
    EXPECT_EQ(notABranch.dayIndex, 0);
    EXPECT_EQ(notABranch.MonthState(1), " ");
    EXPECT_EQ(notABranch.DayState(1), " ");
}

// W 旺地, S 生地, X 休囚之地, D 死地 for each phase over the branches 子 .. 亥.
TEST(CGuaReading, StateOfEachPhaseInEachMonthAndOnEachDay) {
    const char* const expected[6] = {
        "", "XSXXSDDSWWSX", "SXWWXXXXDDXS", "WDXXDXXDSSDW", "DXSSXWWXXXXD", "XWDDWSSWXXWX"};
    auto word = [](char code) -> std::string {
        return code == 'W' ? "旺地" : code == 'S' ? "生地" : code == 'X' ? "休囚之地" : "死地";
    };
    for (int b = 0; b < 12; ++b) {
        const CGuaReading reading(1, 1, 1, kBranches[b], kBranches[b], false);
        for (int phase = 1; phase <= 5; ++phase) {
            EXPECT_EQ(reading.MonthState(phase), word(expected[phase][b])) << phase << kBranches[b];
            EXPECT_EQ(reading.DayState(phase), word(expected[phase][b])) << phase << kBranches[b];
        }
        EXPECT_EQ(reading.MonthState(0), " ");
        EXPECT_EQ(reading.DayState(6), " ");
    }
}

TEST(CGuaReading, UseRelationOfEveryPairOfPhases) {
    // Rows: body 金 木 水 火 土; columns: use 金 木 水 火 土.
    const char* const expected[6][6] = {{},
                                        {"", "助", "耗", "泄", "克", "生"},
                                        {"", "克", "助", "生", "泄", "耗"},
                                        {"", "生", "泄", "助", "耗", "克"},
                                        {"", "耗", "生", "克", "助", "泄"},
                                        {"", "泄", "克", "耗", "生", "助"}};
    for (int body = 1; body <= 5; ++body) {
        for (int use = 1; use <= 5; ++use) {
            // Moving line 1 lies in the lower trigram: the upper one is the body.
            const CGuaReading reading(kTrigramOfPhase[body], kTrigramOfPhase[use], 1, "子", "子", false);
            ASSERT_EQ(reading.bodyPhase, body);
            ASSERT_EQ(reading.usePhase, use);
            EXPECT_EQ(reading.UseRelation(), expected[body][use]) << body << "/" << use;
        }
    }
}

TEST(CGuaReading, VerdictsOfTheNamedSituations) {
    // Body 乾 金 and use 兑 金 help each other: that alone decides.
    EXPECT_EQ(CGuaReading(1, 2, 1, "申", "午", false).OverallVerdict(), "综合力量极旺");
    EXPECT_EQ(CGuaReading(1, 2, 1, "午", "午", false).OverallVerdict(), "综合力量偏弱");
    // Body 金, use 震 木 (耗), month 申 (旺地): day 子 (休囚之地) and day 午 (死地).
    EXPECT_EQ(CGuaReading(1, 4, 1, "申", "子", false).OverallVerdict(), "综合力量偏旺");
    EXPECT_EQ(CGuaReading(1, 4, 1, "申", "午", false).OverallVerdict(), "综合力量趋于平衡");
    // Body 金, use 坎 水 (泄), month 午 and day 巳 both 死地.
    EXPECT_EQ(CGuaReading(1, 6, 1, "午", "巳", false).OverallVerdict(), "综合力量极弱");
    // A month that is no branch weighs like 死地.
    EXPECT_EQ(CGuaReading(1, 4, 1, "?", "申", false).OverallVerdict(), "综合力量偏弱");
    EXPECT_EQ(CGuaReading(1, 4, 1, "?", "子", false).OverallVerdict(), "综合力量极弱");
}

// Every combination of month state, day state and relation that readings can produce, against the rule.
TEST(CGuaReading, VerdictOfEveryCombinationOfTheThreeWords) {
    std::set<std::tuple<std::string, std::string, std::string>> combinations;
    std::set<std::string> verdicts;
    const std::string branchTexts[13] = {"子", "丑", "寅", "卯", "辰", "巳", "午",
                                         "未", "申", "酉", "戌", "亥", "?"};
    for (int upper = 1; upper <= 8; ++upper) {
        for (int lower = 1; lower <= 8; ++lower) {
            for (int moving : {1, 4}) {
                for (const std::string& month : branchTexts) {
                    for (const std::string& day : branchTexts) {
                        const CGuaReading r(upper, lower, moving, month, day, false);
                        const std::string m = r.MonthState(r.bodyPhase);
                        const std::string d = r.DayState(r.bodyPhase);
                        const std::string u = r.UseRelation();
                        const bool support = d == "生地" || d == "旺地" || u == "生" || u == "助";
                        std::string expected = support ? "综合力量偏弱" : "综合力量极弱";
                        if (m == "生地" || m == "旺地") {
                            expected = support                    ? "综合力量极旺"
                                       : d == "死地" || u == "克" ? "综合力量趋于平衡"
                                                                  : "综合力量偏旺";
                        }
                        ASSERT_EQ(r.OverallVerdict(), expected) << m << d << u;
                        ASSERT_TRUE(r.judgementText.ends_with("，" + expected + "。"));
                        combinations.insert({m, d, u});
                        verdicts.insert(expected);
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations.size(), 5u * 5u * 5u);  // 4 states or " ", twice, and 5 relations
    EXPECT_EQ(verdicts.size(), 5u);
}

TEST(CGuaReading, WorkedExampleSentence) {
    const CGuaReading reading(1, 8, 1, "午", "巳", true);
    EXPECT_EQ(reading.judgementText,
              "初爻为动爻，故上卦为体，下卦为用。体卦乾金在午月为处死地，临日建巳为死地，受用卦坤土之生，"
              "综合力量偏弱。");
    EXPECT_EQ(reading.bodyName, "乾");
    EXPECT_EQ(reading.useName, "坤");
}

TEST(CGuaReading, MovingLineDecidesTheBodyAndOpensTheSentence) {
    const CGuaReading lineThree(3, 4, 3, "午", "巳", true);
    EXPECT_EQ(lineThree.bodyTrigram, 3);
    EXPECT_EQ(lineThree.useTrigram, 4);
    EXPECT_TRUE(lineThree.judgementText.starts_with("三爻为动爻，故上卦为体，下卦为用。体卦离火"));
    const CGuaReading lineFour(3, 4, 4, "午", "巳", true);
    EXPECT_EQ(lineFour.bodyTrigram, 4);
    EXPECT_EQ(lineFour.useTrigram, 3);
    EXPECT_TRUE(lineFour.judgementText.starts_with("四爻为动爻，故下卦为体，上卦为用。体卦震木"));
    EXPECT_TRUE(
        CGuaReading(3, 4, 4, "午", "巳", false).judgementText.starts_with("下卦为体，上卦为用。体卦震木"));
}
