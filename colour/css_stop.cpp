// Finding where a text stops being a CSS colour (see css_stop.h). The flat
// colour functions are followed argument by argument; anything with a
// function inside, or relative to an origin, only by its brackets: a rough
// place that is right beats a precise one that is wrong.
#include "css_stop.h"

#include <cstring>

#include "css_functions.h"
#include "css_read_parts.h"
#include "css_tokens.h"
#include "notation_parse.h"

namespace {

const char kValue[] = "a number, % or 'none'";
const char kHue[] = "a number, angle or 'none'";
const char kLegacyValue[] = "a number or %";
const char kLegacyHue[] = "a number or angle";

// A longer prefix is shown by its end, after "...": the note is narrow and
// cannot break a text without blanks.
constexpr size_t kPrefixWhole = 14;
constexpr size_t kPrefixShown = 10;

struct Walk {
    CssTokenizer tokenizer;
    const char* text;
    size_t good;  // the end of the last token that still reads as a colour
    CssToken token;
    const char* expected;  // set where the text stops
};

void Next(Walk* w) { NextCssToken(&w->tokenizer, true, &w->token); }

void Accept(Walk* w) { w->good = static_cast<size_t>(w->tokenizer.at - w->text); }

bool Is(const CssToken& t, CssTokenType type) { return t.type == type; }

bool IsDelim(const CssToken& t, char c) { return t.type == CssTokenType::kDelim && t.delim == c; }

bool IsAngle(const CssToken& t) {
    return t.type == CssTokenType::kDimension && CssNameIsOneOf(t, "deg grad rad turn ");
}

bool IsChannel(const CssToken& t, bool hue, bool legacy) {
    if (!legacy && t.type == CssTokenType::kIdent && CssNameIs(t, "none")) return true;
    if (t.type == CssTokenType::kNumber) return true;
    return hue ? IsAngle(t) : t.type == CssTokenType::kPercentage;
}

const char* ChannelExpected(bool hue, bool legacy) {
    if (legacy) return hue ? kLegacyHue : kLegacyValue;
    return hue ? kHue : kValue;
}

// The arguments of a colour function without a function inside, after its
// '('. Returns false once the text has stopped (w->expected says why), true
// when the function closed; sets *nested when a function or `from` is met, the
// brackets then being the rest's to follow.
bool WalkFlat(Walk* w, const CssFunction& f, bool* nested) {
    Next(w);
    if (&f == &kCssColorFunction) {
        CssSpace space;
        if (!Is(w->token, CssTokenType::kIdent) || !FindPredefinedSpace(w->token, &space)) {
            w->expected = "a colour space";
            return false;
        }
        Accept(w);
        Next(w);
    }
    bool legacy = false;
    bool firstIsNone = false;
    CssTokenType firstType = CssTokenType::kNumber;
    for (int i = 0; i < 4; ++i) {
        const bool hue = i == f.hue;  // never the alpha
        if (i == 3) {                 // after three channels: the alpha, or the end
            const bool more = legacy ? Is(w->token, CssTokenType::kComma) : IsDelim(w->token, '/');
            if (Is(w->token, CssTokenType::kCloseParen)) return true;
            if (!more) {
                w->expected = legacy ? "',' or ')'" : "'/' or ')'";
                return false;
            }
            Accept(w);
            Next(w);
        } else if (i > 0 && legacy) {
            if (!Is(w->token, CssTokenType::kComma)) {
                w->expected = "','";
                return false;
            }
            Accept(w);
            Next(w);
        }
        if (Is(w->token, CssTokenType::kFunction) ||
            (i == 0 && Is(w->token, CssTokenType::kIdent) && CssNameIs(w->token, "from"))) {
            *nested = true;
            return true;
        }
        // Legacy rgb() has all numbers or all percentages; legacy hsl()'s
        // saturation and lightness are percentages.
        if (legacy && (i == 1 || i == 2)) {
            const CssTokenType wanted =
                f.legacy == CssLegacy::kRgb ? firstType : CssTokenType::kPercentage;
            if (w->token.type != wanted) {
                w->expected = wanted == CssTokenType::kNumber ? "a number" : "a percentage";
                return false;
            }
        }
        if (!IsChannel(w->token, hue, legacy)) {
            const bool commaAllowed = i == 1 && f.legacy != CssLegacy::kNone && !firstIsNone;
            if (commaAllowed && Is(w->token, CssTokenType::kComma)) {
                // The first channel was a legacy one: go on as such.
                legacy = true;
                --i;
                continue;
            }
            w->expected = ChannelExpected(hue, legacy);
            return false;
        }
        if (i == 0) {
            firstType = w->token.type;
            firstIsNone = firstType == CssTokenType::kIdent;
        }
        Accept(w);
        Next(w);
    }
    if (Is(w->token, CssTokenType::kCloseParen)) return true;
    w->expected = "')'";
    return false;
}

// The brackets of everything else, from `depth` open ones until all close.
bool WalkBrackets(Walk* w, int depth) {
    for (;;) {
        switch (w->token.type) {
        case CssTokenType::kEnd:
            w->expected = "')'";
            return false;
        case CssTokenType::kBad:
            w->expected = "a value or ')'";
            return false;
        case CssTokenType::kFunction:
        case CssTokenType::kOpenParen:
            ++depth;
            break;
        case CssTokenType::kCloseParen:
            if (--depth == 0) return true;
            break;
        default:
            break;
        }
        Accept(w);
        Next(w);
    }
}

// Where the first token leaves the colour, or the colour it starts ends.
bool WalkColour(Walk* w) {
    NextCssToken(&w->tokenizer, false, &w->token);
    const CssToken& t = w->token;
    // The tokenizer skips a comment, which the reader refuses before a colour.
    if (w->text[0] == '/' && w->text[1] == '*') {
        w->expected = "a colour";
        return false;
    }
    if (IsDelim(t, '#')) {
        w->good = 1;
        w->expected = "a hex digit";
        return false;
    }
    if (t.type == CssTokenType::kHash) {
        // Count the digits in the text itself: the token keeps only a few.
        const char* p = w->text + 1;
        size_t digits = 0;
        while (digits < 8 && IsHexDigit(p[digits])) ++digits;
        w->good = 1 + digits;
        const bool complete = digits == 3 || digits == 4 || digits == 6 || digits == 8;
        if (!complete || static_cast<size_t>(w->tokenizer.at - w->text) != w->good) {
            w->expected = digits == 8 ? "the end"
                          : complete  ? "a hex digit or the end"
                                      : "a hex digit";
            return false;
        }
    } else if (t.type == CssTokenType::kIdent) {
        CssReading reading;
        if (ReadCssKeyword(t, &reading) == CssReadResult::kNotAColour) {
            w->expected = "a colour";
            return false;
        }
        Accept(w);
    } else if (t.type == CssTokenType::kFunction) {
        const CssFunction* f = FindCssFunction(t);
        if (!f && !CssNameIsOneOf(t, "color-mix light-dark contrast-color var env attr ")) {
            w->expected = "a colour";
            return false;
        }
        Accept(w);
        bool nested = !f;
        if (f && !WalkFlat(w, *f, &nested)) return false;
        if (!f) Next(w);
        // A function or `from` met by the flat walk is the current token still.
        if (nested && !WalkBrackets(w, 1)) return false;
        Accept(w);  // the closing ')'
    } else {
        w->expected = "a colour";
        return false;
    }
    NextCssToken(&w->tokenizer, false, &w->token);
    if (w->token.type == CssTokenType::kEnd) return true;
    w->expected = "the end";
    return false;
}

}  // namespace

bool DescribeCssStop(const char* text, size_t length, char* out, size_t capacity) {
    Walk w = {{text, text + length}, text, 0, {}, nullptr};
    if (capacity == 0 || WalkColour(&w)) return false;
    size_t start = 0;
    const char* dots = "";
    if (w.good > kPrefixWhole) {
        start = w.good - kPrefixShown;
        dots = "...";
    }
    char prefix[kPrefixWhole + 1];
    std::memcpy(prefix, text + start, w.good - start);
    prefix[w.good - start] = '\0';
    // Control characters in a pasted text would show as boxes.
    for (char* p = prefix; *p; ++p) {
        if (static_cast<unsigned char>(*p) < ' ') *p = ' ';
    }
    size_t n = 0;
    auto put = [&](const char* s) {
        for (; *s && n + 1 < capacity; ++s) out[n++] = *s;
    };
    put("expected ");
    put(w.expected);
    if (w.good == 0) {
        put(" at the start");
    } else {
        put(" after '");
        put(dots);
        put(prefix);
        put("'");
    }
    out[n] = '\0';
    return true;
}
