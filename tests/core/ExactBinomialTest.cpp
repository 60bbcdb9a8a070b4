// SPDX-License-Identifier: GPL-3.0-or-later
// The exact test against chance: p-values worked out by hand (exact fractions) for equal and unequal chances.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
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

// The p-value as the definition reads, from the distribution built trial by trial.
double PlainPValue(const std::vector<double>& distribution, int successes) {
    const double observed = distribution[static_cast<std::size_t>(successes)] * (1.0 + 1e-7);
    double sum = 0.0;
    for (const double probability : distribution) {
        sum += probability <= observed ? probability : 0.0;
    }
    return std::min(sum, 1.0);
}

// Random trials of the chances the program's codes have (0 to 8 distinct codes in 1000), and of chances of
// any value, against the plain computation at every count: the rare ends included, where the plain sums
// carry their own rounding.
TEST(ExactBinomialTest, PValuesAgreeWithTheDistributionBuiltTrialByTrial) {
    std::mt19937 random(20090617);
    std::uniform_int_distribution<int> codes(0, 8);
    std::uniform_real_distribution<double> anyChance(0.0, 1.0);
    for (const int trials : {1, 2, 9, 60, 399, 1500}) {
        for (const bool programChances : {true, false}) {
            std::vector<double> chances;
            const double few[] = {anyChance(random), anyChance(random), anyChance(random)};
            for (int i = 0; i < trials; ++i) {
                chances.push_back(programChances ? codes(random) / 1000.0 : few[i % 3]);
            }
            const std::vector<double> distribution = SuccessCountDistribution(chances);
            for (int seen = 0; seen <= trials; ++seen) {
                const double plain = PlainPValue(distribution, seen);
                ASSERT_NEAR(ExactTwoSidedPValue(chances, seen), plain, 1e-12 + 1e-9 * plain)
                    << trials << " trials, " << seen << " successes"
                    << (programChances ? ", the codes' chances" : ", chances of any value");
            }
        }
    }
}

// Every chance different: no two trials are counted together, and the answer is still the same.
TEST(ExactBinomialTest, TrialsOfDifferentChancesGiveTheSameAnswer) {
    std::mt19937 random(17);
    std::uniform_real_distribution<double> anyChance(0.0, 0.2);
    std::vector<double> chances(300);
    for (double& chance : chances) {
        chance = anyChance(random);
    }
    chances[7] = 0.0;
    chances[8] = 1.0;
    const std::vector<double> distribution = SuccessCountDistribution(chances);
    for (int seen = 0; seen <= 300; seen += 3) {
        const double plain = PlainPValue(distribution, seen);
        ASSERT_NEAR(ExactTwoSidedPValue(chances, seen), plain, 1e-12 + 1e-9 * plain) << seen;
    }
    EXPECT_DOUBLE_EQ(ExactTwoSidedPValue(chances, 0), 0.0) << "one trial always succeeds";
}

}  // namespace
