// Each CSS colour function described once: its name, its space, which channel
// is its hue, what 100% of each channel is and how the program writes it. The
// reader, the writer of the CSS forms and palorin-cli all take it from here.
#pragma once

#include <cstdint>

#include "css_color.h"

// The modern forms the program writes, in the order of the table below.
enum class CssForm : uint8_t { kRgb, kHsl, kHwb, kLab, kLch, kOklab, kOklch };

constexpr int kCssFormCount = 7;

// A percentage p of a channel is p * times / per: 100% of an rgb() channel is
// 255, of a lab() a or b 125, of an oklab() L 1.
struct CssPercent {
    int16_t times;
    int16_t per;
};

// Which comma-separated syntax a function also reads.
enum class CssLegacy : uint8_t {
    kNone,  // spaces only
    kRgb,   // also r, g, b with commas, all numbers or all percentages
    kHsl,   // also h, s%, l% with commas
};

// Held in place, names included: pointers would each need a relocation when
// palorin.exe loads.
struct CssFunction {
    char name[6];
    CssSpace space;
    int8_t hue;  // the index of the hue channel (number or angle), or -1
    CssLegacy legacy;
    CssPercent percents[3];
    uint8_t writtenPercent;  // bit i set: the writer puts a '%' after number i
    uint8_t firstDecimals;   // the fewest decimals most colours need in every number
};

// The seven forms first, in CssForm's order, then the legacy aliases rgba() and
// hsla(); color() is kCssColorFunction.
constexpr int kCssFunctionCount = kCssFormCount + 2;
extern const CssFunction kCssFunctions[kCssFunctionCount];

// color(SPACE c1 c2 c3): the space is named inside; 100% is 1 in every space.
extern const CssFunction kCssColorFunction;

inline const CssFunction& CssFunctionOf(CssForm form) { return kCssFunctions[static_cast<int>(form)]; }
