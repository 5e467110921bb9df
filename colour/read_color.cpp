// The one reader of a whole colour text, shared by the quick conversion at
// start, the converter's CSS field and the command-line program.
#include "read_color.h"

#include <cstring>

#include "hls.h"
#include "named_colors.h"
#include "notation_parse.h"

int ReadColor(const char* text, ColorRecord* record) {
    switch (text[0]) {
    case '#':
        if (!ParseHexNotation(text, record)) return 0;
        record->notation = kNotationHash;
        return 1;
    case '(':
        if (!ParseDecimalTriple(text, record) && !ParsePercentTriple(text, record)) return 0;
        break;
    default:
        if (!LookupColorName(text, record)) return 0;
        break;
    }
    record->notation = kNotationTripleOrName;
    return 1;
}

namespace {

// What a reading holds whatever the text: no alpha, no mapping, no refusal.
void StartReading(ColourReading* reading) {
    reading->alpha = 255;
    reading->mapped = false;
    reading->refusal[0] = '\0';
}

}  // namespace

CssReadResult ReadAnyColor(const char* text, size_t length, GamutMode mode,
                           ColourReading* reading, ColourScheme scheme) {
    // The readers stop at a NUL: text beyond one would go unseen.
    if (std::strlen(text) == length) return ReadAnyColorWithoutNul(text, length, mode, reading, scheme);
    StartReading(reading);
    return CssReadResult::kNotAColour;
}

CssReadResult ReadAnyColorWithoutNul(const char* text, size_t length, GamutMode mode,
                                     ColourReading* reading, ColourScheme scheme) {
    StartReading(reading);
    // A text ending in ')' is no name nor hash, only perhaps a triple: a CSS
    // function goes straight to the CSS reader.
    const bool function = length > 1 && text[length - 1] == ')' && text[0] != '(';
    if (!function && ReadColor(text, &reading->color)) return CssReadResult::kColour;
    // H,L,S starts with a digit and no name does, so trying it second changes
    // no result of ReadColor's.
    HlsTriple hls;
    if (text[0] >= '0' && text[0] <= '9' && ParseHlsTriple(text, &hls)) {
        ColorRecord& c = reading->color;
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &c.red, &c.green, &c.blue);
        c.notation = kNotationTripleOrName;
        return CssReadResult::kColour;
    }
    CssReading css;
    const CssReadResult result = ReadCssColor(text, length, &css, scheme);
    if (result == CssReadResult::kRefused)
        std::memcpy(reading->refusal, css.refusal, sizeof reading->refusal);
    if (result != CssReadResult::kColour) return result;
    ResolveCssColor(css.color, mode, reading);
    reading->color.notation = text[0] == '#' ? kNotationHash : kNotationTripleOrName;
    return CssReadResult::kColour;
}
