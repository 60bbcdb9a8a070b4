// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/CRandomGenerator.h"
#include "core/Cast.h"
#include "core/GuaTables.h"
#include "core/PredictionState.h"
#include "tests/support/FixedClock.h"

namespace {

PredictionState StateWithBranches(const std::string& month, const std::string& day) {
    PredictionState state;
    state.lunar.monthBranch = month;
    state.lunar.dayBranch = day;
    return state;
}

// The trigram whose table lines are these, found independently of CGuaReading's search.
int TrigramOf(int bottom, int middle, int top) {
    for (int t = 1; t <= 8; ++t) {
        if (TRIGRAM_LINES[t][1] == bottom && TRIGRAM_LINES[t][2] == middle && TRIGRAM_LINES[t][3] == top) {
            return t;
        }
    }
    return 0;
}

void ExpectHexagrams(int castingNumber, int main, int mutual, int changed) {
    PredictionState state = StateWithBranches("午", "巳");
    CastFromNumber(state, castingNumber);
    EXPECT_EQ(state.mainGua->hexagramNumber, main) << castingNumber;
    EXPECT_EQ(state.mutualGua->hexagramNumber, mutual) << castingNumber;
    EXPECT_EQ(state.changedGua->hexagramNumber, changed) << castingNumber;
}

}  // namespace

TEST(Cast, WorkedCastingNumbers) {
    ExpectHexagrams(10, 12, 53, 25);  // 否, 渐, 无妄
    ExpectHexagrams(100, 12, 53, 25);
    ExpectHexagrams(32767, 42, 23, 20);  // 益, 剥, 观
    ExpectHexagrams(9999, 58, 37, 10);   // 兑, 家人, 履
    ExpectHexagrams(12345, 21, 39, 30);  // 噬嗑, 蹇, 离

    PredictionState state = StateWithBranches("午", "巳");
    CastFromNumber(state, 9999);
    EXPECT_EQ(state.mainGua->movingLine, 6);
    EXPECT_EQ(state.mainGua->bodyName, "兑");
    EXPECT_EQ(state.changedGua->upperName, "乾");
    CastFromNumber(state, 12345);
    EXPECT_EQ(state.mainGua->bodyName, "离");
    EXPECT_EQ(state.mainGua->useName, "震");
    EXPECT_EQ(state.mainGua->movingLine, 3);
}

// The main reading of 2009-06-17 with its mutual and changed readings, sentences derived by hand.
TEST(Cast, WorkedExampleSentencesOfAllThreeReadings) {
    PredictionState state;
    EXPECT_TRUE(state.lunar.Convert(COleDateTime(2009, 6, 17)));
    CastFromNumber(state, 10);
    EXPECT_EQ(state.mainGua->judgementText,
              "初爻为动爻，故上卦为体，下卦为用。体卦乾金在午月为处死地，临日建巳为死地，受用卦坤土之生，"
              "综合力量偏弱。");
    EXPECT_EQ(state.mutualGua->judgementText,
              "上卦为体，下卦为用。体卦巽木在午月为处休囚之地，临日建巳为休囚之地，受用卦艮土之耗，"
              "综合力量极弱。");
    EXPECT_EQ(state.changedGua->judgementText,
              "上卦为体，下卦为用。体卦乾金在午月为处死地，临日建巳为死地，受用卦震木之耗，综合力量极弱。");
    EXPECT_EQ(state.mainGua->lines[1] + state.mainGua->lines[2] + state.mainGua->lines[3], 0);
}

