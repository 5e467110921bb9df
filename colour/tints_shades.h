// The nine colours of "Add tints and shades": a colour mixed towards white
// and towards black in OKLab, as palorin-cli tints and shades mix them.
#pragma once

#include "color_record.h"

constexpr int kTintsAndShades = 9;

// From the lightest to the darkest: the colour with 80, 60, 40 and 20 % of
// white, the colour itself, then with 20, 40, 60 and 80 % of black; each as
// color-mix(in oklab, ...) reads, brought into 8 bits.
void TintsAndShades(const ColorRecord& color, ColorRecord out[kTintsAndShades]);
