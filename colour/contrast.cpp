// WCAG 2 contrast. The arithmetic keeps the exact cases exact in floating
// point: white's luminance is 1 and black on white is 21, which the textbook
// form ((L + 0.05) with 0.05 inexact) turns into 20.99.
#include "contrast.h"

#include <cstring>

#include "css_spaces.h"
#include "notation_format.h"
#include "srgb_tables.h"

namespace {

// The relative luminance, 0 for black to 1 for white; the weights over 10000
// so that they add up to exactly 1 for a grey.
double RelativeLuminance(double redLight, double greenLight, double blueLight) {
    return (2126 * redLight + 7152 * greenLight + 722 * blueLight) / 10000;
}

double RelativeLuminance(const ColorRecord& color) {
    return RelativeLuminance(kLinearOfChannel[color.red], kLinearOfChannel[color.green],
                             kLinearOfChannel[color.blue]);
}

// The linear light of a channel 0-255 that compositing may have left between
// two steps; a whole step from the table, as for an opaque colour.
double LinearOfChannel(double channel) {
    const int step = static_cast<int>(channel);
    return step == channel ? kLinearOfChannel[step] : SrgbToLinear(channel / 255);
}

// Each channel of `over` with alpha `alpha` over `under`, 0-255.
void Composite(const double over[3], double alpha, const double under[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = alpha >= 1 ? over[i] : alpha * over[i] + (1 - alpha) * under[i];
}

int RatioHundredths(double la, double lb) {
    const double lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
    // Both sides times 20; the ratio is at least 1, so truncation is the floor.
    return static_cast<int>((20 * lighter + 1) / (20 * darker + 1) * 100);
}

}  // namespace

namespace {

struct Level {
    const char* name;
    int hundredths;
};

// Highest first: a ratio passes the first level it reaches.
const Level kLevels[] = {{"AAA", kLevelAAA}, {"AA", kLevelAA}, {"AA-large", kLevelAALarge}};

const char* ContrastLevel(int hundredths) {
    for (const Level& level : kLevels) {
        if (hundredths >= level.hundredths) return level.name;
    }
    return "fail";
}

}  // namespace

int ContrastHundredths(const ColorRecord& a, const ColorRecord& b) {
    return RatioHundredths(RelativeLuminance(a), RelativeLuminance(b));
}

int ContrastHundredthsOver(const ColorRecord& foreground, double foregroundAlpha,
                           const ColorRecord& background, double backgroundAlpha) {
    const double white[3] = {255, 255, 255};
    const double fg[3] = {double(foreground.red), double(foreground.green), double(foreground.blue)};
    const double bg[3] = {double(background.red), double(background.green), double(background.blue)};
    double under[3], shown[3];
    Composite(bg, backgroundAlpha, white, under);
    Composite(fg, foregroundAlpha, under, shown);
    return RatioHundredths(
        RelativeLuminance(LinearOfChannel(shown[0]), LinearOfChannel(shown[1]), LinearOfChannel(shown[2])),
        RelativeLuminance(LinearOfChannel(under[0]), LinearOfChannel(under[1]), LinearOfChannel(under[2])));
}

int LookupContrastLevel(const char* name, int* hundredths) {
    for (const Level& level : kLevels) {
        if (std::strcmp(name, level.name) == 0) {
            *hundredths = level.hundredths;
            return 1;
        }
    }
    return 0;
}

int FormatContrast(int hundredths, char* out) {
    char* p = out + FormatDecimalChannel(static_cast<unsigned>(hundredths / 100), out);
    *p++ = '.';
    *p++ = static_cast<char>('0' + hundredths / 10 % 10);
    *p++ = static_cast<char>('0' + hundredths % 10);
    for (const char* s = ":1 "; *s;) *p++ = *s++;
    for (const char* s = ContrastLevel(hundredths); *s;) *p++ = *s++;
    *p = '\0';
    return static_cast<int>(p - out);
}
