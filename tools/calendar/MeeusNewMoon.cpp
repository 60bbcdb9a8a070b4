// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeeusNewMoon.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double SinDeg(double degrees) {
    return std::sin(degrees * kPi / 180.0);
}

struct Arguments {
    double e;      // eccentricity factor of the Earth's orbit
    double sun;    // M, the Sun's mean anomaly
    double moon;   // M', the Moon's mean anomaly
    double f;      // the Moon's argument of latitude
    double omega;  // longitude of the Moon's ascending node
};

Arguments ArgumentsOf(double k, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return {1.0 - 0.002516 * t - 0.0000074 * t2, 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3,
            201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4,
            160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4,
            124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3};
}

// The periodic terms of the new moon (table 49.A, first column).
double LunarTerms(const Arguments& a) {
    const double m = a.sun, mp = a.moon, f = a.f, e = a.e;
    return -0.40720 * SinDeg(mp) + 0.17241 * e * SinDeg(m) + 0.01608 * SinDeg(2 * mp) +
           0.01039 * SinDeg(2 * f) + 0.00739 * e * SinDeg(mp - m) - 0.00514 * e * SinDeg(mp + m) +
           0.00208 * e * e * SinDeg(2 * m) - 0.00111 * SinDeg(mp - 2 * f) - 0.00057 * SinDeg(mp + 2 * f) +
           0.00056 * e * SinDeg(2 * mp + m) - 0.00042 * SinDeg(3 * mp) + 0.00042 * e * SinDeg(m + 2 * f) +
           0.00038 * e * SinDeg(m - 2 * f) - 0.00024 * e * SinDeg(2 * mp - m) - 0.00017 * SinDeg(a.omega) -
           0.00007 * SinDeg(mp + 2 * m) + 0.00004 * SinDeg(2 * mp - 2 * f) + 0.00004 * SinDeg(3 * m) +
           0.00003 * SinDeg(mp + m - 2 * f) + 0.00003 * SinDeg(2 * mp + 2 * f) -
           0.00003 * SinDeg(mp + m + 2 * f) + 0.00003 * SinDeg(mp - m + 2 * f) -
           0.00002 * SinDeg(mp - m - 2 * f) - 0.00002 * SinDeg(3 * mp + m) + 0.00002 * SinDeg(4 * mp);
}

// The additional corrections for all phases (the planetary arguments A1..A14).
double PlanetaryTerms(double k, double t) {
    constexpr double kCoefficients[14] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110,
                                          0.000062, 0.000060, 0.000056, 0.000047, 0.000042,
                                          0.000040, 0.000037, 0.000035, 0.000023};
    const double arguments[14] = {299.77 + 0.107408 * k - 0.009173 * t * t,
                                  251.88 + 0.016321 * k,
                                  251.83 + 26.651886 * k,
                                  349.42 + 36.412478 * k,
                                  84.66 + 18.206239 * k,
                                  141.74 + 53.303771 * k,
                                  207.14 + 2.453732 * k,
                                  154.84 + 7.306860 * k,
                                  34.52 + 27.261239 * k,
                                  207.19 + 0.121824 * k,
                                  291.34 + 1.844379 * k,
                                  161.72 + 24.198154 * k,
                                  239.56 + 25.513099 * k,
                                  331.55 + 3.592518 * k};
    double sum = 0.0;
    for (int i = 0; i < 14; ++i) {
        sum += kCoefficients[i] * SinDeg(arguments[i]);
    }
    return sum;
}

}  // namespace

double MeeusNewMoon(int lunation) {
    const double k = lunation;
    const double t = k / 1236.85;
    const double mean = 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.000000150 * t * t * t +
                        0.00000000073 * t * t * t * t;
    return mean + LunarTerms(ArgumentsOf(k, t)) + PlanetaryTerms(k, t);
}

int MeeusLunationNear(double jde) {
    return static_cast<int>(std::lround((jde - 2451550.09766) / 29.530588861));
}