// Every number the generator can give after the discards: digit sums, trigrams, line arithmetic, body and
// use.
TEST(Cast, EveryCastingNumberAgreesWithTheLineArithmetic) {
    PredictionState state = StateWithBranches("寅", "酉");
    for (int r = 10; r <= 32767; ++r) {
        const std::string digits = std::to_string(r);
        const std::size_t upperLength = digits.size() / 2;
        int upperSum = 0;
        int lowerSum = 0;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            (i < upperLength ? upperSum : lowerSum) += digits[i] - '0';
        }
        const CastTrigrams cast = SplitCastingNumber(r);
        ASSERT_EQ(cast.upper, (upperSum + 7) % 8 + 1) << r;
        ASSERT_EQ(cast.lower, (lowerSum + 7) % 8 + 1) << r;
        ASSERT_EQ(cast.movingLine, (upperSum + lowerSum + 5) % 6 + 1) << r;

        CastFromNumber(state, r);
        const CGuaReading& main = *state.mainGua;
        ASSERT_EQ(main.hexagramNumber, HEXAGRAM_TABLE[cast.upper][cast.lower].number);
        int line[7] = {};
        for (int i = 1; i <= 3; ++i) {
            line[i] = TRIGRAM_LINES[cast.lower][i];
            line[i + 3] = TRIGRAM_LINES[cast.upper][i];
        }
        ASSERT_EQ(state.mutualGua->upperTrigram, TrigramOf(line[3], line[4], line[5])) << r;
        ASSERT_EQ(state.mutualGua->lowerTrigram, TrigramOf(line[2], line[3], line[4])) << r;
        line[cast.movingLine] = 1 - line[cast.movingLine];
        ASSERT_EQ(state.changedGua->upperTrigram, TrigramOf(line[4], line[5], line[6])) << r;
        ASSERT_EQ(state.changedGua->lowerTrigram, TrigramOf(line[1], line[2], line[3])) << r;

        const CGuaReading* const readings[3] = {&main, state.mutualGua.get(), state.changedGua.get()};
        for (const CGuaReading* reading : readings) {
            const bool upperMoves = cast.movingLine > 3;
            ASSERT_EQ(reading->movingLine, cast.movingLine);
            ASSERT_EQ(reading->bodyTrigram, upperMoves ? reading->lowerTrigram : reading->upperTrigram);
            ASSERT_EQ(reading->useTrigram, upperMoves ? reading->upperTrigram : reading->lowerTrigram);
            ASSERT_EQ(reading->showMovingLine, reading == &main);
            ASSERT_EQ(reading->monthBranch, "寅");
            ASSERT_EQ(reading->dayBranch, "酉");
        }
    }
}

TEST(Cast, GeneratorGivesTheClassicSequence) {
    // Seed 0: the first state is 2531011, and 2531011 >> 16 = 38.
    CRandomGenerator zero(0);
    EXPECT_EQ(zero.Next(), 38);
    // Seed 1: 214013 + 2531011 = 2745024, >> 16 = 41; then the well-known 18467, 6334, 26500, 19169.
    CRandomGenerator one(1);
    for (int expected : {41, 18467, 6334, 26500, 19169}) {
        EXPECT_EQ(one.Next(), expected);
    }
    CRandomGenerator unseeded;
    EXPECT_EQ(unseeded.Next(), 41);
}

TEST(Cast, CastingDiscardsSingleDigitsAndRepeatsWithinASecond) {
    // At this time the first value is 1 (discarded) and the second 16907: 1+6 = 7 艮 over 9+0+7 = 16 → 坤,
    // moving line 23 mod 6 = 5, so 剥 with the body below.
    FixedClock clock(static_cast<std::time_t>(1245203952));
    PredictionState state = StateWithBranches("午", "巳");
    EXPECT_EQ(DrawCastingNumber(), 16907);
    CastHexagrams(state);
    EXPECT_EQ(state.mainGua->hexagramName, "剥");
    EXPECT_EQ(state.mainGua->movingLine, 5);
    EXPECT_EQ(state.mainGua->bodyName, "坤");
    const std::string firstSentence = state.mutualGua->judgementText;
    CastHexagrams(state);
    EXPECT_EQ(state.mainGua->hexagramNumber, 23);
    EXPECT_EQ(state.mutualGua->judgementText, firstSentence);
}
