// CIEDE2000 as its published implementation notes define it (a hue is 0 for
// a colour without chroma, and the mean hue of such a pair is the other's
// hue), worked with as little trigonometry as it allows: the mean hue is the
// direction of the sum of the two hues' unit vectors, its multiples come from
// identities, and the hue difference from the dot and cross products. Only
// the mean hue in degrees, one power of e and one sine remain.
#include "colour_difference.h"

#include <cmath>

#include "exact_maths.h"

namespace {

constexpr double kTwentyFiveToTheSeventh = 6103515625.0;

// Two hues opposite each other, as a colour and its mirror image through
// grey are, come out a rounding error more or less than half a turn apart:
// they count as half a turn apart, not more.
constexpr double kHalfTurn = 180 + 1e-9;

// The cosines and sines of 30, 6 and 63 degrees, T's phases.
constexpr double kCos30 = 0.8660254037844386, kSin30 = 0.5;
constexpr double kCos6 = 0.9945218953682733, kSin6 = 0.10452846326765347;
constexpr double kCos63 = 0.45399049973954675, kSin63 = 0.8910065241883679;

double SeventhPowerShare(double c) {
    const double c7 = c * c * c * c * c * c * c;
    return std::sqrt(c7 / (c7 + kTwentyFiveToTheSeventh));
}

double Hue(double b, double aPrime) {
    if (b == 0 && aPrime == 0) return 0;
    const double h = Atan2Degrees(b, aPrime);
    return h < 0 ? h + 360 : h;
}

// The mean hue of two opposite hues, whose unit vectors cancel: the notes'
// arithmetic on the two angles.
double OppositeMeanHue(double a1, double b1, double a2, double b2) {
    const double h1 = Hue(b1, a1), h2 = Hue(b2, a2), sum = h1 + h2;
    if (std::fabs(h1 - h2) <= kHalfTurn) return sum / 2;
    return sum < 360 ? (sum + 360) / 2 : (sum - 360) / 2;
}


// What both the difference and its bound need: the colours with a scaled by
// 1 + G, their chroma C', and the weighted lightness and chroma terms.
struct Primed {
    double a1, a2, cp1, cp2;
    double meanC;
    double l, c;          // ΔL' / S_L, ΔC' / S_C
    double dHSquared;     // ΔH'^2: twice C'1 C'2 less the dot product
    double rC;            // R_C
};

void Prime(const double lab1[3], const double lab2[3], Primed* p) {
    const double b1 = lab1[2], b2 = lab2[2];
    const double c1 = std::sqrt(lab1[1] * lab1[1] + b1 * b1);
    const double c2 = std::sqrt(lab2[1] * lab2[1] + b2 * b2);
    const double g = 0.5 * (1 - SeventhPowerShare((c1 + c2) / 2));
    p->a1 = (1 + g) * lab1[1];
    p->a2 = (1 + g) * lab2[1];
    p->cp1 = std::sqrt(p->a1 * p->a1 + b1 * b1);
    p->cp2 = std::sqrt(p->a2 * p->a2 + b2 * b2);
    p->meanC = (p->cp1 + p->cp2) / 2;
    const double meanL = (lab1[0] + lab2[0]) / 2;
    const double l50 = (meanL - 50) * (meanL - 50);
    p->l = (lab2[0] - lab1[0]) / (1 + 0.015 * l50 / std::sqrt(20 + l50));
    p->c = (p->cp2 - p->cp1) / (1 + 0.045 * p->meanC);
    const double dH2 = 2 * (p->cp1 * p->cp2 - (p->a1 * p->a2 + b1 * b2));
    p->dHSquared = dH2 > 0 ? dH2 : 0;
    p->rC = 2 * SeventhPowerShare(p->meanC);
}

// T's least and greatest values over all hues (0.3621 and 1.5725), widened a little.
constexpr double kLeastT = 0.362, kGreatestT = 1.573;
constexpr double kSin60 = 0.8660254037844387;

double Difference(const double lab1[3], const double lab2[3], const Primed& p) {
    const double b1 = lab1[2], b2 = lab2[2];
    const double a1 = p.a1, a2 = p.a2, cp1 = p.cp1, cp2 = p.cp2;

    // The mean hue, as an angle and as its cosine and sine.
    double x = 0, y = 0;
    if (cp1 > 0) x += a1 / cp1, y += b1 / cp1;
    if (cp2 > 0) x += a2 / cp2, y += b2 / cp2;
    double meanH = 0, cosH = 1, sinH = 0;
    const double length2 = x * x + y * y;
    if (cp1 * cp2 > 0 && length2 < 1e-12) {
        meanH = OppositeMeanHue(a1, b1, a2, b2);
        CosSinDegrees(meanH >= 360 ? meanH - 360 : meanH, &cosH, &sinH);
    } else if (length2 > 0) {
        meanH = Atan2Degrees(y, x);
        if (meanH < 0) meanH += 360;
        const double length = std::sqrt(length2);
        cosH = x / length;
        sinH = y / length;
    }

    // ΔH' = 2 sqrt(C'1 C'2) sin(Δh' / 2), with the sign of the cross product.
    const double dHMagnitude = std::sqrt(p.dHSquared);
    const double dH = a1 * b2 - b1 * a2 < 0 ? -dHMagnitude : dHMagnitude;

    const double cos2 = 2 * cosH * cosH - 1, sin2 = 2 * sinH * cosH;
    const double cos3 = cosH * (4 * cosH * cosH - 3), sin3 = sinH * (3 - 4 * sinH * sinH);
    const double cos4 = 2 * cos2 * cos2 - 1, sin4 = 2 * sin2 * cos2;
    const double t = 1 - 0.17 * (cosH * kCos30 + sinH * kSin30) + 0.24 * cos2 +
                     0.32 * (cos3 * kCos6 - sin3 * kSin6) - 0.20 * (cos4 * kCos63 + sin4 * kSin63);
    const double fromBlue = (meanH - 275) / 25;
    const double dTheta = 30 * Exponential(-fromBlue * fromBlue);
    double cosTwice, sinTwice;
    CosSinDegrees(2 * dTheta, &cosTwice, &sinTwice);

    const double rT = -sinTwice * p.rC;
    const double h = dH / (1 + 0.015 * p.meanC * t);
    return std::sqrt(p.l * p.l + p.c * p.c + h * h + rT * p.c * h);
}

double LowerBound(const Primed& p) {
    // The hue term lies between its values at T's extremes, and the rotation
    // term takes at most R_C sin 60 of the chroma term times the hue term:
    // the least sum over that range.
    const double dH = std::sqrt(p.dHSquared);
    const double low = dH / (1 + 0.015 * p.meanC * kGreatestT);
    const double high = dH / (1 + 0.015 * p.meanC * kLeastT);
    const double rotation = p.rC * kSin60 * std::fabs(p.c);
    double h = rotation / 2;
    h = h < low ? low : h > high ? high : h;
    const double sum = p.l * p.l + p.c * p.c + h * h - rotation * h;
    return sum > 0 ? 0.9999 * std::sqrt(sum) : 0;
}

}  // namespace

double DeltaE2000(const double lab1[3], const double lab2[3]) {
    Primed p;
    Prime(lab1, lab2, &p);
    return Difference(lab1, lab2, p);
}

double DeltaE2000Within(const double lab1[3], const double lab2[3], double limit) {
    Primed p;
    Prime(lab1, lab2, &p);
    const double low = LowerBound(p);
    return low > limit ? low : Difference(lab1, lab2, p);
}
