// The full CSS colour reader: a colour function whose channels may be math
// functions or keywords of a relative colour's origin, and the colours made
// of colours: color-mix(), light-dark(), contrast-color(). One call per
// nesting level, each token read once.
#include <cmath>

#include "css_calc.h"
#include "css_read_parts.h"
#include "css_spaces.h"
#include "srgb_tables.h"

namespace {

// A colour as read, with the channels written `none` or missing after a
// conversion: bit i for channel i, bit 3 for alpha. `none` is 0 in `color`.
struct Colour {
    CssColor color;
    uint8_t none;
};

constexpr uint8_t kAlphaNone = 8;

CssReadResult ReadColour(CssStream* stream, Colour* colour);

bool IsIdent(const CssToken& t, const char* name) {
    return t.type == CssTokenType::kIdent && CssNameIs(t, name);
}

bool IsSlash(const CssToken& t) { return t.type == CssTokenType::kDelim && t.delim == '/'; }

// The index of a space's hue channel, or -1.
int HueIndex(CssSpace space) {
    switch (space) {
    case CssSpace::kHsl:
    case CssSpace::kHwb:
        return 0;
    case CssSpace::kLch:
    case CssSpace::kOklch:
        return 2;
    default:
        return -1;
    }
}

// The letters of a space's channel keywords in a relative colour: rgb(),
// hsl(), lab() ... name them; color() has r g b, or x y z.
const char* ChannelLetters(CssSpace space) {
    switch (space) {
    case CssSpace::kHsl: return "hsl";
    case CssSpace::kHwb: return "hwb";
    case CssSpace::kLab:
    case CssSpace::kOklab: return "lab";
    case CssSpace::kLch:
    case CssSpace::kOklch: return "lch";
    case CssSpace::kXyzD50:
    case CssSpace::kXyzD65: return "xyz";
    default: return "rgb";
    }
}

// The channels of a colour as CSS computes it (finite, in range) in another
// space. A hash's or a name's whole channels take their linear light from
// the table of 8-bit steps, with the bits the transfer function gives: a mix
// of two of them reads a table, not twelve powers.
void ComputedIn(const CssColor& color, CssSpace space, double out[3]) {
    const double* c = color.channels;
    bool whole = color.space == CssSpace::kRgb && space != CssSpace::kRgb && space != CssSpace::kSrgb &&
                 space != CssSpace::kHsl && space != CssSpace::kHwb;
    for (int i = 0; i < 3 && whole; ++i) whole = c[i] >= 0 && c[i] <= 255 && c[i] == static_cast<int>(c[i]);
    if (whole) {
        const double linear[3] = {kLinearOfChannel[static_cast<int>(c[0])], kLinearOfChannel[static_cast<int>(c[1])],
                                  kLinearOfChannel[static_cast<int>(c[2])]};
        LinearSrgbToCss(linear, space, out);
        return;
    }
    CssColor computed;
    ClampedChannels(color, &computed);
    ConvertCssColor(computed, space, out);
}

// The origin's channels in `space`, as the keywords of a relative colour;
// its missing channels are 0.
void SetKeywords(const Colour& origin, CssSpace space, CssChannelKeywords* keywords) {
    double channels[3];
    ComputedIn(origin.color, space, channels);
    const char* letters = ChannelLetters(space);
    for (int i = 0; i < 3; ++i) {
        keywords->names[i][0] = letters[i];
        keywords->names[i][1] = '\0';
        keywords->values[i] = std::isnan(channels[i]) ? 0 : channels[i];
    }
    const char alpha[] = "alpha";
    for (int i = 0; i < 6; ++i) keywords->names[3][i] = alpha[i];
    keywords->values[3] = origin.none & kAlphaNone ? 0 : origin.color.alpha;
}

// One channel's value in its function's units, from what was read.
bool ChannelValue(const CssNumeric& v, bool hue, CssPercent percent, double* value) {
    if (IsCssNumber(v)) *value = v.value;
    else if (hue && IsCssAngle(v)) *value = v.value;
    else if (!hue && IsCssPercentage(v)) *value = v.value * percent.times / percent.per;
    else return false;
    return true;
}

bool AlphaValue(const CssNumeric& v, double* alpha) {
    if (IsCssNumber(v)) *alpha = v.value;
    else if (IsCssPercentage(v)) *alpha = v.value / 100;
    else return false;
    return true;
}

// The channels and alpha of a colour function, after `from` and color()'s
// space, up to its ')': modern (blanks, `none`, '/ alpha') or, where the
// function has it and no origin was given, legacy (commas).
CssReadResult ReadChannels(CssStream* stream, const CssFunction& f, const CssChannelKeywords* keywords,
                           Colour* colour) {
    CssNumeric values[3];
    bool legacy = false;
    colour->none = 0;
    for (int i = 0; i < 3; ++i) {
        if (legacy) {
            if (stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
            AdvanceCssStream(stream);
        }
        bool none;
        const CssReadResult result = ReadCssComponent(stream, keywords, &values[i], &none);
        if (result != CssReadResult::kColour) return result;
        if (none) colour->none |= static_cast<uint8_t>(1 << i);
        if (i == 0 && !keywords && f.legacy != CssLegacy::kNone &&
            stream->token.type == CssTokenType::kComma)
            legacy = true;
        values[i].value = i == f.hue ? CensoredCssHue(values[i].value) : CensoredCssValue(values[i].value);
        if (!none && !ChannelValue(values[i], i == f.hue, f.percents[i], &colour->color.channels[i]))
            return CssReadResult::kNotAColour;
        if (none) colour->color.channels[i] = 0;
    }
    if (legacy) {
        // No none; rgb()'s channels all numbers or all percentages, hsl()'s
        // saturation and lightness percentages.
        if (colour->none) return CssReadResult::kNotAColour;
        for (int i = 0; i < 3; ++i) {
            if (i == f.hue) continue;
            const bool wanted = f.legacy == CssLegacy::kRgb ? IsCssNumber(values[i]) == IsCssNumber(values[0])
                                                            : IsCssPercentage(values[i]);
            if (!wanted) return CssReadResult::kNotAColour;
        }
    }
    colour->color.alpha = keywords ? keywords->values[3] : 1;
    const bool alphaFollows = legacy ? stream->token.type == CssTokenType::kComma : IsSlash(stream->token);
    if (alphaFollows) {
        AdvanceCssStream(stream);
        CssNumeric alpha;
        bool none;
        const CssReadResult result = ReadCssComponent(stream, keywords, &alpha, &none);
        if (result != CssReadResult::kColour) return result;
        if (none && legacy) return CssReadResult::kNotAColour;
        alpha.value = CensoredCssValue(alpha.value);
        if (none) {
            colour->none |= kAlphaNone;
            colour->color.alpha = 0;
        } else if (!AlphaValue(alpha, &colour->color.alpha)) {
            return CssReadResult::kNotAColour;
        }
    }
    return stream->token.type == CssTokenType::kCloseParen ? CssReadResult::kColour
                                                           : CssReadResult::kNotAColour;
}

// rgb() ... color(), at its function token, through its ')'.
CssReadResult ReadColourFunction(CssStream* stream, const CssFunction& f, Colour* colour) {
    if (!EnterNesting(stream)) return CssReadResult::kRefused;
    AdvanceCssStream(stream);
    Colour origin;
    const bool relative = IsIdent(stream->token, "from");
    if (relative) {
        AdvanceCssStream(stream);
        const CssReadResult result = ReadColour(stream, &origin);
        if (result != CssReadResult::kColour) return result;
    }
    colour->color.space = f.space;
    if (&f == &kCssColorFunction) {
        if (stream->token.type != CssTokenType::kIdent ||
            !FindPredefinedSpace(stream->token, &colour->color.space))
            return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
    }
    CssChannelKeywords keywords;
    if (relative) SetKeywords(origin, colour->color.space, &keywords);
    const CssReadResult result = ReadChannels(stream, f, relative ? &keywords : nullptr, colour);
    LeaveNesting(stream);
    if (result == CssReadResult::kColour) AdvanceCssStream(stream);
    return result;
}

// light-dark(light, dark) and contrast-color(colour): a colour of their
// arguments, chosen.
CssReadResult ReadColourArguments(CssStream* stream, int count, Colour* colours) {
    if (!EnterNesting(stream)) return CssReadResult::kRefused;
    AdvanceCssStream(stream);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
            AdvanceCssStream(stream);
        }
        const CssReadResult result = ReadColour(stream, &colours[i]);
        if (result != CssReadResult::kColour) return result;
    }
    LeaveNesting(stream);
    if (stream->token.type != CssTokenType::kCloseParen) return CssReadResult::kNotAColour;
    AdvanceCssStream(stream);
    return CssReadResult::kColour;
}

