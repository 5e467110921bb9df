// Reading a CSS <color>: the table of colour functions says, for each, its
// space, which channel is the hue, what 100% of each channel is and whether
// the legacy comma syntax is allowed; the reader walks the tokens against it.
#include <cstring>

#include "css_calc.h"
#include "css_color.h"
#include "css_functions.h"
#include "css_read_parts.h"
#include "css_tokens.h"
#include "named_colors.h"
#include "notation_parse.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Channel : uint8_t {
    kValue,  // <number> | <percentage> | none
    kHue,    // <number> | <angle> | none
};

struct PredefinedSpace {
    char name[13];
    CssSpace space;
};

const PredefinedSpace kPredefinedSpaces[] = {
    {"srgb", CssSpace::kSrgb},           {"srgb-linear", CssSpace::kSrgbLinear},
    {"display-p3", CssSpace::kDisplayP3}, {"a98-rgb", CssSpace::kA98Rgb},
    {"prophoto-rgb", CssSpace::kProphotoRgb}, {"rec2020", CssSpace::kRec2020},
    {"xyz", CssSpace::kXyzD65},          {"xyz-d50", CssSpace::kXyzD50},
    {"xyz-d65", CssSpace::kXyzD65},
};

// The names CSS has beyond the converter's 140.
struct ExtraName {
    char name[15];
    uint32_t rrggbb;
};

const ExtraName kExtraNames[] = {
    {"darkgrey", 0xa9a9a9}, {"darkslategrey", 0x2f4f4f}, {"dimgrey", 0x696969},
    {"grey", 0x808080},     {"lightgray", 0xd3d3d3},     {"lightslategrey", 0x778899},
    {"slategrey", 0x708090}, {"rebeccapurple", 0x663399},
};

// Lists of names as one text, each name ended by a space: no table of
// pointers for the program to carry.

// The system colours, and the deprecated ones browsers still read.
const char kSystemColours[] =
    "accentcolor accentcolortext activetext buttonborder buttonface buttontext canvas "
    "canvastext field fieldtext graytext highlight highlighttext linktext mark marktext "
    "selecteditem selecteditemtext visitedtext activeborder activecaption appworkspace "
    "background buttonhighlight buttonshadow captiontext inactiveborder inactivecaption "
    "inactivecaptiontext infobackground infotext menu menutext scrollbar threeddarkshadow "
    "threedface threedhighlight threedlightshadow threedshadow window windowframe windowtext ";

void SetRgb(CssReading* reading, uint32_t rrggbb, double alpha) {
    reading->color = {CssSpace::kRgb,
                      {double(rrggbb >> 16 & 255), double(rrggbb >> 8 & 255), double(rrggbb & 255)},
                      alpha};
}

}  // namespace

CssReadResult ReadCssHash(const CssToken& hash, CssReading* reading) {
    const size_t n = hash.nameLength;
    if (n != 3 && n != 4 && n != 6 && n != 8) return CssReadResult::kNotAColour;
    int digits[8];
    for (size_t i = 0; i < n; ++i) {
        if (!IsHexDigit(hash.name[i])) return CssReadResult::kNotAColour;
        digits[i] = HexDigitValue(hash.name[i]);
    }
    const bool shortForm = n <= 4;
    auto channel = [&](int i) { return shortForm ? digits[i] * 17 : digits[2 * i] * 16 + digits[2 * i + 1]; };
    const uint32_t rgb = uint32_t(channel(0)) << 16 | uint32_t(channel(1)) << 8 | uint32_t(channel(2));
    SetRgb(reading, rgb, n == 4 || n == 8 ? channel(3) / 255.0 : 1.0);
    return CssReadResult::kColour;
}

CssReadResult ReadCssKeyword(const CssToken& ident, CssReading* reading) {
    ColorRecord record = {};
    if (ident.nameLength <= kCssNameCapacity && LookupColorName(ident.name, &record)) {
        SetRgb(reading, uint32_t(record.red) << 16 | uint32_t(record.green) << 8 | record.blue, 1.0);
        return CssReadResult::kColour;
    }
    for (const ExtraName& extra : kExtraNames) {
        if (CssNameIs(ident, extra.name)) {
            SetRgb(reading, extra.rrggbb, 1.0);
            return CssReadResult::kColour;
        }
    }
    if (CssNameIs(ident, "transparent")) {
        SetRgb(reading, 0, 0.0);
        return CssReadResult::kColour;
    }
    if (CssNameIs(ident, "currentcolor")) return RefuseCss(reading, "currentcolor", " is not supported");
    if (CssNameIsOneOf(ident, kSystemColours))
        return RefuseCss(reading, "system colours", " are not supported");
    return CssReadResult::kNotAColour;
}

