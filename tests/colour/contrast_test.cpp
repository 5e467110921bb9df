// Contrast with alpha and the contrast fix, against ratios worked by hand
// from WCAG's formulas (50 % black over white shows channel 127.5, whose
// luminance 0.21406 gives 1.05 / 0.26406 = 3.976).
#include <gtest/gtest.h>

#include "contrast.h"
#include "contrast_fix.h"

namespace {

ColorRecord Rgb(int rrggbb) {
    return {static_cast<uint8_t>(rrggbb), static_cast<uint8_t>(rrggbb >> 8),
            static_cast<uint8_t>(rrggbb >> 16), 0};
}

int Hex(const ColorRecord& c) { return c.red << 16 | c.green << 8 | c.blue; }

TEST(ContrastHundredthsOver, CompositesInEncodedSrgbFirst) {
    const struct {
        int foreground;
        double foregroundAlpha;
        int background;
        double backgroundAlpha;
        int hundredths;
    } cases[] = {
        {0x000000, 0.5, 0xffffff, 1, 397},   // 127.5 on 255
        {0xffffff, 0.5, 0x000000, 1, 528},   // 127.5 on 0: 0.26406 / 0.05
        {0x000000, 0, 0x000000, 1, 100},     // transparent on anything
        {0xffffff, 0, 0x000000, 0.3, 100},
        {0x000000, 136 / 255.0, 0xffffff, 1, 447},  // #0008: 119 on 255
        {0x000000, 1, 0x000000, 0.5, 528},   // the background over white first
        {0x000000, 1, 0x000000, 0, 2100},    // a transparent background is white
        // Red half over blue half over white: 191.25, 63.75, 127.5 on 127.5, 127.5, 255.
        {0xff0000, 0.5, 0x0000ff, 0.5, 150},
        {0x767676, 1, 0xffffff, 1, 454},     // opaque: as ContrastHundredths
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.foreground << " on " << c.background);
        EXPECT_EQ(ContrastHundredthsOver(Rgb(c.foreground), c.foregroundAlpha, Rgb(c.background),
                                         c.backgroundAlpha),
                  c.hundredths);
    }
}

TEST(FixContrast, MovesTheLightnessTheLeastWayThatReachesTheLevel) {
    // Greys, whose boundaries are known: #767676 is the lightest grey that
    // reaches AA on white (4.54; #777777 is 4.47), #595959 the lightest for
    // AAA (7.00; #5a5a5a is 6.89), #757575 the darkest for AA on black
    // (4.55; #747474 is 4.49).
    const struct {
        int foreground;
        double foregroundAlpha;
        int background;
        int level;
        int fixed;  // -1: no lightness reaches it
    } cases[] = {
        {0x777777, 1, 0xffffff, kLevelAA, 0x767676},
        {0x777777, 1, 0xffffff, kLevelAAA, 0x595959},
        {0x444444, 1, 0x000000, kLevelAA, 0x757575},
        {0x999999, 1, 0xffffff, kLevelAALarge, 0x949494},
        {0x123456, 1, 0xffffff, kLevelAA, 0x123456},  // reaches it already
        {0x808080, 1, 0x808080, kLevelAAA, -1},       // black gives 5.3, white 3.9
        {0x000000, 0.5, 0xffffff, kLevelAA, -1},      // at half alpha black is 3.97
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.foreground << " on " << c.background);
        ColorRecord fixed = {};
        const int found = FixContrast(Rgb(c.foreground), c.foregroundAlpha, Rgb(c.background), 1,
                                      c.level, &fixed);
        EXPECT_EQ(found, c.fixed >= 0);
        if (found) {
            EXPECT_EQ(Hex(fixed), c.fixed);
        }
    }
}

TEST(FixContrast, KeepsAColourItsHueWhereLightnessAlone) {
    // Red on white is 3.99: darker reds reach AA; the fix must reach it and
    // stay red.
    ColorRecord fixed = {};
    ASSERT_EQ(FixContrast(Rgb(0xff0000), 1, Rgb(0xffffff), 1, kLevelAA, &fixed), 1);
    EXPECT_GE(ContrastHundredths(fixed, Rgb(0xffffff)), kLevelAA);
    EXPECT_GT(fixed.red, 4 * (fixed.green > fixed.blue ? fixed.green : fixed.blue));
}

}  // namespace
