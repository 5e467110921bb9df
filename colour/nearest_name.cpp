// The nearest name without measuring every name: a bound that costs a few
// multiplications rules out most of them, a closer one most of the rest,
// and CIEDE2000 is worked out only for those they leave.
#include "nearest_name.h"

#include <cmath>

#include "colour_difference.h"
#include "css_color.h"
#include "css_spaces.h"
#include "named_colors.h"
#include "srgb_tables.h"

namespace {

// The converter's 140 names and the one colour CSS names beyond them; CSS's
// other extra names are second names of colours among the 140.
constexpr int kCandidateCount = kNamedColorCount + 1;
constexpr char kExtraColourName[] = "rebeccapurple";

// Each quantity in an array of its own, so that the first bound is worked
// out for several names at once; in single precision for that too, also
// covered by the bound's margins.
struct Candidates {
    double lightness[kCandidateCount], a[kCandidateCount], b[kCandidateCount];
    float near[4][kCandidateCount];  // lightness, a, b, chroma
    const char* name[kCandidateCount];
};

Candidates g_candidates;
bool g_candidatesReady = false;

void LabOf(const ColorRecord& color, double lab[3]) {
    const double linear[3] = {kLinearOfChannel[color.red], kLinearOfChannel[color.green],
                              kLinearOfChannel[color.blue]};
    LinearSrgbToLab(linear, lab);
}

void SetCandidate(int i, const ColorRecord& color, const char* name) {
    double lab[3];
    LabOf(color, lab);
    g_candidates.lightness[i] = lab[0];
    g_candidates.a[i] = lab[1];
    g_candidates.b[i] = lab[2];
    g_candidates.near[0][i] = static_cast<float>(lab[0]);
    g_candidates.near[1][i] = static_cast<float>(lab[1]);
    g_candidates.near[2][i] = static_cast<float>(lab[2]);
    g_candidates.near[3][i] = static_cast<float>(std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]));
    g_candidates.name[i] = name;
}

void CandidateLab(int i, double lab[3]) {
    lab[0] = g_candidates.lightness[i];
    lab[1] = g_candidates.a[i];
    lab[2] = g_candidates.b[i];
}

void PrepareCandidates() {
    for (int i = 0; i < kNamedColorCount; ++i) {
        const NamedColor& n = kNamedColors[i];
        SetCandidate(i, {n.blue, n.green, n.red, 0}, n.name);
    }
    // Its channels come from CSS's own table of names, through the reader.
    CssReading reading;
    Rgba8 extra = {};
    if (ReadCssColor(kExtraColourName, sizeof kExtraColourName - 1, &reading) ==
        CssReadResult::kColour)
        ResolveCssColor(reading.color, GamutMode::kClip, &extra);
    SetCandidate(kNamedColorCount, extra.color, kExtraColourName);
    g_candidatesReady = true;
}

// ΔE00 is at least this bound, over its square. The lightness term's weight
// S_L is at most 1 + 0.015 |mean L - 50|. The chroma and hue terms' weights
// are at most S_C = 1 + 0.045 C', where the mean C' is at most 1.5 times the
// mean C, and at most 6.38 more than it (G C is never more); the two terms
// together are at least the a, b distance over S_C. Their rotation term takes
// at most sin 60 degrees of their sum, but next to nothing unless the mean
// hue is near blue, which it is not while both b are positive. (A little less
// is allowed in each, for rounding.)
constexpr float kChromaShare = 0.133f;
constexpr float kChromaShareAwayFromBlue = 0.999f;

void BoundsSquared(const double lab[3], double chroma, float bounds[kCandidateCount]) {
    const float l = static_cast<float>(lab[0]), a = static_cast<float>(lab[1]);
    const float b = static_cast<float>(lab[2]), c = static_cast<float>(chroma);
    const Candidates& k = g_candidates;
    for (int i = 0; i < kCandidateCount; ++i) {
        const float dL = l - k.near[0][i], da = a - k.near[1][i], db = b - k.near[2][i];
        const float fromMiddle = (l + k.near[0][i]) / 2 - 50;
        const float sL = 1.001f + 0.015f * (fromMiddle < 0 ? -fromMiddle : fromMiddle);
        const float meanC = (c + k.near[3][i]) / 2;
        const float sC = 1.001f + 0.045f * (meanC < 12.76f ? 1.5f * meanC : meanC + 6.38f);
        const float share = b >= 0 && k.near[2][i] >= 0 ? kChromaShareAwayFromBlue : kChromaShare;
        bounds[i] = dL * dL / (sL * sL) + share * (da * da + db * db) / (sC * sC);
    }
}

}  // namespace

void FindNearestName(const ColorRecord& color, NearestName* nearest) {
    if (!g_candidatesReady) PrepareCandidates();
    double lab[3];
    LabOf(color, lab);
    const double chroma = std::sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    float bounds[kCandidateCount];
    BoundsSquared(lab, chroma, bounds);
    int best = 0;
    for (int i = 1; i < kCandidateCount; ++i) {
        if (bounds[i] < bounds[best]) best = i;
    }
    // A bound of 0 is the named colour itself (the first of its names).
    if (bounds[best] == 0) {
        *nearest = {g_candidates.name[best], 0};
        return;
    }
    // The name of the least bound first, then every name whose bound is below
    // the best distance yet, in table order: of two at one distance, the first.
    double candidate[3];
    CandidateLab(best, candidate);
    double bestDistance = DeltaE2000(lab, candidate);
    for (int i = 0; i < kCandidateCount; ++i) {
        if (i == best || !(bounds[i] < bestDistance * bestDistance * 1.001)) continue;
        CandidateLab(i, candidate);
        if (!(DeltaE2000LowerBound(lab, candidate) <= bestDistance)) continue;
        const double d = DeltaE2000(lab, candidate);
        if (d < bestDistance || (d == bestDistance && i < best)) {
            bestDistance = d;
            best = i;
        }
    }
    *nearest = {g_candidates.name[best], bestDistance};
}
