// The exact test against chance: p-values worked out by hand (exact fractions) for equal and unequal chances.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "core/ExactBinomial.h"

namespace {

std::vector<double> Trials(int count, double chance) {
    return std::vector<double>(static_cast<std::size_t>(count), chance);
}

TEST(ExactBinomialTest, TwoSidedPValuesMatchTheExactSums) {
    // Each value is the sum over the counts no more likely than the one seen, computed in exact fractions.
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(10, 0.5), 8), 0.109375, 1e-12);
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(10, 0.5), 5), 1.0, 1e-12);  // the mode: nothing is rarer
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(100, 0.008), 3), 0.04672814430377543, 1e-12);
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(50, 0.008), 2), 0.060901448168232, 1e-12);
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(399, 0.008), 8), 0.01618996371925394, 1e-12);
    // No hit in 100 draws at 8 in 1000 is the likeliest count of all.
    EXPECT_NEAR(ExactTwoSidedPValue(Trials(100, 0.008), 0), 1.0, 1e-12);
}

TEST(ExactBinomialTest, UnequalChancesAreCountedTrialByTrial) {
    // Chances 1/2 and 1/10: P(0) = 0.45, P(1) = 0.5, P(2) = 0.05.
    const std::vector<double> distribution = SuccessCountDistribution({0.5, 0.1});
    ASSERT_EQ(distribution.size(), 3u);
    EXPECT_NEAR(distribution[0], 0.45, 1e-15);
    EXPECT_NEAR(distribution[1], 0.5, 1e-15);
    EXPECT_NEAR(distribution[2], 0.05, 1e-15);
    EXPECT_NEAR(ExactTwoSidedPValue({0.5, 0.1}, 2), 0.05, 1e-15);
    EXPECT_NEAR(ExactTwoSidedPValue({0.5, 0.1}, 0), 0.5, 1e-15);

    const std::vector<double> many = SuccessCountDistribution(Trials(399, 0.006));
    EXPECT_NEAR(std::accumulate(many.begin(), many.end(), 0.0), 1.0, 1e-12);
}

TEST(ExactBinomialTest, NoTrialsOrImpossibleCountsHaveFixedAnswers) {
    EXPECT_DOUBLE_EQ(ExactTwoSidedPValue({}, 0), 1.0);
    EXPECT_DOUBLE_EQ(ExactTwoSidedPValue(Trials(3, 0.5), 4), 0.0);
    EXPECT_DOUBLE_EQ(ExactTwoSidedPValue(Trials(3, 0.5), -1), 0.0);
    // A count that cannot happen at all is rarer than every other.
    EXPECT_DOUBLE_EQ(ExactTwoSidedPValue(Trials(3, 0.0), 1), 0.0);
}

}  // namespace
