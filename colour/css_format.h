// Writing an 8-bit colour in the modern CSS forms, as CSS serialises a value:
// rgb(46 139 87), hsl(146.5 50% 36.3%), oklch(0.57 0.119 154.9). Each
// number has the fewest decimals with which the text still reads back as the
// same colour (and alpha): none of them can lose a decimal without that.
#pragma once

#include <cstdint>

#include "color_record.h"
#include "css_functions.h"

// Room for the longest text, such as "oklch(0.123456789 0.123456789
// 359.123456789 / 0.123)", with its NUL.
constexpr int kCssTextCapacity = 96;

// The function name of a form: "rgb", "oklch".
const char* CssFormName(CssForm form);

// Writes the form of the colour into `out` (kCssTextCapacity bytes), with
// " / A" when alpha is below 255; returns its length. Greys have hue 0.
int FormatCssColor(CssForm form, const ColorRecord& color, uint8_t alpha, char* out);

// An alpha byte as a CSS number, with the fewest decimals that round back to
// the same byte: "1", "0.5", "0.533"; returns its length (at most 8).
int FormatCssAlpha(uint8_t alpha, char* out);

// A number to `significantDigits` significant digits (at most 12 decimals),
// in plain decimal, trailing zeros dropped: "0.648574", "127.5", "0" for a
// magnitude below 5e-7. Returns its length (at most 24).
int FormatCssNumber(double v, int significantDigits, char* out);

// Writes the form of the colour itself, not of its 8-bit sRGB, into `out`
// (kCssTextCapacity bytes): each number to at most six significant digits,
// trailing zeros dropped; " / A" when its alpha is below 1; a hue of 0 where
// it means nothing (a grey). rgb(), hsl() and hwb() hold sRGB only: for a
// colour outside it they write `resolved`, the colour brought into sRGB.
// Returns the length.
int FormatExactCssColor(CssForm form, const CssColor& color, const Rgba8& resolved, char* out);
