// HSV from 8-bit RGB in integers: each quantity is a fraction whose rounding
// is taken as (2 n + d) / (2 d).
#include "hsv.h"

#include "notation_format.h"

namespace {

int RoundedQuotient(int numerator, int denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

char* Put(const char* text, char* out) {
    while (*text) *out++ = *text++;
    return out;
}

}  // namespace

HsvTriple RgbToHsv(const ColorRecord& color) {
    const int r = color.red, g = color.green, b = color.blue;
    const int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const int d = max - min;
    HsvTriple hsv = {0, max == 0 ? 0 : RoundedQuotient(100 * d, max),
                     RoundedQuotient(100 * max, 255)};
    if (d == 0) return hsv;
    // Sixty degrees a unit of the sextant, from the sextant's start.
    int sixtieths;
    if (max == r)
        sixtieths = 60 * (g - b) + (g < b ? 360 * d : 0);
    else if (max == g)
        sixtieths = 60 * (b - r) + 120 * d;
    else
        sixtieths = 60 * (r - g) + 240 * d;
    hsv.hue = RoundedQuotient(sixtieths, d) % 360;
    return hsv;
}

int FormatHsvNumbers(const HsvTriple& hsv, char* out) {
    char* p = out + FormatDecimalChannel(static_cast<unsigned>(hsv.hue), out);
    *p++ = ',';
    p += FormatDecimalChannel(static_cast<unsigned>(hsv.saturation), p);
    *p++ = ',';
    p += FormatDecimalChannel(static_cast<unsigned>(hsv.value), p);
    return static_cast<int>(p - out);
}

int FormatHsv(const HsvTriple& hsv, char* out) {
    char* p = Put("hsv(", out);
    p += FormatDecimalChannel(static_cast<unsigned>(hsv.hue), p);
    p = Put(", ", p);
    p += FormatDecimalChannel(static_cast<unsigned>(hsv.saturation), p);
    p = Put("%, ", p);
    p += FormatDecimalChannel(static_cast<unsigned>(hsv.value), p);
    p = Put("%)", p);
    *p = '\0';
    return static_cast<int>(p - out);
}
