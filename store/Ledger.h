// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The money, honestly: had the player bought each of the eight codes as a ticket for every draw entered,
// what it would have cost, what the tickets would have won, and what plain chance pays back on average.
// 直选 tickets win when the draw equals the code digit for digit; 组选 tickets the way the game sells them: a
// code with a pair as 组三 (3 orders of the 1000 draws win), three different digits as 组六 (6 orders), and a
// triple (豹子) not at all.
#include <string>
#include <vector>

#include "store/HistoryRecord.h"

// The price of a ticket and the prizes, in whole 元; the player may set them (morvint.conf).
struct LedgerPrices {
    int stake = 2;
    int straightPrize = 1040;  // 直选
    int pairPrize = 346;       // 组三
    int sixPrize = 173;        // 组六
};

struct LedgerLine {
    long long tickets = 0;
    long long spent = 0;
    long long won = 0;
    double chanceWon = 0.0;  // what plain chance pays back on average for the same tickets

    long long Balance() const { return won - spent; }
};

struct Ledger {
    int draws = 0;  // draws entered
    LedgerLine straight;
    LedgerLine box;
};

// Over the records that have their draw number.
Ledger ComputeLedger(const std::vector<HistoryRecord>& records, const LedgerPrices& prices);
// Adds one more record to the ledger.
void AddToLedger(Ledger& ledger, const HistoryRecord& record, const LedgerPrices& prices);

// One sentence on the two lines of the ledger, in the words of the statistics window.
std::string LedgerSentence(const Ledger& ledger);
