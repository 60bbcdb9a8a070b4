// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarRules.h"

#include <algorithm>
#include <stdexcept>

#include "Astronomy.h"

namespace {

constexpr double kTropicalYear = 365.2422;
constexpr double kSynodicMonth = 29.530588861;
// 2000-03-20 07:35 UT, the March equinox that the first guesses count from.
constexpr double kEquinox2000 = 2451623.816;
constexpr int kWinterSolstice = 270;

// A guess within a day or two of the instant the Sun reaches `longitude`, counted from the March equinox of
// `year`: 0..270 fall in that year (270 is its winter solstice), 285..345 in the January to March after it.
double SolarGuess(int year, int longitude) {
    return kEquinox2000 + kTropicalYear * (year - 2000) + kTropicalYear * longitude / 360.0;
}

double WinterSolstice(int year) {
    return SolarLongitudeInstant(kWinterSolstice, SolarGuess(year, kWinterSolstice));
}

// Every new moon from the one on or before the first instant to the first one after the last.
std::vector<double> NewMoonsAround(double firstJde, double lastJde) {
    std::vector<double> moons{NewMoonInstant(firstJde - kSynodicMonth / 2)};
    while (BeijingDay(moons.front()) > BeijingDay(firstJde)) {
        moons.insert(moons.begin(), NewMoonInstant(moons.front() - kSynodicMonth));
    }
    while (BeijingDay(moons.back()) <= BeijingDay(lastJde)) {
        moons.push_back(NewMoonInstant(moons.back() + kSynodicMonth));
    }
    return moons;
}

// Whether a principal term (an even multiple of 15 degrees) falls on a day of [firstDay, nextFirstDay).
bool HoldsPrincipalTerm(long firstDay, long nextFirstDay, const std::vector<SolarTerm>& terms) {
    return std::any_of(terms.begin(), terms.end(), [&](const SolarTerm& term) {
        return term.longitude % 30 == 0 && term.day >= firstDay && term.day < nextFirstDay;
    });
}

// The months of one year from the eleventh month to the month before the next eleventh month: the month of
// the solstice is the eleventh; a year of thirteen months repeats its first month without a principal term.
std::vector<LunarMonth> NumberSui(const std::vector<double>& moons, std::size_t first, std::size_t next,
                                  const std::vector<SolarTerm>& terms) {
    const bool hasLeap = next - first == 13;
    bool leapTaken = false;
    int number = 11;
    std::vector<LunarMonth> months;
    for (std::size_t i = first; i < next; ++i) {
        const long day = BeijingDay(moons[i]);
        const bool leap =
            hasLeap && !leapTaken && i > first && !HoldsPrincipalTerm(day, BeijingDay(moons[i + 1]), terms);
        if (i > first && !leap) {
            number = number % 12 + 1;
        }
        leapTaken = leapTaken || leap;
        months.push_back({moons[i], day, number, leap});
    }
    if (next - first != 12 && !leapTaken) {
        throw std::runtime_error("a year between two winter solstices has neither 12 nor 13 months");
    }
    return months;
}

// The index of the month that holds the day.
std::size_t MonthHolding(const std::vector<double>& moons, long day) {
    std::size_t i = 0;
    while (i + 1 < moons.size() && BeijingDay(moons[i + 1]) <= day) {
        ++i;
    }
    return i;
}

}  // namespace

std::vector<SolarTerm> ComputeSolarTerms(double firstJde, double lastJde) {
    const int firstYear = 2000 + static_cast<int>((firstJde - kEquinox2000) / kTropicalYear) - 1;
    std::vector<SolarTerm> terms;
    for (int year = firstYear;; ++year) {
        for (int longitude = 0; longitude < 360; longitude += 15) {
            const double jde = SolarLongitudeInstant(longitude, SolarGuess(year, longitude));
            if (jde > lastJde) {
                std::sort(terms.begin(), terms.end(),
                          [](const auto& a, const auto& b) { return a.jde < b.jde; });
                return terms;
            }
            if (jde >= firstJde) {
                terms.push_back({longitude, jde, BeijingDay(jde)});
            }
        }
    }
}

std::vector<LunarMonth> ComputeLunarMonths(int firstSolsticeYear, int lastSolsticeYear) {
    const double first = WinterSolstice(firstSolsticeYear);
    const double last = WinterSolstice(lastSolsticeYear);
    const std::vector<double> moons = NewMoonsAround(first, last + 2 * kSynodicMonth);
    const std::vector<SolarTerm> terms = ComputeSolarTerms(moons.front(), moons.back());
    std::vector<LunarMonth> months;
    std::size_t start = MonthHolding(moons, BeijingDay(first));
    for (int year = firstSolsticeYear + 1; year <= lastSolsticeYear; ++year) {
        const std::size_t next = MonthHolding(moons, BeijingDay(WinterSolstice(year)));
        const std::vector<LunarMonth> sui = NumberSui(moons, start, next, terms);
        months.insert(months.end(), sui.begin(), sui.end());
        start = next;
    }
    months.push_back({moons[start], BeijingDay(moons[start]), 11, false});
    return months;
}
