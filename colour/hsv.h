// Hue, saturation and value (HSB), the notation image editors show, in
// whole numbers: hue 0-359 degrees, saturation and value 0-100 percent.
#pragma once

#include "color_record.h"

struct HsvTriple {
    int hue;         // 0 for a grey
    int saturation;
    int value;
};

// Each rounded to the nearest whole number, halves up; a hue that rounds to
// 360 is 0. Worked in integers, so the halves are exact.
HsvTriple RgbToHsv(const ColorRecord& color);

// "210,79,34" (as JSON's array holds it) into `out`; returns its length.
int FormatHsvNumbers(const HsvTriple& hsv, char* out);

// "hsv(210, 79%, 34%)" into `out`, which holds kColorTextCapacity bytes;
// returns its length.
int FormatHsv(const HsvTriple& hsv, char* out);
