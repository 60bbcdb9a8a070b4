#include "store/HistoryStatistics.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <set>

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

std::string SortedDigits(std::string code) {
    std::ranges::sort(code);
    return code;
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
    std::set<std::string> distinct;
    std::set<std::string> boxes;
    for (const std::string& code : codes) {
        if (IsDrawNumber(code)) {
            distinct.insert(code);
            boxes.insert(SortedDigits(code));
        }
    }
    int boxDraws = 0;
    for (const std::string& box : boxes) {
        boxDraws += OrdersOfBox(box);  // a triple is not sold as 组选: 0
    }
    return {static_cast<double>(distinct.size()) / kDraws, boxDraws / kDraws};
}

int OrdersOfBox(const std::string& code) {
    if (!IsDrawNumber(code)) {
        return 0;
    }
    const std::string digits = SortedDigits(code);
    if (digits[0] == digits[2]) {
        return 0;
    }
    return digits[0] == digits[1] || digits[1] == digits[2] ? 3 : 6;
}

bool IsBoxMatch(const std::string& code, const std::string& draw) {
    return OrdersOfBox(code) > 0 && IsDrawNumber(draw) && SortedDigits(code) == SortedDigits(draw);
}

double HistoryStatistics::ExpectedExactHits() const {
    return std::accumulate(exactChances.begin(), exactChances.end(), 0.0);
}

double HistoryStatistics::ExpectedBoxHits() const {
    return std::accumulate(boxChances.begin(), boxChances.end(), 0.0);
}

HistoryStatistics ComputeHistoryStatistics(const std::vector<HistoryRecord>& records) {
    HistoryStatistics stats;
    stats.saved = static_cast<int>(records.size());
    for (const HistoryRecord& record : records) {
        if (record.HasDrawResult()) {
            ++stats.entered;
            CountDraw(stats, record);
        }
    }
    stats.pending = stats.saved - stats.entered;
    return stats;
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
