// The 140 colour names the converter accepts and shows, and the two lookups.
#pragma once

#include "color_record.h"

// Channels in the same order as a ColorRecord, blue first.
struct NamedColor {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    const char* name;  // lower case ASCII
};

constexpr int kNamedColorCount = 140;

// Ascending by red * 65536 + green * 256 + blue. Two values have two names each;
// the first of the pair (aqua before cyan, fuchsia before magenta) is the one shown.
extern const NamedColor kNamedColors[kNamedColorCount];

// 1 with red, green and blue set from the first entry whose name equals the whole
// text, ignoring the case of ASCII letters; 0 with the record untouched otherwise.
int LookupColorName(const char* text, ColorRecord* record);

// The name of the first entry with the colour's channels, or "" if none: never null.
// The text is static; the caller does not free it.
const char* FindColorName(const ColorRecord& color);
