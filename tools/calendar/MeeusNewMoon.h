// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An independent check of the new moons: Meeus's mean lunation with its periodic terms (Astronomical
// Algorithms, 2nd ed., chapter 49), good to a few seconds, against which the ELP 2000-82B conjunctions of
// Astronomy.h are compared.

// The instant (Julian Ephemeris Day) of the new moon of lunation k, k = 0 being that of 2000-01-06.
double MeeusNewMoon(int k);

// The lunation number of the new moon nearest to an instant.
int MeeusLunationNear(double jde);