const CssFunction* FindCssFunction(const CssToken& function) {
    for (const CssFunction& entry : kCssFunctions) {
        if (entry.name[0] == function.name[0] && CssNameIs(function, entry.name)) return &entry;
    }
    return CssNameIs(function, "color") ? &kCssColorFunction : nullptr;
}

bool FindPredefinedSpace(const CssToken& name, CssSpace* space) {
    for (const PredefinedSpace& predefined : kPredefinedSpaces) {
        if (CssNameIs(name, predefined.name)) {
            *space = predefined.space;
            return true;
        }
    }
    return false;
}

namespace {

// The arguments of a colour function, at its own depth: whitespace and
// comments dropped. Enough for the longest valid list (a legacy one with
// alpha has seven items); a longer list is no colour.
constexpr int kMaxItems = 9;

struct Arguments {
    CssToken items[kMaxItems];
    int count;
    bool tooMany;
    bool nestedFunction;  // a function inside: the rest is the full reader's
    bool hasComma;
};

// Reads up to the ')' that closes the function, or to the first function
// inside it. kNotAColour when it never closes or something follows it.
CssReadResult ReadArguments(CssTokenizer* tokenizer, Arguments* args) {
    args->count = 0;
    args->tooMany = args->nestedFunction = args->hasComma = false;
    int depth = 0;
    CssToken spare;
    for (;;) {
        // Read straight into the next item's place; kept only if it is one.
        CssToken& token = args->count < kMaxItems ? args->items[args->count] : spare;
        NextCssToken(tokenizer, true, &token);
        switch (token.type) {
        case CssTokenType::kEnd:
        case CssTokenType::kBad:
            return CssReadResult::kNotAColour;
        case CssTokenType::kFunction:
            args->nestedFunction = true;
            return CssReadResult::kColour;
        case CssTokenType::kOpenParen:
            ++depth;
            continue;
        case CssTokenType::kCloseParen:
            if (depth-- > 0) continue;
            if (tokenizer->at != tokenizer->end) return CssReadResult::kNotAColour;
            return CssReadResult::kColour;
        default:
            break;
        }
        if (depth > 0) continue;
        if (token.type == CssTokenType::kComma) args->hasComma = true;
        if (args->count == kMaxItems)
            args->tooMany = true;
        else
            ++args->count;
    }
}

bool IsNone(const CssToken& t) { return t.type == CssTokenType::kIdent && CssNameIs(t, "none"); }

bool IsSlash(const CssToken& t) { return t.type == CssTokenType::kDelim && t.delim == '/'; }

// A hue in degrees from a number or an angle; false for anything else.
bool ReadHue(const CssToken& t, double* degrees) {
    if (t.type == CssTokenType::kNumber) {
        *degrees = t.value;
        return true;
    }
    if (t.type != CssTokenType::kDimension) return false;
    if (CssNameIs(t, "deg")) *degrees = t.value;
    else if (CssNameIs(t, "grad")) *degrees = t.value * 9 / 10;
    else if (CssNameIs(t, "rad")) *degrees = t.value * 180 / kPi;
    else if (CssNameIs(t, "turn")) *degrees = t.value * 360;
    else return false;
    return true;
}

// One channel of the modern syntax.
bool ReadChannel(const CssToken& t, Channel kind, CssPercent percent, double* value) {
    if (IsNone(t)) {
        *value = 0;
        return true;
    }
    if (kind == Channel::kHue) return ReadHue(t, value);
    if (t.type == CssTokenType::kNumber) {
        *value = t.value;
        return true;
    }
    if (t.type != CssTokenType::kPercentage) return false;
    *value = t.value * percent.times / percent.per;
    return true;
}

bool ReadAlpha(const CssToken& t, bool noneAllowed, double* alpha) {
    if (noneAllowed && IsNone(t)) {
        *alpha = 0;
        return true;
    }
    if (t.type == CssTokenType::kNumber) {
        *alpha = t.value;
        return true;
    }
    if (t.type != CssTokenType::kPercentage) return false;
    *alpha = t.value / 100;
    return true;
}

// c1 c2 c3 [/ alpha], starting at items[first].
Channel KindOf(const CssFunction& f, int i) { return i == f.hue ? Channel::kHue : Channel::kValue; }

bool ReadModern(const Arguments& args, int first, const CssFunction& f, CssColor* color) {
    const int n = args.count - first;
    if (n != 3 && n != 5) return false;
    const CssToken* item = args.items + first;
    for (int i = 0; i < 3; ++i) {
        if (!ReadChannel(item[i], KindOf(f, i), f.percents[i], &color->channels[i])) return false;
    }
    color->alpha = 1;
    return n == 3 || (IsSlash(item[3]) && ReadAlpha(item[4], true, &color->alpha));
}

// c1, c2, c3[, alpha] of rgb() and hsl(): no none; rgb's channels all numbers
// or all percentages, hsl's saturation and lightness percentages.
bool ReadLegacy(const Arguments& args, const CssFunction& f, CssColor* color) {
    const int n = args.count;
    if (n != 5 && n != 7) return false;
    for (int i = 1; i < n; i += 2) {
        if (args.items[i].type != CssTokenType::kComma) return false;
    }
    const CssToken* value[3] = {&args.items[0], &args.items[2], &args.items[4]};
    for (int i = 0; i < 3; ++i) {
        const CssTokenType type = value[i]->type;
        if (i == f.hue) {
            if (!ReadHue(*value[i], &color->channels[i])) return false;
            continue;
        }
        const bool wanted = f.legacy == CssLegacy::kRgb
                                ? type == value[0]->type && (type == CssTokenType::kNumber ||
                                                             type == CssTokenType::kPercentage)
                                : type == CssTokenType::kPercentage;
        if (!wanted || !ReadChannel(*value[i], Channel::kValue, f.percents[i], &color->channels[i]))
            return false;
    }
    color->alpha = 1;
    return n == 5 || ReadAlpha(args.items[6], false, &color->alpha);
}

// A colour function whose arguments are plain tokens; one with a function
// inside, or relative to an origin, goes to the full reader, from the start.
CssReadResult ReadFunction(const CssFunction* f, CssTokenizer* tokenizer, const char* text,
                           size_t length, ColourScheme scheme, CssReading* reading) {
    Arguments args;
    const CssReadResult result = ReadArguments(tokenizer, &args);
    if (result != CssReadResult::kColour) return result;
    if (args.nestedFunction ||
        (args.count > 0 && args.items[0].type == CssTokenType::kIdent && CssNameIs(args.items[0], "from")))
        return ReadNestedCssColor(text, length, scheme, reading);
    if (args.tooMany) return CssReadResult::kNotAColour;

    // Read in place: a copy of the whole colour would wait for its writes.
    CssColor& color = reading->color;
    color = {f->space, {0, 0, 0}, 1};
    int first = 0;
    if (f == &kCssColorFunction) {
        if (args.count == 0 || args.items[0].type != CssTokenType::kIdent)
            return CssReadResult::kNotAColour;
        if (!FindPredefinedSpace(args.items[0], &color.space)) return CssReadResult::kNotAColour;
        first = 1;
    }
    const bool read = args.hasComma ? f->legacy != CssLegacy::kNone && ReadLegacy(args, *f, &color)
                                    : ReadModern(args, first, *f, &color);
    return read ? CssReadResult::kColour : CssReadResult::kNotAColour;
}

}  // namespace

CssReadResult ReadCssColor(const char* text, size_t length, CssReading* reading, ColourScheme scheme) {
    reading->refusal[0] = '\0';
    // The tokenizer would skip a comment: the text must start with the colour.
    if (length >= 2 && text[0] == '/' && text[1] == '*') return CssReadResult::kNotAColour;
    CssTokenizer tokenizer = {text, text + length};
    CssToken token;
    NextCssToken(&tokenizer, false, &token);
    switch (token.type) {
    case CssTokenType::kFunction:
        if (const CssFunction* f = FindCssFunction(token))
            return ReadFunction(f, &tokenizer, text, length, scheme, reading);
        return ReadNestedCssColor(text, length, scheme, reading);
    case CssTokenType::kHash:
    case CssTokenType::kIdent:
        if (tokenizer.at != tokenizer.end) return CssReadResult::kNotAColour;
        return token.type == CssTokenType::kHash ? ReadCssHash(token, reading)
                                                 : ReadCssKeyword(token, reading);
    default:
        return CssReadResult::kNotAColour;  // a blank or anything else first
    }
}
