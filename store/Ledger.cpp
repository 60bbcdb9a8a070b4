#include "store/Ledger.h"

#include <cmath>

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

std::string Yuan(double amount) {
    return std::to_string(std::llround(amount)) + " 元";
}

std::string Share(double part, long long whole) {
    return whole == 0 ? "0%" : std::to_string(std::llround(100.0 * part / static_cast<double>(whole))) + "%";
}

}  // namespace

Ledger ComputeLedger(const std::vector<HistoryRecord>& records, const LedgerPrices& prices) {
    Ledger ledger;
    for (const HistoryRecord& record : records) {
        if (!record.HasDrawResult() || !IsDrawNumber(record.open_data)) {
            continue;
        }
        ++ledger.draws;
        for (const std::string& code : record.data) {
            if (IsDrawNumber(code)) {
                BuyStraight(ledger.straight, code, record.open_data, prices);
                BuyBox(ledger.box, code, record.open_data, prices);
            }
        }
    }
    return ledger;
}

std::string LedgerSentence(const Ledger& ledger) {
    if (ledger.draws == 0) {
        return "还没有输入开奖号码，无从算账。";
    }
    const LedgerLine& s = ledger.straight;
    return "若每期把八组号码各买一注直选，" + std::to_string(ledger.draws) + " 期共投入 " + Yuan(s.spent) +
           "，可得奖金 " + Yuan(s.won) + "；纯凭偶然平均可得 " + Yuan(s.chanceWon) + "，只是投入的 " +
           Share(s.chanceWon, s.spent) + "。";
}
