// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/HistoryStatistics.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <utility>

#include "core/ExactBinomial.h"
#include "core/MessageTexts.h"
#include "store/HistoryVerdict.h"

namespace {

constexpr double kDraws = 1000.0;
constexpr double kSignificance = 0.05;

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string PValueText(double p) {
    if (p < 0.001) {
        return Messages::kPValueBelow.text;
    }
    // Two significant digits: 0.047 must not round up to a "0.05" that reads as the level itself.
    return FormatText(Messages::kPValue, Format("%.2g", p));
}

// The digits of a draw number in ascending order, read as one number (12 for 201, 777 for 777), which names
// its box; -1 for a code that is no draw number. Counted for every code of every record, so without a copy.
int BoxKey(const std::string& code) {
    if (!IsDrawNumber(code)) {
        return -1;
    }
    char a = code[0];
    char b = code[1];
    char c = code[2];
    if (a > b) {
        std::swap(a, b);
    }
    if (b > c) {
        std::swap(b, c);
    }
    if (a > b) {
        std::swap(a, b);
    }
    return (a - '0') * 100 + (b - '0') * 10 + (c - '0');
}

// OrdersOfBox of a box named by BoxKey.
int OrdersOfKey(int key) {
    const int low = key / 100;
    const int middle = key / 10 % 10;
    const int high = key % 10;
    if (key < 0 || low == high) {
        return 0;
    }
    return low == middle || middle == high ? 3 : 6;
}

void CountDraw(HistoryStatistics& stats, const HistoryRecord& record) {
    const DrawChance chance = ChanceOfCodes(record.data);
    stats.exactChances.push_back(chance.exact);
    stats.boxChances.push_back(chance.box);
    if (IsHit(record.is_right)) {
        ++stats.exactHits;
        ++stats.positions[static_cast<std::size_t>(record.is_right - 1)].exact;
    }
    bool boxHit = false;
    for (std::size_t k = 0; k < record.data.size(); ++k) {
        if (IsBoxMatch(record.data[k], record.open_data)) {
            ++stats.positions[k].box;
            boxHit = true;
        }
    }
    stats.boxHits += boxHit ? 1 : 0;
    // The rates so far: the chance rate is the mean exact chance of the draws up to this one.
    const double draws = static_cast<double>(stats.exactChances.size());
    const double chanceBefore = stats.running.empty() ? 0.0 : stats.running.back().chanceRate * (draws - 1);
    stats.running.push_back({stats.exactHits / draws, (chanceBefore + chance.exact) / draws});
}

}  // namespace

DrawChance ChanceOfCodes(const std::array<std::string, 8>& codes) {
    // Eight codes at most: a look back over those seen so far finds each distinct code and box once.
    std::array<int, 8> distinct{};
    std::array<int, 8> boxes{};
    std::size_t distinctCount = 0;
    std::size_t boxCount = 0;
    int boxDraws = 0;
    for (const std::string& code : codes) {
        const int key = BoxKey(code);
        if (key < 0) {
            continue;
        }
        const int number = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
        if (std::find(distinct.begin(), distinct.begin() + static_cast<std::ptrdiff_t>(distinctCount),
                      number) == distinct.begin() + static_cast<std::ptrdiff_t>(distinctCount)) {
            distinct[distinctCount++] = number;
        }
        if (std::find(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(boxCount), key) ==
            boxes.begin() + static_cast<std::ptrdiff_t>(boxCount)) {
            boxes[boxCount++] = key;
            boxDraws += OrdersOfKey(key);  // a triple is not sold as 组选: 0
        }
    }
    return {static_cast<double>(distinctCount) / kDraws, boxDraws / kDraws};
}

int OrdersOfBox(const std::string& code) {
    return OrdersOfKey(BoxKey(code));
}

bool IsBoxMatch(const std::string& code, const std::string& draw) {
    const int key = BoxKey(code);
    return OrdersOfKey(key) > 0 && key == BoxKey(draw);
}

double HistoryStatistics::ExpectedExactHits() const {
    return std::accumulate(exactChances.begin(), exactChances.end(), 0.0);
}

double HistoryStatistics::ExpectedBoxHits() const {
    return std::accumulate(boxChances.begin(), boxChances.end(), 0.0);
}

HistoryStatistics ComputeHistoryStatistics(const std::vector<HistoryRecord>& records) {
    HistoryStatistics stats;
    for (const HistoryRecord& record : records) {
        AddToStatistics(stats, record);
    }
    return stats;
}

void AddToStatistics(HistoryStatistics& stats, const HistoryRecord& record) {
    ++stats.saved;
    if (record.HasDrawResult()) {
        ++stats.entered;
        CountDraw(stats, record);
    } else {
        ++stats.pending;
    }
}

std::string ChanceSentence(const HistoryStatistics& stats) {
    if (stats.entered == 0) {
        return Messages::kChanceWithoutDraws.text;
    }
    const double expected = stats.ExpectedExactHits();
    const double p = ExactTwoSidedPValue(stats.exactChances, stats.exactHits);
    const std::string facts = FormatText(Messages::kChanceFacts, stats.entered, stats.exactHits,
                                         Format(expected < 1 ? "%.2g" : "%.1f", expected));
    const MessageText& verdict = p >= kSignificance           ? Messages::kChanceAlike
                                 : stats.exactHits > expected ? Messages::kChanceMore
                                                              : Messages::kChanceFewer;
    return FormatText(verdict, facts, PValueText(p));
}
