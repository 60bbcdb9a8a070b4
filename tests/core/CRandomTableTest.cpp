// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/CRandomGenerator.h"
#include "core/CRandomTable.h"
#include "tests/support/FixedClock.h"

TEST(CRandomTable, FillStoresTheGeneratorsFirstThirtyValues) {
    CRandomTable table;
    table.Fill(1);
    EXPECT_EQ(table.randomTable[0], 41);
    EXPECT_EQ(table.randomTable[1], 18467);
    EXPECT_EQ(table.randomTable[4], 19169);
    CRandomGenerator reference(1);
    for (int value : table.randomTable) {
        EXPECT_EQ(value, reference.Next());
    }
    EXPECT_EQ(table.randomReadIndex, 0);
}

TEST(CRandomTable, FillFromTheClockSeedsWithTheCurrentSecond) {
    FixedClock clock(2010, 3, 5, 14, 30, 15);
    CRandomTable fromClock;
    fromClock.FillRandomTable();
    CRandomTable fromSeed;
    fromSeed.Fill(static_cast<std::uint32_t>(Clock::Now()));
    EXPECT_EQ(fromClock.randomTable, fromSeed.randomTable);
    clock.Advance(1);
    fromSeed.FillRandomTable();
    EXPECT_NE(fromClock.randomTable, fromSeed.randomTable);
}

TEST(CRandomTable, ReadsStartAtEntryOneAndWrapAfterThirty) {
    CRandomTable table;
    for (int i = 0; i < CRandomTable::kSize; ++i) {
        table.randomTable[i] = 100 + i;
    }
    EXPECT_EQ(table.RandomInRange(0, 1000), 101);
    for (int read = 2; read < 30; ++read) {
        table.RandomInRange(0, 1000);
    }
    EXPECT_EQ(table.RandomInRange(0, 1000), 100);  // the 30th read
    EXPECT_EQ(table.RandomInRange(0, 1000), 101);  // the 31st repeats the first
    EXPECT_EQ(table.RandomInRange(48, 57), 48 + 102 % 10);
    EXPECT_EQ(table.RandomInRange(5, 4), 5);  // an empty range does not divide by zero
    EXPECT_EQ(table.randomReadIndex, 3);
}

TEST(CRandomTable, FormatCodeKeepsLeadingZeros) {
    const std::pair<int, const char*> cases[] = {{0, "000"},   {5, "005"},   {9, "009"},
                                                 {10, "010"},  {40, "040"},  {99, "099"},
                                                 {100, "100"}, {116, "116"}, {999, "999"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatCode(value), text);
    }
}

// Entries chosen by hand: reads 1..3 give 0, 0, 0 (mod 9), reads 4..6 give 8, 8, 8, and the four free codes
// take reads 7..18 as digits (mod 10), first draw last.
TEST(CRandomTable, EightCodesInDrawOrder) {
    CRandomTable table;
    table.randomTable = {0, 9, 18, 27, 17, 8, 35, 7, 0, 0, 1, 2, 3, 9, 9, 0, 12345, 32767, 10};
    const std::array<std::string, 8> codes = FormEightCodes(table);
    EXPECT_EQ(codes[2], "000");
    EXPECT_EQ(codes[3], "111");
    EXPECT_EQ(codes[6], "888");
    EXPECT_EQ(codes[7], "999");
    EXPECT_EQ(codes[0], "007");
    EXPECT_EQ(codes[1], "321");
    EXPECT_EQ(codes[4], "099");
    EXPECT_EQ(codes[5], "075");
    EXPECT_EQ(table.randomReadIndex, 18);
}

TEST(CRandomTable, CodesKeepTheirDigitRulesForManySeeds) {
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        CRandomTable table;
        table.Fill(seed);
        const std::array<std::string, 8> codes = FormEightCodes(table);
        for (const std::string& code : codes) {
            ASSERT_EQ(code.size(), 3u);
            for (char c : code) {
                ASSERT_TRUE(c >= '0' && c <= '9') << code;
            }
        }
        for (int low : {2, 6}) {
            for (int i = 0; i < 3; ++i) {
                ASSERT_NE(codes[low][i], '9') << seed;
                ASSERT_EQ(codes[low + 1][i], codes[low][i] + 1) << seed;
            }
        }
        CRandomTable again;
        again.Fill(seed);
        ASSERT_EQ(FormEightCodes(again), codes);
    }
}