// White or black, whichever contrasts more with the colour by WCAG 2's
// ratio (white on a tie), as the colour shows in sRGB.
void SetContrastColour(const Colour& background, Colour* colour) {
    Rgba8 shown;
    ResolveCssColor(background.color, GamutMode::kMap, &shown);
    const double luminance = 0.2126 * SrgbToLinear(shown.color.red / 255.0) +
                             0.7152 * SrgbToLinear(shown.color.green / 255.0) +
                             0.0722 * SrgbToLinear(shown.color.blue / 255.0);
    const double withWhite = 1.05 / (luminance + 0.05), withBlack = (luminance + 0.05) / 0.05;
    const double v = withWhite >= withBlack ? 255 : 0;
    *colour = {{CssSpace::kRgb, {v, v, v}, 1}, 0};
}

// What each channel of a space is, for carrying a missing one into another
// space: reds, greens, blues, lightness, colourfulness, hue, a, b.
enum Analogue : uint8_t { kNoAnalogue, kRed, kGreen, kBlue, kLightness, kColourfulness, kHue, kA, kB };

Analogue AnalogueOf(CssSpace space, int channel) {
    static const Analogue kRgbLike[3] = {kRed, kGreen, kBlue};
    static const Analogue kHslLike[3] = {kHue, kColourfulness, kLightness};
    static const Analogue kHwbLike[3] = {kHue, kNoAnalogue, kNoAnalogue};
    static const Analogue kLabLike[3] = {kLightness, kA, kB};
    static const Analogue kLchLike[3] = {kLightness, kColourfulness, kHue};
    switch (space) {
    case CssSpace::kHsl: return kHslLike[channel];
    case CssSpace::kHwb: return kHwbLike[channel];
    case CssSpace::kLab:
    case CssSpace::kOklab: return kLabLike[channel];
    case CssSpace::kLch:
    case CssSpace::kOklch: return kLchLike[channel];
    default: return kRgbLike[channel];
    }
}

