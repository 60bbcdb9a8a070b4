// SPDX-License-Identifier: GPL-3.0-or-later
#include "Astronomy.h"

#include <libnova/libnova.h>

#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kBeijingOffsetDays = 8.0 / 24.0;
constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / kPi;
}

double Arcseconds(double seconds) {
    return seconds / 3600.0;
}

// Into [-180, 180): the signed distance between two longitudes.
double Wrap180(double degrees) {
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

double Wrap360(double degrees) {
    return degrees - 360.0 * std::floor(degrees / 360.0);
}

struct Ecliptic {
    double longitude;  // degrees
    double latitude;   // degrees
};

// Ecliptic coordinates referred to the mean ecliptic and equinox of J2000, carried to the mean ecliptic and
// equinox of date (Meeus, Astronomical Algorithms, 2nd ed., formulae 21.5 and 21.6 with T = 0). Both
// libnova's VSOP87 Earth and its ELP 2000-82B Moon are referred to J2000.
Ecliptic PrecessFromJ2000(Ecliptic j2000, double jde) {
    const double t = (jde - kJ2000) / 36525.0;
    const double eta = Radians(Arcseconds((47.0029 - 0.03302 * t + 0.000060 * t * t) * t));
    const double pi = Radians(174.876384 + Arcseconds(-869.8089 * t + 0.03536 * t * t));
    const double p = Radians(Arcseconds((5029.0966 + 1.11113 * t - 0.000006 * t * t) * t));
    const double lambda0 = Radians(j2000.longitude);
    const double beta0 = Radians(j2000.latitude);
    const double a =
        std::cos(eta) * std::cos(beta0) * std::sin(pi - lambda0) - std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(pi - lambda0);
    const double c =
        std::cos(eta) * std::sin(beta0) + std::sin(eta) * std::cos(beta0) * std::sin(pi - lambda0);
    return {Wrap360(Degrees(p + pi - std::atan2(a, b))), Degrees(std::asin(c))};
}

double NutationInLongitude(double jde) {
    ln_nutation nutation{};
    ln_get_nutation(jde, &nutation);
    return nutation.longitude;  // degrees
}

// Decimal year of an instant, good enough for the delta-T polynomials.
double DecimalYear(double jde) {
    return 2000.0 + (jde - kJ2000) / 365.2425;
}

}  // namespace

// Espenak & Meeus, "Five Millennium Canon of Solar Eclipses" (NASA/TP-2006-214141), polynomial expressions
// for delta T, the pieces for 2005-2050 and 2050-2150. Their values run a few seconds above the measured ones
// of the 2020s; main.cpp reports every date that a minute either way would move.
double DeltaTSeconds(double jde) {
    const double y = DecimalYear(jde);
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

// VSOP87 geometric longitude (libnova, J2000), carried to the equinox of date and to the FK5 frame
// (-0.09033"), plus nutation and the annual aberration -20.4898"/R (Meeus 25.10). libnova's own "apparent"
// solar coordinates are not used: they stay in the J2000 frame and divide the aberration constant by 360 *
// 3600 instead of 3600.
double SunApparentLongitude(double jde) {
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(jde, &sun);
    const Ecliptic ofDate = PrecessFromJ2000({sun.L, sun.B}, jde);
    const double fk5 = Arcseconds(-0.09033);
    const double aberration = Arcseconds(-20.4898) / sun.R;
    return Wrap360(ofDate.longitude + fk5 + NutationInLongitude(jde) + aberration);
}

// ELP 2000-82B with every term (libnova, J2000) carried to the equinox of date, plus nutation and the Moon's
// light time (about 1.3 s, -0.7" of its motion).
double MoonApparentLongitude(double jde) {
    ln_lnlat_posn moon{};
    ln_get_lunar_ecl_coords(jde, &moon, 0.0);
    const Ecliptic ofDate = PrecessFromJ2000({moon.lng, moon.lat}, jde);
    return Wrap360(ofDate.longitude + NutationInLongitude(jde) + Arcseconds(-0.7));
}

// Newton steps with the Sun's mean motion; converges to well under a millisecond in four or five steps.
double SolarLongitudeInstant(double degrees, double guess) {
    constexpr double kDaysPerDegree = 365.2422 / 360.0;
    double jde = guess;
    for (int step = 0; step < 50; ++step) {
        const double correction = Wrap180(degrees - SunApparentLongitude(jde)) * kDaysPerDegree;
        jde += correction;
        if (std::fabs(correction) < 1e-8) {
            break;
        }
    }
    return jde;
}

// Secant steps on the elongation of the Moon from the Sun, which grows 10 to 15 degrees a day.
double NewMoonInstant(double guess) {
    auto elongation = [](double jde) {
        return Wrap180(MoonApparentLongitude(jde) - SunApparentLongitude(jde));
    };
    double x0 = guess;
    double f0 = elongation(x0);
    double x1 = x0 - f0 / 12.19;
    for (int step = 0; step < 50; ++step) {
        const double f1 = elongation(x1);
        const double x2 = x1 - f1 * (x1 - x0) / Wrap180(f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        if (std::fabs(x1 - x0) < 1e-8) {
            break;
        }
    }
    return x1;
}

long BeijingDay(double jde) {
    const double ut = jde - DeltaTSeconds(jde) / kSecondsPerDay;
    return static_cast<long>(std::floor(ut + kBeijingOffsetDays - kUnixEpochJd));
}

double BeijingSecondsIntoDay(double jde) {
    const double ut = jde - DeltaTSeconds(jde) / kSecondsPerDay;
    const double days = ut + kBeijingOffsetDays - kUnixEpochJd;
    return (days - std::floor(days)) * kSecondsPerDay;
}

double JulianDayOfUnixDay(long day) {
    return kUnixEpochJd + static_cast<double>(day);
}
