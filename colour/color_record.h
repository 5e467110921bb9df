// The one colour the program works on, and how it was first read.
#pragma once

#include <cstddef>
#include <cstdint>

// Blue is stored first so the three channels have the byte order of a 24-bit
// device-independent bitmap pixel: the swatch and picker code can copy them
// straight into pixel rows.
struct ColorRecord {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t notation;  // 0 nothing read at start, 1 a # form, 2 a triple or a name
};

// How the colour was first read at start: the record's `notation`.
constexpr uint8_t kNotationNone = 0;          // nothing read
constexpr uint8_t kNotationHash = 1;          // #RGB or #RRGGBB
constexpr uint8_t kNotationTripleOrName = 2;  // (R,G,B), (R%,G%,B%) or a colour name

static_assert(sizeof(ColorRecord) == 4, "ColorRecord must stay four bytes");
static_assert(offsetof(ColorRecord, blue) == 0 && offsetof(ColorRecord, green) == 1 &&
                  offsetof(ColorRecord, red) == 2 && offsetof(ColorRecord, notation) == 3,
              "ColorRecord channels must be in pixel order, blue first");
