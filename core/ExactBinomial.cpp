#include "core/ExactBinomial.h"

#include <cstddef>

namespace {

// Counts whose probability is within this factor of the observed one are taken as equally likely, so that
// rounding in the sums does not drop a mirror count (the same tolerance the usual binomial test uses).
constexpr double kRelativeTolerance = 1.0 + 1e-7;

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
    const std::vector<double> distribution = SuccessCountDistribution(chances);
    if (successes < 0 || static_cast<std::size_t>(successes) >= distribution.size()) {
        return 0.0;
    }
    const double observed = distribution[static_cast<std::size_t>(successes)] * kRelativeTolerance;
    double pValue = 0.0;
    for (const double probability : distribution) {
        if (probability <= observed) {
            pValue += probability;
        }
    }
    return pValue < 1.0 ? pValue : 1.0;
}
