// The steps of a mix, written as CSS and read back through the one reader, so
// that what is printed is exactly what the CSS text means.
#include "derive_command.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "css_format.h"
#include "messages.h"
#include "read_color.h"

namespace {

// An operand as color-mix() can hold it: a CSS colour as written; a colour of
// the converter's own notations, or H,L,S, as its #rrggbb. Empty when it is
// no colour (the message said why).
std::string CssOperand(const char* text, int number, const OutputOptions& options, OutputBuffer* err) {
    const size_t length = std::strlen(text);
    CssReading css;
    if (ReadCssColor(text, length, &css, options.scheme) == CssReadResult::kColour) return text;
    ColourReading colour;
    const CssReadResult result = ReadAnyColorWithoutNul(text, length, options.gamut, &colour, options.scheme);
    if (result != CssReadResult::kColour) {
        ReportBadInput(err, "argument", static_cast<unsigned long long>(number),
                       result == CssReadResult::kRefused ? colour.refusal : "not a colour", text, length);
        return std::string();
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.color.red, colour.color.green, colour.color.blue);
    return hex;
}

}  // namespace

int RunDeriveCommand(const char* from, const char* to, const DeriveOptions& derive,
                     const OutputOptions& options, OutputBuffer* out, OutputBuffer* err) {
    const std::string a = CssOperand(from, 1, options, err), b = CssOperand(to, 2, options, err);
    if (a.empty() || b.empty()) return 1;
    for (int i = 0; i < derive.steps; ++i) {
        // A's share, to six significant digits: 100%, 75%, 50% ... 0%.
        char share[24];
        std::snprintf(share, sizeof share, "%.6g%%", 100.0 * (derive.steps - 1 - i) / (derive.steps - 1));
        const std::string text = std::string("color-mix(in ") + derive.space + ", " + a + " " + share + ", " + b + ")";
        ColourReading colour;
        const CssReadResult result =
            ReadAnyColorWithoutNul(text.c_str(), text.size(), options.gamut, &colour, options.scheme);
        if (result != CssReadResult::kColour) {
            ReportError(err, "color-mix() has no such space", derive.space);
            return 2;
        }
        if (!options.json) {
            Append(out, text.data(), text.size());
            Append(out, "\t", 1);
        }
        WriteColourLine(out, options, colour, text.data(), text.size());
    }
    return 0;
}