// The colour in the space a mix interpolates in: missing channels carried
// to their analogues, and a hue that means nothing (a grey's) missing.
Colour InSpace(const Colour& colour, CssSpace space) {
    Colour out = {{space, {0, 0, 0}, colour.color.alpha}, static_cast<uint8_t>(colour.none & kAlphaNone)};
    if (colour.color.space == space) {
        out = colour;
    } else {
        ComputedIn(colour.color, space, out.color.channels);
        for (int j = 0; j < 3; ++j) {
            const Analogue kind = AnalogueOf(space, j);
            for (int i = 0; i < 3 && kind != kNoAnalogue; ++i) {
                if ((colour.none >> i & 1) && AnalogueOf(colour.color.space, i) == kind)
                    out.none |= static_cast<uint8_t>(1 << j);
            }
        }
        const double* c = out.color.channels;
        // The thresholds below which CSS's sample code calls a hue powerless.
        const bool powerless = space == CssSpace::kHsl   ? std::fabs(c[1]) <= 1e-3
                               : space == CssSpace::kHwb ? c[1] + c[2] >= 100 - 1e-3
                               : space == CssSpace::kLch ? c[1] <= 0.0015
                               : space == CssSpace::kOklch ? c[1] <= 0.000004
                                                           : false;
        if (powerless) out.none |= static_cast<uint8_t>(1 << HueIndex(space));
    }
    double& alpha = out.color.alpha;
    alpha = alpha < 0 ? 0 : alpha > 1 ? 1 : alpha;
    for (int i = 0; i < 3; ++i) {
        if (out.none >> i & 1) out.color.channels[i] = 0;
    }
    return out;
}

