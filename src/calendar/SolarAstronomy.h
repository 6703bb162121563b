// The sun's apparent geocentric longitude and the exact moments of the 24 solar terms.
// Time scales: JDE is a Julian Ephemeris Day (Terrestrial Time); moments are returned in China
// Standard Time (UTC+8) through a Delta T model. Methods after Meeus, Astronomical Algorithms.
#pragma once

#include "base/CivilDate.h"

namespace qinghe::astro {

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT

// Apparent geocentric ecliptic longitude of the sun in degrees [0, 360), referred to the true
// equinox of date: VSOP87D, FK5 correction, IAU 1980 nutation in longitude, annual aberration.
double SunApparentLongitude(double jde);

// Nutation in longitude, arcseconds (IAU 1980 series, Meeus Table 22.A).
double NutationInLongitude(double jde);

// TT - UT in seconds for a decimal year: the observed USNO/IERS values from 1890 to the last
// published month (interpolated), the Espenak & Meeus polynomials before 1890, and the last
// observed value held after it (the future change of Delta T, a minute or two by 2100, cannot
// be known in advance).
double DeltaTSeconds(double decimalYear);

// The JDE at which the apparent longitude equals `longitudeDeg`, searched from `guessJde`
// (which must lie within some 20 days of the answer).
double SunLongitudeMoment(double longitudeDeg, double guessJde);

// Exact moment (China Standard Time, to the millisecond) of solar term n (0 = 小寒 at 285°,
// 2 = 立春 at 315°, ..., 23 = 冬至 at 270°) of a Gregorian year.
Moment ExactSolarTermMoment(int year, int n);

}  // namespace qinghe::astro
