// The nearest name without measuring every name: a bound that costs a few
// multiplications rules out most of them, a closer one most of the rest,
// and CIEDE2000 is worked out only for those they leave.
#include "nearest_name.h"

#include <algorithm>
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
    // The chroma term's share in the first bound: for a colour whose b is
    // positive, and for one whose b is negative.
    float share[kCandidateCount], shareNearBlue[kCandidateCount];
    const char* name[kCandidateCount];
};

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
    g_candidates.share[i] = lab[2] >= 0 ? kChromaShareAwayFromBlue : kChromaShare;
    g_candidates.shareNearBlue[i] = kChromaShare;
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

// Branch-free, so that the compiler works it out for several names at once.
void BoundsSquared(const double lab[3], double chroma, float bounds[kCandidateCount]) {
    const float l = static_cast<float>(lab[0]), a = static_cast<float>(lab[1]);
    const float b = static_cast<float>(lab[2]), c = static_cast<float>(chroma);
    const Candidates& k = g_candidates;
    const float* share = b >= 0 ? k.share : k.shareNearBlue;
    for (int i = 0; i < kCandidateCount; ++i) {
        const float dL = l - k.near[0][i], da = a - k.near[1][i], db = b - k.near[2][i];
        const float sL = 1.001f + 0.015f * std::fabs((l + k.near[0][i]) / 2 - 50);
        const float meanC = (c + k.near[3][i]) / 2;
        const float primed = 1.5f * meanC < meanC + 6.38f ? 1.5f * meanC : meanC + 6.38f;
        const float sC = 1.001f + 0.045f * primed;
        const float sL2 = sL * sL, sC2 = sC * sC;
        bounds[i] = (dL * dL * sC2 + share[i] * (da * da + db * db) * sL2) / (sL2 * sC2);
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
    // The least bound in four lanes, then the first name that has it.
    float least[4] = {bounds[0], bounds[1], bounds[2], bounds[3]};
    for (int i = 4; i + 3 < kCandidateCount; i += 4)
        for (int lane = 0; lane < 4; ++lane)
            least[lane] = bounds[i + lane] < least[lane] ? bounds[i + lane] : least[lane];
    for (int i = kCandidateCount / 4 * 4; i < kCandidateCount; ++i)
        least[0] = bounds[i] < least[0] ? bounds[i] : least[0];
    const float leastBound = std::min(std::min(least[0], least[1]), std::min(least[2], least[3]));
    int best = 0;
    while (bounds[best] != leastBound) ++best;
    // A bound of 0 is the named colour itself (the first of its names).
    if (bounds[best] == 0) {
        *nearest = {g_candidates.name[best], 0};
        return;
    }
    // The name of the least bound first, then the names whose bound is below
    // its distance, least bound first, until the bound passes the best
    // distance yet. Of two at one distance, the first in the table.
    double candidate[3];
    CandidateLab(best, candidate);
    double bestDistance = DeltaE2000(lab, candidate);
    const float reach = static_cast<float>(bestDistance * bestDistance * 1.001);
    int order[kCandidateCount];
    int count = 0;
    for (int i = 0; i < kCandidateCount; ++i) {
        order[count] = i;
        count += (bounds[i] < reach) & (i != best);
    }
    for (int n = 1; n < count; ++n) {
        const int i = order[n];
        int at = n;
        for (; at > 0 && bounds[order[at - 1]] > bounds[i]; --at) order[at] = order[at - 1];
        order[at] = i;
    }
    for (int n = 0; n < count; ++n) {
        const int i = order[n];
        if (!(bounds[i] < bestDistance * bestDistance * 1.001)) break;
        CandidateLab(i, candidate);
        const double d = DeltaE2000Within(lab, candidate, bestDistance);
        if (d < bestDistance || (d == bestDistance && i < best)) {
            bestDistance = d;
            best = i;
        }
    }
    *nearest = {g_candidates.name[best], bestDistance};
}
