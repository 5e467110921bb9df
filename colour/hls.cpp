// Integer HLS conversions. Every division truncates toward zero; the rounding
// terms (half the divisor) are part of the results the converter shows.
#include "hls.h"

namespace {

int Max3(int a, int b, int c) { return a > b ? (a > c ? a : c) : (b > c ? b : c); }
int Min3(int a, int b, int c) { return a < b ? (a < c ? a : c) : (b < c ? b : c); }

int ClampToScale(int value) { return value < 0 ? 0 : (value > kHlsScale ? kHlsScale : value); }

// 0-240 back to 0-255, rounded to nearest.
uint8_t ScaleToChannel(int value) {
    return static_cast<uint8_t>((value * kRgbScale + kHlsScale / 2) / kHlsScale);
}

}  // namespace

void RgbToHls(int red, int green, int blue, uint8_t* hue, uint8_t* lightness, uint8_t* saturation) {
    const int max = Max3(red, green, blue);
    const int min = Min3(red, green, blue);
    // (max + min) / 2 rescaled from 255 to 240, rounded: 510 = 2 * 255.
    const int l = ((max + min) * kHlsScale + kRgbScale) / (2 * kRgbScale);
    *lightness = static_cast<uint8_t>(l);
    if (max == min) {
        *saturation = 0;
        *hue = kGreyHue;
        return;
    }
    const int delta = max - min;
    // Never 0 here: max + min is 0 only for black, 510 - max - min only for white.
    const int d = l <= kHlsScale / 2 ? max + min : 2 * kRgbScale - max - min;
    *saturation = static_cast<uint8_t>((delta * kHlsScale + d / 2) / d);

    // Distance of each channel from the maximum, on a 0-40 scale (a sixth of the hue circle).
    const int rd = ((max - red) * 40 + delta / 2) / delta;
    const int gd = ((max - green) * 40 + delta / 2) / delta;
    const int bd = ((max - blue) * 40 + delta / 2) / delta;
    int h;
    if (red == max)  // red wins a tie, then green
        h = bd - gd;
    else if (green == max)
        h = 80 + rd - bd;
    else
        h = 160 + gd - rd;
    if (h < 0) h += kHlsScale;
    if (h > kHlsScale) h -= kHlsScale;
    *hue = static_cast<uint8_t>(h);
}

int HueToChannel(int m1, int m2, int h) {
    if (h < 0) h += kHlsScale;
    if (h > kHlsScale) h -= kHlsScale;
    if (h < 40) return m1 + ((m2 - m1) * h + 20) / 40;
    if (h < 120) return m2;
    if (h < 160) return m1 + ((m2 - m1) * (160 - h) + 20) / 40;
    return m1;
}

int HlsToRgb(int hue, int lightness, int saturation, uint8_t* red, uint8_t* green, uint8_t* blue) {
    // Lightness or saturation above 240 would push m1 past 240 and a channel past
    // 255, which wraps in 8 bits (hue 0, l = s = 255 would give 254, 32, 32 rather
    // than white). A drag that leaves its control can produce such values.
    const int l = ClampToScale(lightness);
    const int s = ClampToScale(saturation);
    if (s == 0) {
        // Truncated, unlike the chromatic case: l = 120 gives 127, not 128.
        const uint8_t grey = static_cast<uint8_t>(l * kRgbScale / kHlsScale);
        *red = *green = *blue = grey;
        return hue == kGreyHue;
    }
    const int m2 = l <= kHlsScale / 2 ? (l * (kHlsScale + s) + kHlsScale / 2) / kHlsScale
                                      : l + s - (l * s + kHlsScale / 2) / kHlsScale;
    const int m1 = 2 * l - m2;
    *red = ScaleToChannel(HueToChannel(m1, m2, hue + 80));
    *green = ScaleToChannel(HueToChannel(m1, m2, hue));
    *blue = ScaleToChannel(HueToChannel(m1, m2, hue - 80));
    return 1;
}
