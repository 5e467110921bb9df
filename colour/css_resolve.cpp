// From a CSS colour to 8-bit sRGB: clamps where CSS clamps, conversion to
// linear-light sRGB, CSS's gamut mapping for a colour outside, and rounding.
#include <cmath>

#include "css_color.h"
#include "css_spaces.h"
#include "srgb_tables.h"

namespace {

// The gamut mapping's just noticeable difference in OKLab, and its precision.
constexpr double kJnd = 0.02;
constexpr double kEpsilon = 0.0001;

// Channels beyond this are as far out as any colour needs to be, and keep
// the arithmetic finite.
constexpr double kFarthest = 1e6;

double Clamp(double v, double low, double high) {
    if (!(v >= low)) return std::isnan(v) ? 0 : low;
    return v > high ? high : v;
}

// v rounded, halves up, for v at least 0 (truncation is then the floor).
uint8_t RoundHalfUp(double v) { return static_cast<uint8_t>(static_cast<int>(v + 0.5)); }

// v * 255 rounded, halves up, for v in 0-1.
uint8_t RoundToChannel(double v) { return RoundHalfUp(Clamp(v, 0, 1) * 255); }

// The channel whose threshold is the highest one at or below `linear`.
uint8_t ChannelFromLinear(double linear) {
    if (!(linear >= kChannelThreshold[1])) return 0;
    const double at = linear * kChannelNearSteps;
    int v = kChannelNear[at < kChannelNearSteps ? static_cast<int>(at) : kChannelNearSteps];
    while (v < 255 && kChannelThreshold[v + 1] <= linear) ++v;
    return static_cast<uint8_t>(v);
}

bool InGamut(const double linear[3]) {
    for (int i = 0; i < 3; ++i) {
        if (!(linear[i] >= 0 && linear[i] <= 1)) return false;
    }
    return true;
}

// Outside by more than the rounding to 8 bits hides.
bool FarOutside(const double linear[3]) {
    for (int i = 0; i < 3; ++i) {
        if (linear[i] < -kChannelThreshold[1] || linear[i] > kChannelThreshold[256]) return true;
    }
    return false;
}

void Clip(const double in[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = Clamp(in[i], 0, 1);
}

// The search compares distances with these only, so it keeps their squares
// and takes no square roots.
constexpr double kJndSquared = kJnd * kJnd;
constexpr double kNearJndSquared = (kJnd - kEpsilon) * (kJnd - kEpsilon);

double SquaredDeltaEOk(const double a[3], const double b[3]) {
    const double dl = a[0] - b[0], da = a[1] - b[1], db = a[2] - b[2];
    return dl * dl + da * da + db * db;
}

// E squared of the clipped colour against `oklab`; the clipped colour in
// `clipped`.
double ClipDistanceSquared(const double oklab[3], const double linear[3], double clipped[3]) {
    double clippedOklab[3];
    Clip(linear, clipped);
    NearLinearSrgbToOklab(clipped, clippedOklab);
    return SquaredDeltaEOk(clippedOklab, oklab);
}

// CSS's binary search on OKLCh chroma, for a colour outside sRGB given in
// OKLab; writes the linear light of the mapped colour. Each chroma tried is
// the hue's unit vector in a, b times the chroma, as OKLCh to OKLab has it,
// without an angle, and with no division in the search.
void MapIntoSrgb(const double origin[3], double mapped[3]) {
    if (origin[0] >= 1 || origin[0] <= 0) {
        mapped[0] = mapped[1] = mapped[2] = origin[0] >= 1 ? 1 : 0;
        return;
    }
    double linear[3];
    OklabToLinearSrgb(origin, linear);
    double e2 = ClipDistanceSquared(origin, linear, mapped);
    const double chroma0 = std::sqrt(origin[1] * origin[1] + origin[2] * origin[2]);
    if (e2 < kJndSquared || chroma0 == 0) return;
    const double unitA = origin[1] / chroma0, unitB = origin[2] / chroma0;
    double low = 0, high = chroma0;
    bool lowInGamut = true;
    while (high - low > kEpsilon) {
        const double chroma = (low + high) / 2;
        const double current[3] = {origin[0], chroma * unitA, chroma * unitB};
        OklabToLinearSrgb(current, linear);
        if (InGamut(linear)) {
            // Clipped, a colour inside is itself, at a distance of nothing but
            // rounding (below 1e-14), which is as near as the search asks.
            if (!lowInGamut) Clip(linear, mapped);
            low = chroma;
            continue;
        }
        e2 = ClipDistanceSquared(current, linear, mapped);
        if (e2 < kJndSquared) {
            if (e2 > kNearJndSquared) return;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
}

}  // namespace

void ClampedChannels(const CssColor& color, CssColor* clamped) {
    clamped->space = color.space;
    clamped->alpha = color.alpha;
    double* c = clamped->channels;
    for (int i = 0; i < 3; ++i) c[i] = Clamp(color.channels[i], -kFarthest, kFarthest);
    switch (color.space) {
    case CssSpace::kLab:
        c[0] = Clamp(c[0], 0, 100);
        break;
    case CssSpace::kLch:
        c[0] = Clamp(c[0], 0, 100);
        c[1] = Clamp(c[1], 0, kFarthest);
        c[2] = NormalisedHue(color.channels[2]);  // turned, not clamped
        break;
    case CssSpace::kOklab:
        c[0] = Clamp(c[0], 0, 1);
        break;
    case CssSpace::kOklch:
        c[0] = Clamp(c[0], 0, 1);
        c[1] = Clamp(c[1], 0, kFarthest);
        c[2] = NormalisedHue(color.channels[2]);
        break;
    default:
        break;
    }
}

namespace {

void SetFromLinear(const double linear[3], ColorRecord* color) {
    color->red = ChannelFromLinear(linear[0]);
    color->green = ChannelFromLinear(linear[1]);
    color->blue = ChannelFromLinear(linear[2]);
}

void SetFromSrgb(const double rgb[3], ColorRecord* color) {
    color->red = RoundToChannel(rgb[0]);
    color->green = RoundToChannel(rgb[1]);
    color->blue = RoundToChannel(rgb[2]);
}

// Channel v's cell of linear light: [kChannelThreshold[v], the next one), with
// the half steps outside sRGB that rounding hides at either end.
bool InCell(double linear, int v) {
    const double low = v == 0 ? -kChannelThreshold[1] : kChannelThreshold[v];
    return linear >= low && (v == 255 ? linear <= kChannelThreshold[256] : linear < kChannelThreshold[v + 1]);
}

// The 8-bit colour of one outside sRGB, clamped as CSS reads it and in
// linear light: gamut-mapped or clipped.
void BringIntoSrgb(const CssColor& color, const double linear[3], GamutMode mode,
                   ColorRecord* result) {
    const double* c = color.channels;
    double mapped[3];
    if (mode == GamutMode::kClip) {
        Clip(linear, mapped);
    } else {
        double oklab[3] = {c[0], c[1], c[2]};
        if (color.space == CssSpace::kOklch) PolarToRectangular(c[1], c[2], &oklab[1], &oklab[2]);
        if (color.space != CssSpace::kOklab && color.space != CssSpace::kOklch)
            LinearSrgbToOklab(linear, oklab);
        MapIntoSrgb(oklab, mapped);
    }
    SetFromLinear(mapped, result);
}

}  // namespace

void ResolveCssColor(const CssColor& original, GamutMode mode, Rgba8* result) {
    result->color.notation = 0;
    result->alpha = RoundToChannel(original.alpha);
    result->mapped = false;
    const double* o = original.channels;
    double rgb[3];
    switch (original.space) {
    case CssSpace::kRgb:
        // Rounded from 0-255 itself: a half such as 1.5 stays exact.
        result->color.red = RoundHalfUp(Clamp(o[0], 0, 255));
        result->color.green = RoundHalfUp(Clamp(o[1], 0, 255));
        result->color.blue = RoundHalfUp(Clamp(o[2], 0, 255));
        return;
    case CssSpace::kHsl:
    case CssSpace::kHwb:
        LegacyToSrgb(original, rgb);
        SetFromSrgb(rgb, &result->color);
        return;
    default:
        break;
    }
    CssColor color;
    ClampedChannels(original, &color);
    const double* c = color.channels;
    if (color.space == CssSpace::kSrgb && c[0] >= 0 && c[0] <= 1 && c[1] >= 0 && c[1] <= 1 &&
        c[2] >= 0 && c[2] <= 1) {
        SetFromSrgb(c, &result->color);
        return;
    }
    double linear[3];
    CssToLinearSrgb(color, linear);
    if (InGamut(linear)) {
        SetFromLinear(linear, &result->color);
        return;
    }
    result->mapped = FarOutside(linear);
    BringIntoSrgb(color, linear, mode, &result->color);
}

bool CssColorIs(const CssColor& original, const ColorRecord& expected) {
    const double* o = original.channels;
    double linear[3];
    // The spaces the writer of the CSS forms asks about, each straight to its
    // conversion: hsl() and hwb() as ResolveCssColor rounds them, lab() and
    // oklab() with the clamps ClampedChannels would make (a clamp to
    // +-kFarthest and then to 0-100 is one to 0-100).
    switch (original.space) {
    case CssSpace::kLab: {
        const double lab[3] = {Clamp(o[0], 0, 100), Clamp(o[1], -kFarthest, kFarthest),
                               Clamp(o[2], -kFarthest, kFarthest)};
        LabToLinearSrgb(lab, linear);
        break;
    }
    case CssSpace::kOklab: {
        const double oklab[3] = {Clamp(o[0], 0, 1), Clamp(o[1], -kFarthest, kFarthest),
                                 Clamp(o[2], -kFarthest, kFarthest)};
        OklabToLinearSrgb(oklab, linear);
        break;
    }
    case CssSpace::kHsl:
    case CssSpace::kHwb: {
        // Never mapped: rounded from sRGB as ResolveCssColor rounds them.
        double rgb[3];
        LegacyToSrgb(original, rgb);
        return RoundToChannel(rgb[0]) == expected.red && RoundToChannel(rgb[1]) == expected.green &&
               RoundToChannel(rgb[2]) == expected.blue;
    }
    case CssSpace::kRgb:
    case CssSpace::kSrgb: {
        Rgba8 back;
        ResolveCssColor(original, GamutMode::kMap, &back);
        return !back.mapped && back.color.red == expected.red && back.color.green == expected.green &&
               back.color.blue == expected.blue;
    }
    default: {
        CssColor color;
        ClampedChannels(original, &color);
        CssToLinearSrgb(color, linear);
        break;
    }
    }
    if (InGamut(linear))
        return InCell(linear[0], expected.red) && InCell(linear[1], expected.green) &&
               InCell(linear[2], expected.blue);
    if (FarOutside(linear)) return false;
    // Near enough to be no mapped colour: mapped in, it must be the one.
    CssColor color;
    ClampedChannels(original, &color);
    ColorRecord back;
    BringIntoSrgb(color, linear, GamutMode::kMap, &back);
    return back.red == expected.red && back.green == expected.green && back.blue == expected.blue;
}
