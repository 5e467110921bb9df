// WCAG 2 contrast between two colours: the ratio, the level it passes, and
// the text palorin-cli and the converter show for it.
#pragma once

#include "color_record.h"

// (lighter + 0.05) / (darker + 0.05) of the relative luminances, in
// hundredths, truncated: a ratio shown as passing a level always passes it.
// 2100 for black on white, 100 for a colour on itself. The same on every
// platform: the linear light comes from a table, not from pow.
int ContrastHundredths(const ColorRecord& a, const ColorRecord& b);

// Room for "21.00:1 AA-large" and its NUL.
constexpr int kContrastTextCapacity = 20;

// "4.54:1 AA" into `out`, the level being AAA (at least 7:1), AA (4.5),
// AA-large (3) or fail; returns its length.
int FormatContrast(int hundredths, char* out);
