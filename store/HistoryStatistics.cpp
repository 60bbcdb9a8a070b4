#include "store/HistoryStatistics.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace {

constexpr double kDraws = 1000.0;

bool IsThreeDigits(const std::string& text) {
    return text.size() == 3 && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The draws that hit a box: 6 orders of three different digits, 3 of a pair, 1 of a triple.
int OrdersOfBox(const std::string& sortedDigits) {
    if (sortedDigits[0] == sortedDigits[2]) {
        return 1;
    }
    return sortedDigits[0] == sortedDigits[1] || sortedDigits[1] == sortedDigits[2] ? 3 : 6;
}

std::string SortedDigits(std::string code) {
    std::ranges::sort(code);
    return code;
}

void CountDraw(HistoryStatistics& stats, const HistoryRecord& record) {
    const DrawChance chance = ChanceOfCodes(record.data);
    stats.exactChances.push_back(chance.exact);
    stats.boxChances.push_back(chance.box);
    if (record.is_right >= 1) {
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
        if (IsThreeDigits(code)) {
            distinct.insert(code);
            boxes.insert(SortedDigits(code));
        }
    }
    int boxDraws = 0;
    for (const std::string& box : boxes) {
        boxDraws += OrdersOfBox(box);
    }
    return {static_cast<double>(distinct.size()) / kDraws, boxDraws / kDraws};
}

bool IsBoxMatch(const std::string& code, const std::string& draw) {
    return IsThreeDigits(code) && IsThreeDigits(draw) && SortedDigits(code) == SortedDigits(draw);
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
