// The nearest colour that reaches a contrast level: what the contrast check
// offers in place of a colour that falls short.
#pragma once

#include "color_record.h"

// 1 with *fixed set to the colour of the foreground's OKLCH hue and chroma
// (brought into sRGB by CSS's gamut mapping) whose lightness is the nearest
// to the foreground's that reaches `level` hundredths against the
// background, alphas counted as ContrastHundredthsOver counts them: the
// foreground itself when it reaches the level already. 0 when no lightness
// reaches it. The result keeps the foreground's notation.
int FixContrast(const ColorRecord& foreground, double foregroundAlpha,
                const ColorRecord& background, double backgroundAlpha, int level,
                ColorRecord* fixed);
