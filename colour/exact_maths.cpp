// Deterministic cube roots and powers (see exact_maths.h).
#include "exact_maths.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// From a guess made of the exponent's bits, three of Halley's steps: four
// times as fast as a library's, too.
namespace {

// Halley's steps from a guess that the bits give to within 3.2 %: each cubes
// the error, so two leave 7e-15 of it and three round it away.
double CubeRootBySteps(double x, int steps) {
    const double magnitude = std::fabs(x);
    if (magnitude == 0 || !(magnitude < 1e300)) return x;  // 0, infinite or NaN
    if (magnitude < 1e-300) return CubeRootBySteps(x * 0x1p300, steps) * 0x1p-100;
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    bits = bits / 3 + 0x2a9f7893782da1ceull;  // about a third of the exponent
    double y;
    std::memcpy(&y, &bits, sizeof y);
    for (int i = 0; i < steps; ++i) {
        const double cube = y * y * y;
        y *= (cube + 2 * magnitude) / (2 * cube + magnitude);
    }
    return x < 0 ? -y : y;
}

}  // namespace

double CubeRoot(double x) { return CubeRootBySteps(x, 3); }

double NearCubeRoot(double x) { return CubeRootBySteps(x, 2); }

namespace {

// The series' coefficients, worked out by the compiler: the same double
// divisions on every platform, none left for the program to do.
struct Series {
    double c[16];
};

// 1 / (2k + 1): ln's and atan's odd series.
constexpr Series OddReciprocals() {
    Series s = {};
    for (int k = 0; k < 16; ++k) s.c[k] = 1.0 / (2 * k + 1);
    return s;
}

// 1 / k!: e^x's series.
constexpr Series Factorials() {
    Series s = {};
    double f = 1;
    for (int k = 0; k < 16; ++k) {
        if (k > 0) f *= k;
        s.c[k] = 1 / f;
    }
    return s;
}

// (-1)^k / (2k + 1)! and (-1)^k / (2k)!: sine's and cosine's.
constexpr Series SineTerms(int first) {
    Series s = {};
    double f = 1;
    for (int n = 1; n <= first; ++n) f *= n;
    for (int k = 0; k < 16; ++k) {
        s.c[k] = (k % 2 ? -1 : 1) / f;
        f *= (first + 2 * k + 1) * (first + 2 * k + 2.0);
    }
    return s;
}

constexpr Series kOdd = OddReciprocals();
constexpr Series kFactorials = Factorials();
constexpr Series kSineTerms = SineTerms(1);
constexpr Series kCosineTerms = SineTerms(0);

// c[0] + c[1] z + ... + c[last] z^last.
double Horner(const Series& series, int last, double z) {
    double sum = series.c[last];
    for (int k = last - 1; k >= 0; --k) sum = sum * z + series.c[k];
    return sum;
}

constexpr double kLn2High = 6.93147180369123816490e-01;  // ln 2 in two parts, the
constexpr double kLn2Low = 1.90821492927058770002e-10;   // first exact in 32 bits

// ln x for a finite x > 0: the exponent's bits, and an odd series in
// s = (m - 1) / (m + 1) for the mantissa m in [0.71, 1.41).
double Log(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    int exponent = static_cast<int>(bits >> 52 & 0x7ff) - 1023;
    if (exponent == -1023) return Log(x * 0x1p64) - 64 * (kLn2High + kLn2Low);  // subnormal
    bits = (bits & 0x000fffffffffffffull) | 0x3ff0000000000000ull;
    double m;
    std::memcpy(&m, &bits, sizeof m);
    if (m > 1.4142135623730951) {
        m *= 0.5;
        ++exponent;
    }
    const double s = (m - 1) / (m + 1);
    return exponent * kLn2High + (2 * s * Horner(kOdd, 11, s * s) + exponent * kLn2Low);
}

// e^x for |x| below 700: a power of two times a Taylor series.
double Exp(double x) {
    const int k = static_cast<int>(x * 1.4426950408889634 + (x < 0 ? -0.5 : 0.5));
    const double r = (x - k * kLn2High) - k * kLn2Low;
    const double p = Horner(kFactorials, 14, r);
    const uint64_t bits = static_cast<uint64_t>(k + 1023) << 52;
    double scale;
    std::memcpy(&scale, &bits, sizeof scale);
    return p * scale;
}

}  // namespace

double Exponential(double x) { return Exp(x); }

// Written here also so that palorin.exe carries no maths library for it.
double Power(double x, double y) {
    if (!(x > 0)) return 0;
    if (!(x < 1e300)) return x;
    const double exponent = y * Log(x);
    if (exponent < -700) return 0;
    if (exponent > 700) return 1e300;
    return Exp(exponent);
}


namespace {

constexpr double kPi = 3.14159265358979323846;

// Taylor series on [0, pi/4], where eight or nine terms reach the last place.
double SinSeries(double x) { return x * Horner(kSineTerms, 7, x * x); }

double CosSeries(double x) { return Horner(kCosineTerms, 9, x * x); }

// atan on [0, 1]: halved twice, atan u = 2 atan(u / (1 + sqrt(1 + u^2))),
// then the odd series, short at |u| below 0.2.
double AtanUnit(double t) {
    double u = t;
    for (int i = 0; i < 2; ++i) u = u / (1 + std::sqrt(1 + u * u));
    // u - u^3/3 + u^5/5 - ...: the odd reciprocals of -u^2.
    return 4 * u * Horner(kOdd, 12, -u * u);
}

}  // namespace

void CosSinDegrees(double degrees, double* cosine, double* sine) {
    // Into the first octant by symmetry, in degrees, where each step is exact.
    double d = degrees;
    double cs = 1, sn = 1;  // signs
    if (d >= 180) {
        d -= 180;
        cs = sn = -1;
    }
    if (d >= 90) {
        d = 180 - d;
        cs = -cs;
    }
    const bool swap = d > 45;
    if (swap) d = 90 - d;
    const double x = d * (kPi / 180);
    const double c = CosSeries(x), s = SinSeries(x);
    *cosine = cs * (swap ? s : c);
    *sine = sn * (swap ? c : s);
}

double Atan2Degrees(double y, double x) {
    const double ax = std::fabs(x), ay = std::fabs(y);
    if (ax == 0 && ay == 0) return 0;
    // The first octant, then back by symmetry.
    double a = ay <= ax ? AtanUnit(ay / ax) : kPi / 2 - AtanUnit(ax / ay);
    if (x < 0) a = kPi - a;
    if (y < 0) a = -a;
    return a * (180 / kPi);
}
