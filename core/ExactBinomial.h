// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exact test of a count of successes against chance, for independent trials that each have their own
// chance of success (the Poisson binomial distribution; with equal chances it is the binomial one). The
// program uses it to say whether the hits of its codes could be chance.
#include <vector>

// P(X = k) for k = 0 .. n, where X counts the successes of n independent trials with these chances (each
// 0..1). Exact up to rounding: built trial by trial, no approximation, in time n squared; the p-value below
// does not go through it.
std::vector<double> SuccessCountDistribution(const std::vector<double>& chances);

// The two-sided p-value of seeing `successes`: the total probability of every count no more likely than the
// one seen (the rule of the usual exact binomial test). 1 when there are no trials; successes outside
// 0 .. n have probability 0 and give 0. Trials of equal chance are counted together and counts too rare to
// matter (below 1e-30 each) are left out, so years of draws take milliseconds; a p-value comes out as the
// exact one up to rounding, or as 0 where the exact one is below 1e-25 or so.
double ExactTwoSidedPValue(const std::vector<double>& chances, int successes);
