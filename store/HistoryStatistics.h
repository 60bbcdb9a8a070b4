// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the saved predictions say about their codes: how often they hit, next to how often plain chance would
// have hit with the same codes. Every draw is one of the 1000 numbers 000 .. 999, all equally likely.
#include <array>
#include <string>
#include <vector>

#include "store/HistoryRecord.h"

// The chance that one draw hits some of the eight codes.
struct DrawChance {
    double exact = 0.0;  // digit for digit: the number of distinct codes / 1000
    double box = 0.0;    // the same three digits in any order (组选), summed over the codes' distinct boxes
};
DrawChance ChanceOfCodes(const std::array<std::string, 8>& codes);

// How many of the 1000 draws a code wins as 组选, the way the game sells it: a code with a pair is sold as
// 组三 and wins 3 orders, three different digits as 组六 and win 6; a triple (豹子) is not sold as 组选 at
// all, nor is anything that is not three digits: 0.
int OrdersOfBox(const std::string& code);

// A box hit (组选): the code is sold as 组选, the draw is three digits and both hold the same digits in any
// order. A triple never is one: 777 is no 组选 hit, even on 777.
bool IsBoxMatch(const std::string& code, const std::string& draw);

struct CodePositionHits {
    int exact = 0;  // draws the program marked as hit by this code (is_right)
    int box = 0;    // draws this code matched as a box
};

// The hit rate and the chance rate over the draws entered so far, after each of them in list order.
struct RunningRates {
    double hitRate = 0.0;
    double chanceRate = 0.0;
};

struct HistoryStatistics {
    int saved = 0;
    int entered = 0;  // records with a draw result
    int pending = 0;
    int exactHits = 0;  // the program's own verdict, 正确
    int boxHits = 0;    // draws that some code matched as a box
    // The chance of an exact hit and of a box hit for each entered draw, in list order.
    std::vector<double> exactChances;
    std::vector<double> boxChances;
    std::array<CodePositionHits, 8> positions{};
    std::vector<RunningRates> running;  // of exact hits, one entry per entered draw

    double ExpectedExactHits() const;
    double ExpectedBoxHits() const;
};

// The statistics of these records, given in list order.
HistoryStatistics ComputeHistoryStatistics(const std::vector<HistoryRecord>& records);
// Counts one more record, the next in list order: records read one at a time give the same statistics.
void AddToStatistics(HistoryStatistics& stats, const HistoryRecord& record);

// One plain sentence on whether the exact hits could be chance, by the exact two-sided binomial test at the
// usual 5% level. It says what the test says and nothing more.
std::string ChanceSentence(const HistoryStatistics& stats);
