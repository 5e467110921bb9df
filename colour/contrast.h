// WCAG 2 contrast between two colours: the ratio, the level it passes, and
// the text palorin-cli and the converter show for it.
#pragma once

#include "color_record.h"

// (lighter + 0.05) / (darker + 0.05) of the relative luminances, in
// hundredths, truncated: a ratio shown as passing a level always passes it.
// 2100 for black on white, 100 for a colour on itself. The same on every
// platform: the linear light comes from a table, not from pow.
int ContrastHundredths(const ColorRecord& a, const ColorRecord& b);

// The same for colours with alpha (0-1): the background is first put over
// white, then the foreground over that, both in gamma-encoded sRGB as
// browsers composite; the ratio is taken of what shows. Transparent on
// anything is 1:1. Opaque colours give ContrastHundredths.
int ContrastHundredthsOver(const ColorRecord& foreground, double foregroundAlpha,
                           const ColorRecord& background, double backgroundAlpha);

// The levels, in hundredths of the ratio each needs.
constexpr int kLevelAAA = 700;
constexpr int kLevelAA = 450;
constexpr int kLevelAALarge = 300;

// 1 with *hundredths set for a level's name: "AAA", "AA" or "AA-large".
int LookupContrastLevel(const char* name, int* hundredths);

// Room for "21.00:1 AA-large" and its NUL.
constexpr int kContrastTextCapacity = 20;

// "4.54:1 AA" into `out`, the level being AAA (at least 7:1), AA (4.5),
// AA-large (3) or fail; returns its length.
int FormatContrast(int hundredths, char* out);
