// The table of CSS colour functions.
#include "css_functions.h"

namespace {

constexpr CssPercent kWhole = {1, 1}, kOfOne = {1, 100}, kOfByte = {255, 100};

}  // namespace

const CssFunction kCssFunctions[kCssFunctionCount] = {
    {"rgb", CssSpace::kRgb, -1, CssLegacy::kRgb, {kOfByte, kOfByte, kOfByte}, 0, 0},
    {"hsl", CssSpace::kHsl, 0, CssLegacy::kHsl, {kWhole, kWhole, kWhole}, 6, 1},
    {"hwb", CssSpace::kHwb, 0, CssLegacy::kNone, {kWhole, kWhole, kWhole}, 6, 1},
    {"lab", CssSpace::kLab, -1, CssLegacy::kNone, {kWhole, {125, 100}, {125, 100}}, 0, 1},
    {"lch", CssSpace::kLch, 2, CssLegacy::kNone, {kWhole, {150, 100}, kWhole}, 0, 1},
    {"oklab", CssSpace::kOklab, -1, CssLegacy::kNone, {kOfOne, {4, 1000}, {4, 1000}}, 0, 3},
    {"oklch", CssSpace::kOklch, 2, CssLegacy::kNone, {kOfOne, {4, 1000}, kWhole}, 0, 3},
    {"rgba", CssSpace::kRgb, -1, CssLegacy::kRgb, {kOfByte, kOfByte, kOfByte}, 0, 0},
    {"hsla", CssSpace::kHsl, 0, CssLegacy::kHsl, {kWhole, kWhole, kWhole}, 6, 1},
};

const CssFunction kCssColorFunction = {"color", CssSpace::kSrgb, -1, CssLegacy::kNone,
                                       {kOfOne, kOfOne, kOfOne}, 0, 0};