enum class HueArc : uint8_t { kShorter, kLonger, kIncreasing, kDecreasing };

bool ReadHueArc(const CssToken& t, HueArc* arc) {
    if (t.type != CssTokenType::kIdent) return false;
    if (CssNameIs(t, "shorter")) *arc = HueArc::kShorter;
    else if (CssNameIs(t, "longer")) *arc = HueArc::kLonger;
    else if (CssNameIs(t, "increasing")) *arc = HueArc::kIncreasing;
    else if (CssNameIs(t, "decreasing")) *arc = HueArc::kDecreasing;
    else return false;
    return true;
}

// The two hues, 0-360, made to differ along the arc.
void FixHues(HueArc arc, double* h1, double* h2) {
    *h1 = NormalisedHue(*h1);
    *h2 = NormalisedHue(*h2);
    const double d = *h2 - *h1;
    switch (arc) {
    case HueArc::kShorter:
        if (d > 180) *h1 += 360;
        else if (d < -180) *h2 += 360;
        break;
    case HueArc::kLonger:
        if (d > 0 && d < 180) *h1 += 360;
        else if (d > -180 && d <= 0) *h2 += 360;
        break;
    case HueArc::kIncreasing:
        if (d < 0) *h2 += 360;
        break;
    case HueArc::kDecreasing:
        if (d > 0) *h1 += 360;
        break;
    }
}

// a to b at `progress` (0 is a), both in the same space: a channel missing
// in one is the other's; premultiplied by alpha, the hue along the arc.
Colour Interpolate(const Colour& a, const Colour& b, double progress, HueArc arc) {
    const int hue = HueIndex(a.color.space);
    double va[4], vb[4];
    Colour out = {{a.color.space, {0, 0, 0}, 1}, 0};
    for (int i = 0; i < 4; ++i) {
        va[i] = i < 3 ? a.color.channels[i] : a.color.alpha;
        vb[i] = i < 3 ? b.color.channels[i] : b.color.alpha;
        const bool noneA = a.none >> i & 1, noneB = b.none >> i & 1;
        if (noneA && noneB) out.none |= static_cast<uint8_t>(1 << i);
        if (noneA && !noneB) va[i] = vb[i];
        if (noneB && !noneA) vb[i] = va[i];
    }
    if (out.none & kAlphaNone) va[3] = vb[3] = 1;
    if (hue >= 0 && !(out.none >> hue & 1)) FixHues(arc, &va[hue], &vb[hue]);
    for (int i = 0; i < 3; ++i) {
        if (i == hue) continue;
        va[i] *= va[3];
        vb[i] *= vb[3];
    }
    const double alpha = va[3] + (vb[3] - va[3]) * progress;
    for (int i = 0; i < 3; ++i) {
        double v = va[i] + (vb[i] - va[i]) * progress;
        if (i == hue) v = NormalisedHue(v);
        else if (alpha != 0) v /= alpha;
        out.color.channels[i] = out.none >> i & 1 ? 0 : v;
    }
    out.color.alpha = alpha;
    return out;
}

// The spaces color-mix() interpolates in, beyond color()'s.
struct MixSpace {
    char name[6];
    CssSpace space;
};

