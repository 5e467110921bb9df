// Reading one whole text as a colour. ReadColor reads the converter's own
// notations, the first character deciding which; ReadAnyColor is every
// notation the program knows, for every place that reads a colour.
#pragma once

#include <cstddef>

#include "color_record.h"
#include "css_color.h"

// '#' is read as #RGB or #RRGGBB (notation 1); '(' as (R,G,B) or else (R%,G%,B%),
// anything else as one of the colour names, in any letter case (both notation 2).
// A text that starts with '#' or '(' is never looked up as a name. 1 with the
// channels and notation set when the text is a colour; 0 with the record untouched.
int ReadColor(const char* text, ColorRecord* record);

// color: the channels, and notation 1 for a text starting with '#', else 2;
// alpha: 255 unless a CSS colour said otherwise; mapped: a CSS colour outside
// sRGB, brought in by `mode`.
struct ColourReading : Rgba8 {
    char refusal[kCssRefusalCapacity];  // for kRefused: "calc() is not supported"
};

// An opaque colour that was not read from a text: a palette's, a pick's.
inline ColourReading OpaqueReading(const ColorRecord& color) { return {{color, 255, false}, ""}; }

// The text as ReadColor reads it; failing that, as the converter's three HLS
// fields in one text, "H,L,S" (ParseHlsTriple), converted as the converter
// converts them; failing that, as a CSS colour (ReadCssColor, light-dark()
// by `scheme`). The texts ReadColor reads keep exactly its meaning.
// text[length] must be a NUL; a NUL before it makes the text no colour.
CssReadResult ReadAnyColor(const char* text, size_t length, GamutMode mode,
                           ColourReading* reading, ColourScheme scheme = ColourScheme::kLight);

// ReadAnyColor for a caller that knows the text holds no NUL before
// text[length] (its length came from strlen, or its reader looked): it is not
// looked for again.
CssReadResult ReadAnyColorWithoutNul(const char* text, size_t length, GamutMode mode,
                                     ColourReading* reading,
                                     ColourScheme scheme = ColourScheme::kLight);
