// `palorin-cli contrast FOREGROUND BACKGROUND`: the WCAG 2 contrast ratio of
// two colours and the highest level it passes.
#pragma once

#include "css_color.h"
#include "output_buffer.h"

// Prints "21.00:1 AAA" for black on white: the ratio truncated to two decimals,
// then "AAA" (at least 7), "AA" (4.5), "AA-large" (3) or "fail"; with
// " (background over white)" after it when the background has alpha. A
// foreground with alpha is put over the background first. With `fixLevel`
// (hundredths, 0 for none) prints instead the nearest colour that reaches it
// (FixContrast) as #rrggbb, or #rrggbbaa with the foreground's alpha. Either
// colour that is not one is reported and nothing is printed. The exit status:
// 0, or 1 for a colour that is not one or a level no lightness reaches.
int RunContrastCommand(char* const colours[2], GamutMode gamut, ColourScheme scheme, int fixLevel,
                       OutputBuffer* out, OutputBuffer* err);
