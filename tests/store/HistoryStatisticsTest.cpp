// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of saved predictions: the chance of the eight codes worked out by hand, and the counts of
// exact and box hits per code position.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "core/MessageTexts.h"
#include "store/HistoryStatistics.h"
#include "store/Ledger.h"

namespace {

HistoryRecord Record(std::array<std::string, 8> codes, const std::string& draw, int isRight) {
    HistoryRecord record;
    record.data = std::move(codes);
    record.open_data = draw;
    record.is_right = isRight;
    return record;
}

TEST(HistoryStatisticsTest, TheChanceOfTheCodesCountsEachCodeAndEachBoxOnce) {
    // Eight different codes with eight different boxes of three different digits.
    const DrawChance plain = ChanceOfCodes({"012", "345", "678", "901", "234", "567", "890", "123"});
    EXPECT_DOUBLE_EQ(plain.exact, 8 / 1000.0);
    EXPECT_DOUBLE_EQ(plain.box, 48 / 1000.0);

    // Distinct codes 112 121 211 333 012 210; boxes {1,1,2} (a pair, 组三: 3 draws), {3,3,3} (a triple, not
    // sold as 组选: none), {0,1,2} (组六: 6).
    const DrawChance repeated = ChanceOfCodes({"112", "121", "211", "112", "333", "333", "012", "210"});
    EXPECT_DOUBLE_EQ(repeated.exact, 6 / 1000.0);
    EXPECT_DOUBLE_EQ(repeated.box, 9 / 1000.0);

    // Eight equal codes are one code; a hand-edited code that is not three digits is no code at all.
    const DrawChance equal = ChanceOfCodes({"777", "777", "777", "777", "777", "777", "777", "77"});
    EXPECT_DOUBLE_EQ(equal.exact, 1 / 1000.0);
    EXPECT_DOUBLE_EQ(equal.box, 0.0);
}

TEST(HistoryStatisticsTest, BoxMatchesIgnoreOrderButNotDigitsOrLength) {
    EXPECT_TRUE(IsBoxMatch("012", "210"));
    EXPECT_TRUE(IsBoxMatch("112", "121"));
    EXPECT_FALSE(IsBoxMatch("112", "122"));
    EXPECT_FALSE(IsBoxMatch("012", "未知"));
    EXPECT_FALSE(IsBoxMatch("12", "12"));
    EXPECT_FALSE(IsBoxMatch("777", "777")) << "a triple is not sold as 组选";
    EXPECT_EQ(OrdersOfBox("777"), 0);
    EXPECT_EQ(OrdersOfBox("771"), 3);
    EXPECT_EQ(OrdersOfBox("017"), 6);
}

TEST(HistoryStatisticsTest, HitsAreCountedPerPositionAndRatesRunOverTheEnteredDraws) {
    const std::array<std::string, 8> codes{"012", "345", "678", "901", "234", "567", "890", "123"};
    std::array<std::string, 8> withPair = codes;
    withPair[7] = "112";
    const std::vector<HistoryRecord> records = {
        Record(codes, "345", 2),     // exact (and so box) on code 2
        Record(codes, "999", 0),     // a miss
        Record(codes, "102", 0),     // a box hit on code 1, 012
        Record(withPair, "121", 0),  // a box hit on code 8, 112
        Record(codes, "未知", 11),   // pending
        Record(codes, "未知", 42),   // any other mark is pending too
    };

    const HistoryStatistics stats = ComputeHistoryStatistics(records);

    EXPECT_EQ(stats.saved, 6);
    EXPECT_EQ(stats.entered, 4);
    EXPECT_EQ(stats.pending, 2);
    EXPECT_EQ(stats.exactHits, 1);
    EXPECT_EQ(stats.positions[1].exact, 1);
    EXPECT_EQ(stats.boxHits, 3);  // 345 itself, 102 and 121
    EXPECT_EQ(stats.positions[0].box, 1);
    EXPECT_EQ(stats.positions[1].box, 1);
    EXPECT_EQ(stats.positions[3].box, 0);
    EXPECT_EQ(stats.positions[7].box, 1);
    EXPECT_DOUBLE_EQ(stats.ExpectedExactHits(), 4 * 8 / 1000.0);
    EXPECT_DOUBLE_EQ(stats.ExpectedBoxHits(), (3 * 48 + 42 + 3) / 1000.0);

    ASSERT_EQ(stats.running.size(), 4u);
    EXPECT_DOUBLE_EQ(stats.running[0].hitRate, 1.0);
    EXPECT_DOUBLE_EQ(stats.running[3].hitRate, 0.25);
    EXPECT_DOUBLE_EQ(stats.running[3].chanceRate, 8 / 1000.0);
}

// The chance of the codes and the box matches, counted with sets of sorted strings as the rules read, on
// random codes drawn from few digits (so that repeats, pairs and triples are common) and now and then no
// draw number at all.
TEST(HistoryStatisticsTest, ChancesAndBoxMatchesAgreeWithThePlainCountOnRandomCodes) {
    const auto isNumber = [](const std::string& code) {
        return code.size() == 3 && std::ranges::all_of(code, [](char c) { return c >= '0' && c <= '9'; });
    };
    const auto sorted = [](std::string code) {
        std::ranges::sort(code);
        return code;
    };
    const auto plainOrders = [&](const std::string& code) {
        if (!isNumber(code)) {
            return 0;
        }
        const std::string digits = sorted(code);
        return digits[0] == digits[2] ? 0 : digits[0] == digits[1] || digits[1] == digits[2] ? 3 : 6;
    };
    std::mt19937 random(399);
    const std::string alphabet = "0127";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> oddOne(0, 19);
    const auto randomCode = [&] {
        std::string code{alphabet[pick(random)], alphabet[pick(random)], alphabet[pick(random)]};
        const int odd = oddOne(random);
        return odd == 0 ? code.substr(0, 2) : odd == 1 ? std::string("未知") : odd == 2 ? code + "1" : code;
    };
    for (int round = 0; round < 2000; ++round) {
        std::array<std::string, 8> codes;
        std::ranges::generate(codes, randomCode);
        std::set<std::string> distinct;
        std::set<std::string> boxes;
        for (const std::string& code : codes) {
            if (isNumber(code)) {
                distinct.insert(code);
                boxes.insert(sorted(code));
            }
        }
        int boxDraws = 0;
        for (const std::string& box : boxes) {
            boxDraws += plainOrders(box);
        }
        const DrawChance chance = ChanceOfCodes(codes);
        ASSERT_EQ(chance.exact, static_cast<double>(distinct.size()) / 1000.0) << round;
        ASSERT_EQ(chance.box, boxDraws / 1000.0) << round;
        const std::string draw = randomCode();
        for (const std::string& code : codes) {
            ASSERT_EQ(OrdersOfBox(code), plainOrders(code)) << code;
            ASSERT_EQ(IsBoxMatch(code, draw),
                      plainOrders(code) > 0 && isNumber(draw) && sorted(code) == sorted(draw))
                << code << " on " << draw;
        }
    }
}

// The sentence at the edges of the 5% level: 100 draws of eight distinct codes expect 0.8 hits; two hits
// happen by chance one time in five (p = 0.19), three hits less than one time in twenty (p = 0.047).
TEST(HistoryStatisticsTest, TheChanceSentenceFollowsTheExactTestAtItsEdges) {
    EXPECT_EQ(ChanceSentence(ComputeHistoryStatistics({})), Messages::kChanceWithoutDraws.text);
    EXPECT_EQ(ChanceSentence(ComputeHistoryStatistics({Record({}, "未知", 11)})),
              Messages::kChanceWithoutDraws.text);

    const std::array<std::string, 8> codes{"012", "345", "678", "901", "234", "567", "890", "123"};
    const auto withHits = [&](int hits) {
        std::vector<HistoryRecord> records(100, Record(codes, "999", 0));
        for (int i = 0; i < hits; ++i) {
            records[static_cast<std::size_t>(i)] = Record(codes, "012", 1);
        }
        return ChanceSentence(ComputeHistoryStatistics(records));
    };
    const auto facts = [](int hits) { return FormatText(Messages::kChanceFacts, 100, hits, "0.8"); };
    EXPECT_EQ(withHits(2),
              FormatText(Messages::kChanceAlike, facts(2), FormatText(Messages::kPValue, "0.19")));
    EXPECT_EQ(withHits(3),
              FormatText(Messages::kChanceMore, facts(3), FormatText(Messages::kPValue, "0.047")));
    EXPECT_EQ(withHits(20), FormatText(Messages::kChanceMore, facts(20), Messages::kPValueBelow.text));
}

// Worked by hand. Draw 1: eight 组六 codes, 345 hits as 直选 (1040 元) and as 组选 (173 元). Draw 2: seven
// codes that are three digits; 112 and 121 hit 211 as 组三 (346 元 each), the triples 777, 555 and 999 buy no
// 组选.
TEST(LedgerTest, TicketsCostWinningsAndChanceAddUpByHand) {
    const std::array<std::string, 8> plain{"012", "345", "678", "901", "234", "567", "890", "123"};
    const std::array<std::string, 8> mixed{"112", "121", "777", "555", "012", "210", "999", "77"};
    const std::vector<HistoryRecord> records = {Record(plain, "345", 2), Record(mixed, "211", 0),
                                                Record(plain, "未知", 11)};

    const Ledger ledger = ComputeLedger(records, LedgerPrices{});

    EXPECT_EQ(ledger.draws, 2);
    EXPECT_EQ(ledger.straight.tickets, 15);
    EXPECT_EQ(ledger.straight.spent, 30);
    EXPECT_EQ(ledger.straight.won, 1040);
    EXPECT_DOUBLE_EQ(ledger.straight.chanceWon, 15 * 1.04);
    EXPECT_EQ(ledger.box.tickets, 12);
    EXPECT_EQ(ledger.box.spent, 24);
    EXPECT_EQ(ledger.box.won, 173 + 2 * 346);
    EXPECT_DOUBLE_EQ(ledger.box.chanceWon, 8 * 6 * 0.173 + 2 * 3 * 0.346 + 2 * 6 * 0.173);
    EXPECT_EQ(ledger.box.Balance(), 865 - 24);
    EXPECT_EQ(LedgerSentence(ledger), FormatText(Messages::kLedger, 2, 30, 1040, 16, 52));

    const Ledger dear = ComputeLedger(records, LedgerPrices{10, 5000, 1000, 500});
    EXPECT_EQ(dear.straight.spent, 150);
    EXPECT_EQ(dear.straight.won, 5000);
    EXPECT_EQ(dear.box.won, 500 + 2 * 1000);
    EXPECT_EQ(LedgerSentence(ComputeLedger({}, LedgerPrices{})), Messages::kLedgerWithoutDraws.text);
}

}  // namespace
