// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ExactBinomial.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>

namespace {

// Counts whose probability is within this factor of the observed one are taken as equally likely, so that
// rounding in the sums does not drop a mirror count (the same tolerance the usual binomial test uses).
constexpr double kRelativeTolerance = 1.0 + 1e-7;

// A count whose probability is below this adds nothing a p-value shows: even all n + 1 of them together stay
// far below the last digit of any p-value worth printing.
constexpr double kNegligible = 1e-30;

// The probabilities of the counts first .. first + p.size() - 1; every other count is negligible.
struct CountWindow {
    std::size_t first = 0;
    std::vector<double> p;
};

// Drops the negligible counts at either end. The distributions here are log-concave, so those are the tails.
void Trim(CountWindow& window) {
    const auto significant = [](double probability) { return probability >= kNegligible; };
    const auto last = std::find_if(window.p.rbegin(), window.p.rend(), significant).base();
    window.p.erase(last, window.p.end());
    const auto first = std::find_if(window.p.begin(), window.p.end(), significant);
    window.first += static_cast<std::size_t>(first - window.p.begin());
    window.p.erase(window.p.begin(), first);
}

// Successes of trials trials with the same chance: the binomial distribution, walked from its mode outwards
// by the ratio of neighbouring counts until the counts become negligible, then scaled to sum to 1. Each count
// costs one multiplication and carries the rounding of its steps from the mode only: no factorials, no
// logarithms, no powers that underflow for thousands of trials.
CountWindow Binomial(std::size_t trials, double chance) {
    if (!(chance > 0.0)) {
        return {0, {1.0}};
    }
    if (!(chance < 1.0)) {
        return {trials, {1.0}};
    }
    const double n = static_cast<double>(trials);
    const auto mode = std::min(trials, static_cast<std::size_t>(std::floor((n + 1.0) * chance)));
    const double odds = chance / (1.0 - chance);
    std::vector<double> above{1.0};  // the mode, mode + 1, ...
    for (std::size_t k = mode; k < trials; ++k) {
        const double next = above.back() * ((n - static_cast<double>(k)) / static_cast<double>(k + 1)) * odds;
        if (next < kNegligible) {
            break;
        }
        above.push_back(next);
    }
    std::vector<double> below;  // mode - 1, mode - 2, ...
    double probability = 1.0;
    for (std::size_t k = mode; k > 0; --k) {
        probability *= (static_cast<double>(k) / (n - static_cast<double>(k) + 1.0)) / odds;
        if (probability < kNegligible) {
            break;
        }
        below.push_back(probability);
    }
    CountWindow window{mode - below.size(), {below.rbegin(), below.rend()}};
    window.p.insert(window.p.end(), above.begin(), above.end());
    double total = 0.0;
    for (const double p : window.p) {
        total += p;
    }
    for (double& p : window.p) {
        p /= total;
    }
    return window;
}

// The distribution of the sum of two independent counts.
CountWindow Convolve(const CountWindow& a, const CountWindow& b) {
    CountWindow sum{a.first + b.first, std::vector<double>(a.p.size() + b.p.size() - 1, 0.0)};
    for (std::size_t i = 0; i < a.p.size(); ++i) {
        for (std::size_t j = 0; j < b.p.size(); ++j) {
            sum.p[i + j] += a.p[i] * b.p[j];
        }
    }
    Trim(sum);
    return sum;
}

// The successes of all the trials, where they are not negligible. Trials of the same chance are one binomial
// count (the program's chances are a handful of values, the number of distinct codes over 1000), so the work
// grows with the width of the distribution, about the square root of the trials, not with their number.
CountWindow CountDistribution(const std::vector<double>& chances) {
    std::map<double, std::size_t> trialsByChance;
    for (const double chance : chances) {
        ++trialsByChance[chance > 0.0 ? std::min(chance, 1.0) : 0.0];  // NaN counts as no chance
    }
    CountWindow distribution{0, {1.0}};
    for (const auto& [chance, trials] : trialsByChance) {
        distribution = Convolve(distribution, Binomial(trials, chance));
    }
    return distribution;
}

}  // namespace

std::vector<double> SuccessCountDistribution(const std::vector<double>& chances) {
    std::vector<double> distribution{1.0};
    for (const double chance : chances) {
        // After this trial the count k is reached by a failure from k or a success from k - 1.
        distribution.push_back(0.0);
        for (std::size_t k = distribution.size() - 1; k > 0; --k) {
            distribution[k] = distribution[k] * (1.0 - chance) + distribution[k - 1] * chance;
        }
        distribution[0] *= 1.0 - chance;
    }
    return distribution;
}

double ExactTwoSidedPValue(const std::vector<double>& chances, int successes) {
    if (chances.empty()) {
        return 1.0;
    }
    if (successes < 0 || static_cast<std::size_t>(successes) > chances.size()) {
        return 0.0;
    }
    const CountWindow distribution = CountDistribution(chances);
    const auto seen = static_cast<std::size_t>(successes);
    if (seen < distribution.first || seen - distribution.first >= distribution.p.size()) {
        return 0.0;  // a negligible count: every count at least as rare adds up to nothing a p-value shows
    }
    const double observed = distribution.p[seen - distribution.first] * kRelativeTolerance;
    double pValue = 0.0;
    for (const double probability : distribution.p) {
        if (probability <= observed) {
            pValue += probability;
        }
    }
    return pValue < 1.0 ? pValue : 1.0;
}
