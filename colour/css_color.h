// A colour as CSS Color 4 writes it, and how it becomes the program's 8-bit
// sRGB colour: read from a stylesheet's text, converted with the conversions of
// CSS's own sample code, brought into sRGB by CSS's gamut mapping, rounded.
#pragma once

#include <cstddef>
#include <cstdint>

#include "color_record.h"

// Each space with its channels in the units its CSS function uses.
enum class CssSpace : uint8_t {
    kRgb,  // rgb(), #hex and names: 0-255 each, clamped as CSS computes them
    kHsl,  // hue in degrees, saturation and lightness in percent; clamped likewise
    kHwb,  // hue in degrees, whiteness and blackness in percent; clamped likewise
    kLab,  // L 0-100, a, b
    kLch,  // L 0-100, chroma, hue in degrees
    kOklab,  // L 0-1, a, b
    kOklch,  // L 0-1, chroma, hue in degrees
    // color(): 0-1 for the RGB spaces, X, Y, Z for the others; never clamped
    kSrgb,
    kSrgbLinear,
    kDisplayP3,
    kA98Rgb,
    kProphotoRgb,
    kRec2020,
    kXyzD50,
    kXyzD65,
};

struct CssColor {
    CssSpace space;
    double channels[3];  // `none` is 0
    double alpha;        // as written; clamped to 0-1 when resolved
};

// What the text was, for the reader's callers.
enum class CssReadResult {
    kColour,      // a colour
    kNotAColour,  // no CSS colour, or more than one thing
    kRefused,     // needs a document (var(), currentcolor), or nested too deep
};

// Which colour light-dark() gives: the first, for a light page, or the second.
enum class ColourScheme : uint8_t { kLight, kDark };

// Enough for "more than 32 nested functions are not supported".
constexpr size_t kCssRefusalCapacity = 64;

struct CssReading {
    CssColor color;                       // set for kColour
    char refusal[kCssRefusalCapacity];    // for kRefused: "var() is not supported"
};

// Reads text[0, length) as one CSS <color> as a stylesheet holds it: a hash,
// a name, or a colour function, with nothing before or after it (not even a
// blank). Colour functions may hold math functions and colours: color-mix(),
// relative colours (`from`), light-dark() (by `scheme`), contrast-color().
// Letter case is ignored in names, functions, units and keywords.
// text[length] must be a NUL; nothing beyond it is read, and the time taken
// is linear in the length.
CssReadResult ReadCssColor(const char* text, size_t length, CssReading* reading,
                           ColourScheme scheme = ColourScheme::kLight);

// How a colour outside sRGB is brought in: CSS's gamut mapping (chroma
// reduced in OKLCh until the colour is in, or too close to tell), or clipping
// each channel.
enum class GamutMode : uint8_t { kMap, kClip };

// The 8-bit result: channels and alpha rounded to the nearest of 0-255, halves up.
struct Rgba8 {
    ColorRecord color;  // notation 0
    uint8_t alpha;
    bool mapped;  // the colour lay outside sRGB, by more than half a step
};

// Writes its result through a pointer, field by field: a small struct handed
// back by value is put together in memory a byte at a time and then read
// whole, which stalls the processor on every colour of palorin-cli.
void ResolveCssColor(const CssColor& color, GamutMode mode, Rgba8* result);

// The channels with CSS's parse-time clamps, and finite, for a colour of no
// legacy space (rgb(), hsl() and hwb() are clamped after their conversion,
// which any value survives): lightness into its range, chroma at least 0,
// every channel within a million either way, a hue turned into 0-360.
void ClampedChannels(const CssColor& color, CssColor* clamped);

// True when the colour resolves to `expected` (by mapping, if it must) and is
// not `mapped`: as ResolveCssColor would say, without its work for a colour
// far outside. The writer of the CSS forms asks this of every number it tries.
bool CssColorIs(const CssColor& color, const ColorRecord& expected);
