// Solar positions and solar-term moments. The sun's longitude is the Earth's VSOP87D
// heliocentric longitude turned round by 180°, moved to the FK5 frame, then corrected for
// nutation and aberration (Meeus, Astronomical Algorithms, 2nd ed., chapters 22 and 25).
#include "calendar/SolarAstronomy.h"

#include <algorithm>
#include <cmath>

#include "calendar/DeltaTObserved.h"
#include "calendar/SolarTerms.h"
#include "calendar/Vsop87Earth.h"

namespace qinghe::astro {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;
constexpr double kArcsecPerDeg = 3600.0;

struct NutationTerm {
    int d, m, mp, f, om;  // multiples of D, M, M', F, Omega
    double s0, s1;        // sine coefficient in 0.0001", s0 + s1 T
};

// IAU 1980 theory of nutation, the longitude part of Meeus's Table 22.A (terms below
// 0.0003" omitted by Meeus; the rest keep the series within 0.001").
constexpr NutationTerm kNutation[] = {
    {0, 0, 0, 0, 1, -171996, -174.2},
    {-2, 0, 0, 2, 2, -13187, -1.6},
    {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},
    {0, 1, 0, 0, 0, 1426, -3.4},
    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},
    {0, 0, 0, 2, 1, -386, -0.4},
    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},
    {-2, 0, 1, 0, 0, -158, 0},
    {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},
    {2, 0, 0, 0, 0, 63, 0},
    {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},
    {0, 0, -1, 0, 1, -58, -0.1},
    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},
    {0, 0, -2, 2, 1, 46, 0},
    {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},
    {0, 0, 2, 0, 0, 29, 0},
    {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
    {-2, 0, 0, 2, 0, -22, 0},
    {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},
    {2, 0, -1, 0, 1, 16, 0},
    {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},
    {-2, 0, 1, 0, 1, -13, 0},
    {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
    {2, 0, -1, 2, 1, -10, 0},
    {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},
    {-2, 1, 1, 0, 0, -7, 0},
    {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},
    {2, 0, 1, 0, 0, 6, 0},
    {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},
    {2, 0, -2, 0, 1, -6, 0},
    {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},
    {-2, -1, 0, 2, 1, -5, 0},
    {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
    {-2, 0, 2, 0, 1, 4, 0},
    {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},
    {-1, 0, 1, 0, 0, -4, 0},
    {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},
    {0, 0, 1, 2, 0, 3, 0},
    {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},
    {0, 1, 1, 0, 0, -3, 0},
    {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},
    {0, 0, 3, 2, 2, -3, 0},
    {2, -1, 0, 2, 2, -3, 0},
};

// Terms below `minAmplitude` are skipped: the radius vector needs only some 1e-7 au (2e-6" of
// aberration), while the longitude keeps every term.
double Series(std::span<const Vsop87Term> terms, double tau, double minAmplitude) {
    double sum = 0;
    for (const Vsop87Term& t : terms)
        if (t.a >= minAmplitude) sum += t.a * std::cos(t.b + t.c * tau);
    return sum;
}

template <std::size_t N>
double Evaluate(const std::array<std::span<const Vsop87Term>, N>& series, double tau,
                double minAmplitude = 0) {
    double sum = 0;
    for (std::size_t i = N; i-- > 0;) sum = sum * tau + Series(series[i], tau, minAmplitude);
    return sum;
}

double Normalize360(double deg) {
    deg = std::fmod(deg, 360.0);
    return deg < 0 ? deg + 360.0 : deg;
}

double Normalize180(double deg) {
    deg = Normalize360(deg);
    return deg >= 180.0 ? deg - 360.0 : deg;
}

}  // namespace

double NutationInLongitude(double jde) {
    const double t = (jde - kJ2000) / 36525.0;
    const double t2 = t * t, t3 = t2 * t;
    // Fundamental arguments in degrees (Meeus 22): mean elongation of the moon, mean anomalies
    // of sun and moon, moon's argument of latitude, longitude of the moon's ascending node.
    const double d = 297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0;
    const double m = 357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0;
    const double mp = 134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0;
    const double f = 93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0;
    const double om = 125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0;
    double sum = 0;
    for (const NutationTerm& n : kNutation) {
        const double arg = (n.d * d + n.m * m + n.mp * mp + n.f * f + n.om * om) / kDegPerRad;
        sum += (n.s0 + n.s1 * t) * std::sin(arg);
    }
    return sum * 0.0001;
}

double SunApparentLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250.0;  // Julian millennia
    const double earthL = Evaluate(EarthL(), tau);
    const double earthR = Evaluate(EarthR(), tau, 1e-7);
    // Geometric geocentric longitude of the sun (VSOP87 dynamical frame).
    const double theta = Normalize360(earthL * kDegPerRad + 180.0);
    // FK5 frame (Meeus 25.9). Its latitude term, 0.03916" (cos λ' + sin λ') tan β, stays below
    // 1e-6" for the sun (|β| < 1.2"), so the latitude series is not evaluated.
    const double fk5 = -0.09033;
    // Annual aberration, light-time included (Meeus 25.10).
    const double aberration = -20.4898 / earthR;
    return Normalize360(theta + (fk5 + NutationInLongitude(jde) + aberration) / kArcsecPerDeg);
}

