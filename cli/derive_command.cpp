// The steps of a mix, written as CSS and read back through the one reader, so
// that what is printed is exactly what the CSS text means.
#include "derive_command.h"

#include <cstdlib>
#include <cstring>

#include "css_format.h"
#include "messages.h"
#include "notation_format.h"
#include "read_color.h"

namespace {

// An operand as color-mix() can hold it: a CSS colour as written; a colour of
// the converter's own notations, or H,L,S, as its #rrggbb (into `hex`,
// kColorTextCapacity bytes). Null
// when it is no colour (the message said why).
const char* CssOperand(const char* text, int number, const OutputOptions& options, char* hex,
                       OutputBuffer* err) {
    const size_t length = std::strlen(text);
    CssReading css;
    if (ReadCssColor(text, length, &css, options.scheme) == CssReadResult::kColour) return text;
    ColourReading colour;
    const CssReadResult result = ReadAnyColorWithoutNul(text, length, options.gamut, &colour, options.scheme);
    if (result != CssReadResult::kColour) {
        ReportBadInput(err, "argument", static_cast<unsigned long long>(number),
                       result == CssReadResult::kRefused ? colour.refusal : "not a colour", text, length);
        return nullptr;
    }
    FormatHex6(colour.color, hex);
    return hex;
}

char* PutText(const char* text, char* out) {
    const size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

}  // namespace

int RunDeriveCommand(const char* from, const char* to, const DeriveOptions& derive,
                     const OutputOptions& options, OutputBuffer* out, OutputBuffer* err) {
    char hexA[kColorTextCapacity], hexB[kColorTextCapacity];
    const char* a = CssOperand(from, 1, options, hexA, err);
    const char* b = CssOperand(to, 2, options, hexB, err);
    if (!a || !b) return 1;
    // "color-mix(in SPACE, A P%, B)": the share takes at most a dozen bytes.
    const size_t capacity = std::strlen(derive.space) + std::strlen(a) + std::strlen(b) + 48;
    char* text = static_cast<char*>(std::malloc(capacity));
    if (!text) {
        ReportError(err, "out of memory");
        return 2;
    }
    int status = 0;
    for (int i = 0; i < derive.steps && status == 0; ++i) {
        // A's share, to six significant digits: 100%, 75%, 50% ... 0%.
        const double share = 100.0 * (derive.steps - 1 - i) / (derive.steps - 1);
        char* p = PutText(derive.space, PutText("color-mix(in ", text));
        p = PutText(a, PutText(", ", p));
        *p++ = ' ';
        p += FormatCssNumber(share, 6, p);
        p = PutText(b, PutText("%, ", p));
        p = PutText(")", p);
        *p = '\0';
        const int length = static_cast<int>(p - text);
        ColourReading colour;
        if (ReadAnyColorWithoutNul(text, static_cast<size_t>(length), options.gamut, &colour, options.scheme) !=
            CssReadResult::kColour) {
            ReportError(err, "color-mix() has no such space", derive.space);
            status = 2;
            break;
        }
        if (!options.json) {
            Append(out, text, static_cast<size_t>(length));
            Append(out, "\t", 1);
        }
        CssReading css;
        const bool exact = options.precise && ReadCssColor(text, static_cast<size_t>(length), &css,
                                                           options.scheme) == CssReadResult::kColour;
        WriteColourLine(out, options, colour, text, static_cast<size_t>(length), exact ? &css.color : nullptr);
    }
    std::free(text);
    return status;
}
