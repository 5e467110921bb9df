// Hue, lightness and saturation on a 0-240 scale, in integers only, with the
// rounding the converter's fields, picker and luminance bar all rely on.
#pragma once

#include <cstdint>

constexpr int kHlsScale = 240;  // lightness and saturation run 0-240, hue 0-239
constexpr int kRgbScale = 255;
constexpr int kGreyHue = 160;  // the hue a grey is given

struct HlsTriple {
    uint8_t hue;
    uint8_t lightness;
    uint8_t saturation;
};

static_assert(sizeof(HlsTriple) == 3, "HlsTriple must stay three bytes");

// Writes hue 0-239, lightness 0-240 and saturation 0-240 for channels 0-255.
// A grey gets hue 160 and saturation 0.
void RgbToHls(int red, int green, int blue, uint8_t* hue, uint8_t* lightness, uint8_t* saturation);

// Writes channels 0-255 for a hue 0-255 (240-255 act as 0-15) and any lightness
// and saturation (brought into 0-240 first). Returns 1, except for a grey
// (saturation 0) with a hue other than 160, which returns 0; no caller needs it.
int HlsToRgb(int hue, int lightness, int saturation, uint8_t* red, uint8_t* green, uint8_t* blue);

// One channel on the 0-240 scale between m1 and m2, for h from -240 to 480.
int HueToChannel(int m1, int m2, int h);
