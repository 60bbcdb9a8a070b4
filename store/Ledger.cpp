// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Ledger.h"

#include <cmath>

#include "core/MessageTexts.h"
#include "store/HistoryStatistics.h"
#include "store/HistoryVerdict.h"

namespace {

constexpr double kDraws = 1000.0;

void BuyStraight(LedgerLine& line, const std::string& code, const std::string& draw,
                 const LedgerPrices& prices) {
    ++line.tickets;
    line.spent += prices.stake;
    line.won += code == draw ? prices.straightPrize : 0;
    line.chanceWon += prices.straightPrize / kDraws;
}

void BuyBox(LedgerLine& line, const std::string& code, const std::string& draw, const LedgerPrices& prices) {
    const int orders = OrdersOfBox(code);
    if (orders == 0) {
        return;  // a triple: no 组选 ticket to buy
    }
    const int prize = orders == 3 ? prices.pairPrize : prices.sixPrize;
    ++line.tickets;
    line.spent += prices.stake;
    line.won += IsBoxMatch(code, draw) ? prize : 0;
    line.chanceWon += orders / kDraws * prize;
}

// Whole 元, rounded.
long long Yuan(double amount) {
    return std::llround(amount);
}

// A percentage, rounded.
long long Share(double part, long long whole) {
    return whole == 0 ? 0 : std::llround(100.0 * part / static_cast<double>(whole));
}

}  // namespace

Ledger ComputeLedger(const std::vector<HistoryRecord>& records, const LedgerPrices& prices) {
    Ledger ledger;
    for (const HistoryRecord& record : records) {
        AddToLedger(ledger, record, prices);
    }
    return ledger;
}

void AddToLedger(Ledger& ledger, const HistoryRecord& record, const LedgerPrices& prices) {
    if (!record.HasDrawResult() || !IsDrawNumber(record.open_data)) {
        return;
    }
    ++ledger.draws;
    for (const std::string& code : record.data) {
        if (IsDrawNumber(code)) {
            BuyStraight(ledger.straight, code, record.open_data, prices);
            BuyBox(ledger.box, code, record.open_data, prices);
        }
    }
}

std::string LedgerSentence(const Ledger& ledger) {
    if (ledger.draws == 0) {
        return Messages::kLedgerWithoutDraws.text;
    }
    const LedgerLine& s = ledger.straight;
    return FormatText(Messages::kLedger, ledger.draws, s.spent, s.won, Yuan(s.chanceWon),
                      Share(s.chanceWon, s.spent));
}