const MixSpace kMixSpaces[] = {
    {"lab", CssSpace::kLab}, {"oklab", CssSpace::kOklab}, {"lch", CssSpace::kLch},
    {"oklch", CssSpace::kOklch}, {"hsl", CssSpace::kHsl}, {"hwb", CssSpace::kHwb},
};

bool FindMixSpace(const CssToken& t, CssSpace* space) {
    if (t.type != CssTokenType::kIdent) return false;
    for (const MixSpace& entry : kMixSpaces) {
        if (CssNameIs(t, entry.name)) {
            *space = entry.space;
            return true;
        }
    }
    return FindPredefinedSpace(t, space);
}

// "in SPACE [ARC hue]," at the start of color-mix(); oklab and the shorter
// arc when it is left out.
CssReadResult ReadMixMethod(CssStream* stream, CssSpace* space, HueArc* arc) {
    *space = CssSpace::kOklab;
    *arc = HueArc::kShorter;
    if (!IsIdent(stream->token, "in")) return CssReadResult::kColour;
    AdvanceCssStream(stream);
    if (!FindMixSpace(stream->token, space)) return CssReadResult::kNotAColour;
    AdvanceCssStream(stream);
    if (HueIndex(*space) >= 0 && ReadHueArc(stream->token, arc)) {
        AdvanceCssStream(stream);
        if (!IsIdent(stream->token, "hue")) return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
    }
    if (stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
    AdvanceCssStream(stream);
    return CssReadResult::kColour;
}

// Colours one color-mix() mixes at most.
constexpr int kMaxMixed = 16;

// A colour's share of a mix, 0-100, written before or after it: a
// percentage outside 0-100 is invalid, a calculation's is clamped into it.
CssReadResult ReadShare(CssStream* stream, double* share) {
    const bool calculated = stream->token.type == CssTokenType::kFunction;
    CssNumeric value;
    bool none;
    const CssReadResult result = ReadCssComponent(stream, nullptr, &value, &none);
    if (result != CssReadResult::kColour) return result;
    if (none || !IsCssPercentage(value)) return CssReadResult::kNotAColour;
    value.value = CensoredCssValue(value.value);
    if (!calculated && !(value.value >= 0 && value.value <= 100)) return CssReadResult::kNotAColour;
    *share = value.value < 0 ? 0 : value.value > 100 ? 100 : value.value;
    return CssReadResult::kColour;
}

bool StartsShare(const CssToken& t) {
    return t.type == CssTokenType::kPercentage || (t.type == CssTokenType::kFunction && IsCssMathFunction(t));
}

// color-mix(), at its function token, through its ')'.
CssReadResult ReadMix(CssStream* stream, Colour* colour) {
    if (!EnterNesting(stream)) return CssReadResult::kRefused;
    AdvanceCssStream(stream);
    CssSpace space;
    HueArc arc;
    CssReadResult result = ReadMixMethod(stream, &space, &arc);
    Colour colours[kMaxMixed];
    double shares[kMaxMixed];
    bool given[kMaxMixed];
    int count = 0;
    while (result == CssReadResult::kColour) {
        if (count == kMaxMixed)
            return RefuseCss(stream->reading, "more than 16 colours in color-mix()", " are not supported");
        given[count] = StartsShare(stream->token);
        if (given[count]) result = ReadShare(stream, &shares[count]);
        if (result == CssReadResult::kColour) result = ReadColour(stream, &colours[count]);
        if (result == CssReadResult::kColour && !given[count] && StartsShare(stream->token)) {
            given[count] = true;
            result = ReadShare(stream, &shares[count]);
        }
        if (result != CssReadResult::kColour) break;
        ++count;
        if (stream->token.type == CssTokenType::kCloseParen) break;
        if (stream->token.type != CssTokenType::kComma) return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
    }
    LeaveNesting(stream);
    if (result != CssReadResult::kColour) return result;
    AdvanceCssStream(stream);

    // Shares left out take what the given ones leave of 100 %, evenly; a sum
    // above 100 % is scaled down to it, one below scales up and multiplies the
    // alpha; a sum of nothing mixes nothing.
    double givenSum = 0;
    int missing = 0;
    for (int i = 0; i < count; ++i) {
        if (given[i]) givenSum += shares[i];
        else ++missing;
    }
    double total = givenSum;
    for (int i = 0; i < count; ++i) {
        if (given[i]) continue;
        shares[i] = givenSum < 100 ? (100 - givenSum) / missing : 0;
        total += shares[i];
    }
    if (!(total > 0)) return CssReadResult::kNotAColour;
    const double alphaTimes = total < 100 ? total / 100 : 1;

    // Mixed in turn: the running colour holds the shares so far.
    Colour mixed = InSpace(colours[0], space);
    double sofar = shares[0];
    for (int i = 1; i < count; ++i) {
        const double progress = sofar + shares[i] > 0 ? shares[i] / (sofar + shares[i]) : 0;
        mixed = Interpolate(mixed, InSpace(colours[i], space), progress, arc);
        sofar += shares[i];
    }
    mixed.color.alpha *= alphaTimes;
    *colour = mixed;
    return CssReadResult::kColour;
}

CssReadResult ReadColour(CssStream* stream, Colour* colour) {
    const CssToken& t = stream->token;
    CssReadResult result;
    switch (t.type) {
    case CssTokenType::kHash:
    case CssTokenType::kIdent:
        result = t.type == CssTokenType::kHash ? ReadCssHash(t, stream->reading)
                                               : ReadCssKeyword(t, stream->reading);
        if (result != CssReadResult::kColour) return result;
        *colour = {stream->reading->color, 0};
        AdvanceCssStream(stream);
        return result;
    case CssTokenType::kFunction:
        break;
    default:
        return CssReadResult::kNotAColour;
    }
    if (const CssFunction* f = FindCssFunction(t)) return ReadColourFunction(stream, *f, colour);
    if (CssNameIs(t, "color-mix")) return ReadMix(stream, colour);
    Colour pair[2];
    if (CssNameIs(t, "light-dark")) {
        result = ReadColourArguments(stream, 2, pair);
        if (result == CssReadResult::kColour) *colour = pair[stream->scheme == ColourScheme::kDark ? 1 : 0];
        return result;
    }
    if (CssNameIs(t, "contrast-color")) {
        result = ReadColourArguments(stream, 1, pair);
        if (result == CssReadResult::kColour) SetContrastColour(pair[0], colour);
        return result;
    }
    return RejectCssFunction(stream);
}

// After a refusal inside it, the text is still a whole, closed colour (or
// it is no colour at all): the rest is read through to its end.
CssReadResult ClosesAfterRefusal(CssStream* stream) {
    for (;;) {
        if (stream->token.type == CssTokenType::kEnd) break;
        if (stream->token.type == CssTokenType::kBad) return CssReadResult::kNotAColour;
        if (stream->open <= 0 && stream->tokens.at != stream->tokens.end) return CssReadResult::kNotAColour;
        AdvanceCssStream(stream);
    }
    return stream->open == 0 ? CssReadResult::kRefused : CssReadResult::kNotAColour;
}

}  // namespace

CssReadResult ReadNestedCssColor(const char* text, size_t length, ColourScheme scheme,
                                 CssReading* reading) {
    CssStream stream;
    StartCssStream(text, length, scheme, reading, &stream);
    Colour colour;
    const CssReadResult result = ReadColour(&stream, &colour);
    if (result == CssReadResult::kRefused) return ClosesAfterRefusal(&stream);
    if (result != CssReadResult::kColour) return result;
    if (stream.token.type != CssTokenType::kEnd || stream.blankBefore) return CssReadResult::kNotAColour;
    reading->color = colour.color;
    return CssReadResult::kColour;
}
