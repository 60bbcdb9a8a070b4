// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun and the Moon as the Chinese calendar sees them: apparent geocentric ecliptic longitudes referred to
// the true equinox of date, and the instants when they reach given values. Instants are Julian Ephemeris Days
// (Terrestrial Time); BeijingDay turns one into the civil day in Beijing time (UTC+8).

// TT - UT in seconds at an instant.
double DeltaTSeconds(double jde);

// Apparent longitudes in degrees, [0, 360).
double SunApparentLongitude(double jde);
double MoonApparentLongitude(double jde);

// The instant the Sun's apparent longitude reaches `degrees`, found from a guess within a few days of it.
double SolarLongitudeInstant(double degrees, double guess);

// The conjunction in apparent longitude (the new moon) nearest to a guess within half a lunation of it.
double NewMoonInstant(double guess);

// The civil day in Beijing time that holds an instant, counted in days since 1970-01-01, and the seconds from
// the start of that day.
long BeijingDay(double jde);
double BeijingSecondsIntoDay(double jde);

// The instant of 1970-01-01 00:00 UT plus the days given (for first guesses).
double JulianDayOfUnixDay(long day);