namespace {

// Espenak & Meeus polynomials (NASA Five Millennium Canon of Solar Eclipses), used before the
// observed series begins.
double EspenakMeeusDeltaT(double y) {
    if (y < 1800 || y >= 2150) {
        const double u = (y - 1820) / 100.0;
        return -20 + 32 * u * u;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100.0;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace

double DeltaTSeconds(double y) {
    const std::span<const DeltaTSample> observed = ObservedDeltaT();
    if (y < observed.front().year) return EspenakMeeusDeltaT(y);
    // After the last observation no prediction is attempted: the decade-long swings of the
    // Earth's rotation outweigh any trend, so the last observed value is held.
    if (y >= observed.back().year) return observed.back().seconds;
    const auto next = std::upper_bound(observed.begin(), observed.end(), y,
                                       [](double v, const DeltaTSample& s) { return v < s.year; });
    const DeltaTSample& a = *(next - 1);
    const DeltaTSample& b = *next;
    return a.seconds + (b.seconds - a.seconds) * (y - a.year) / (b.year - a.year);
}

double SunLongitudeMoment(double longitudeDeg, double guessJde) {
    // Secant iteration on the longitude error; the sun moves 0.95..1.02 degrees a day, so
    // the mean rate gives a first step that the secant then refines.
    constexpr double kMeanRate = 360.0 / 365.2422;
    double x0 = guessJde;
    double f0 = Normalize180(SunApparentLongitude(x0) - longitudeDeg);
    double x1 = x0 - f0 / kMeanRate;
    for (int i = 0; i < 30; ++i) {
        const double f1 = Normalize180(SunApparentLongitude(x1) - longitudeDeg);
        if (f1 == f0) break;
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        if (std::fabs(x1 - x0) < 1e-9) break;  // about 0.1 ms
    }
    return x1;
}

Moment ExactSolarTermMoment(int year, int n) {
    // The mean-year moment lies within a day of the true one: a safe start for the search.
    const Moment mean = SolarTermMoment(year, n);
    const double guessJde = kUnixEpochJd + (static_cast<double>(mean.ms) / kMsPerDay) - 8.0 / 24.0;
    const double jde = SunLongitudeMoment(Normalize360(285.0 + 15.0 * n), guessJde);
    const double deltaT = DeltaTSeconds(2000.0 + (jde - kJ2000) / 365.25);
    const double jdUt = jde - deltaT / 86400.0;
    const double msUtc = (jdUt - kUnixEpochJd) * static_cast<double>(kMsPerDay);
    return {std::llround(msUtc) + 8LL * 3'600'000LL};
}

}  // namespace qinghe::astro
