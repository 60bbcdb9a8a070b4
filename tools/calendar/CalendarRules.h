// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the Chinese calendar (as in GB/T 33661-2017) applied to computed solar terms and new moons.
// Days are civil days in Beijing time, counted from 1970-01-01.
#include <vector>

// One of the 24 solar terms: the Sun's apparent longitude reaches 15 * index degrees.
struct SolarTerm {
    int longitude;  // 0, 15, ..., 345
    double jde;
    long day;
};

// One lunar month: the day of its new moon, its number 1..12 and whether it repeats the month before it.
struct LunarMonth {
    double newMoonJde;
    long firstDay;
    int number;
    bool leap;
};

// Every solar term whose instant lies in [firstJde, lastJde], in order.
std::vector<SolarTerm> ComputeSolarTerms(double firstJde, double lastJde);

// The numbered months whose first day lies between the month that holds the winter solstice of
// firstSolsticeYear and the one that holds the winter solstice of lastSolsticeYear (both included).
std::vector<LunarMonth> ComputeLunarMonths(int firstSolsticeYear, int lastSolsticeYear);
