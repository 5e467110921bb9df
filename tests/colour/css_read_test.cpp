// The CSS colour reader against the CSS grammar: one table of valid texts with
// the colour each gives, and one of invalid texts, by syntax. Most rows are
// the web-platform-tests' parsing cases (css/css-color/parsing), with their
// serialisations turned into 8-bit colours; cases that need calc() are left out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "css_color.h"
#include "css_spaces.h"
#include "css_test_support.h"

namespace {

struct Refused {
    const char* text;
    const char* refusal;
};

TEST(CssHashAndNames, Valid) {
    for (const Valid& row : {
             Valid{"#234", 0x223344, 255}, Valid{"#FEDCBA", 0xfedcba, 255},
             Valid{"#0ff8", 0x00ffff, 136}, Valid{"#00ffff80", 0x00ffff, 128},
             Valid{"red", 0xff0000, 255}, Valid{"MAGENTA", 0xff00ff, 255},
             Valid{"rebeccapurple", 0x663399, 255}, Valid{"grey", 0x808080, 255},
             Valid{"lightgray", 0xd3d3d3, 255}, Valid{"DarkSlateGrey", 0x2f4f4f, 255},
             Valid{"transparent", 0x000000, 0}, Valid{"TransParent", 0x000000, 0}})
        ExpectColour(row);
}

TEST(CssHashAndNames, Invalid) {
    for (const char* text : {"", "#12", "#12345", "#1234567", "#123456789", "#ggg", "#", "auto",
                             "123", "top", "current-Color", "lightgreyy", " red", "red ", "red;",
                             "/**/red", " /* hey */\n", "#fff #fff"})
        ExpectNoColour(text);
}

TEST(CssRgb, Valid) {
    for (const Valid& row : {
             Valid{"rgb(2, 3, 4)", 0x020304, 255}, Valid{"rgb(100%, 0%, 0%)", 0xff0000, 255},
             Valid{"rgba(2, 3, 4, 0.5)", 0x020304, 128}, Valid{"rgba(2, 3, 4, 50%)", 0x020304, 128},
             Valid{"rgb(-2, 3, 4)", 0x000304, 255}, Valid{"rgb(100, 200, 300)", 0x64c8ff, 255},
             Valid{"rgb(20, 10, 0, -10)", 0x140a00, 0}, Valid{"rgb(100%, 200%, 300%)", 0xffffff, 255},
             Valid{"rgb(none none none)", 0x000000, 255}, Valid{"rgb(128 none none / none)", 0x800000, 0},
             Valid{"rgb(20% none none)", 0x330000, 255}, Valid{"rgba(none none none / 50%)", 0, 128},
             Valid{"rgb(-20% 20% 40%)", 0x003366, 255}, Valid{"rgb(257 30 40)", 0xff1e28, 255},
             Valid{"rgb(250% 20% 40%)", 0xff3366, 255}, Valid{"rgba(-2 3 4 / .5)", 0x000304, 128},
             // Numbers and percentages mixed, in the modern syntax only.
             Valid{"rgb(10% 20 30%)", 0x1a144d, 255}, Valid{"rgb(127.5 0 0)", 0x800000, 255},
             // Tokens need no blanks between them; comments are none.
             Valid{"rgb(1+2+3)", 0x010203, 255}, Valid{"rgb(1/**/2/**/3)", 0x010203, 255},
             Valid{"rgb(\t1\n2\f3\r)", 0x010203, 255}, Valid{"rgb( 1 , 2 , 3 )", 0x010203, 255},
             Valid{"RGBA(1 2 3/1)", 0x010203, 255}, Valid{"r\\gb(1 2 3)", 0x010203, 255},
             Valid{"\\72 gb(1 2 3)", 0x010203, 255}})
        ExpectColour(row);
}

TEST(CssRgb, Invalid) {
    for (const char* text :
         {"rgb", "rgb()", "rgb(1)", "rgb(1,2,3,4,5)", "rgb(10%, 20, 30%)", "rgba(-2, 300, 400%, -0.5)",
          "rgb(none, none, none)", "rgb(128, 0, none)", "rgb(1, 2, 3, none)", "rgb(1, 2 3)",
          "rgb(1 2, 3)", "rgb(1, 2, 3 / 1)", "rgb(1 2 3 0.5)", "rgb(1 2 3 /)", "rgb(1 2 3 / 1 / 1)",
          "rgb(1 2 3deg)", "rgb(1 2 light)", "rgb(1 2 3", "rgb(1 2 3))", "rgb(1 2 3);",
          "rgb(1. 2 3)", "rgb(1e 2 3)", "rgb(1 2 3) ", "rgb(rgb(1 2 3) 2 3)", "rgb(1 2 3 /* x"})
        ExpectNoColour(text);
}

TEST(CssHslHwb, Valid) {
    for (const Valid& row : {
             Valid{"hsl(120, 100%, 50%)", 0x00ff00, 255}, Valid{"hsla(120, 100%, 50%, 0.25)", 0x00ff00, 64},
             Valid{"hsl(120 30% 50%)", 0x59a659, 255}, Valid{"hsl(120 30 50 / 0.5)", 0x59a659, 128},
             Valid{"hsl(120 30% 50)", 0x59a659, 255}, Valid{"hsla(0 0% 0% / 0)", 0x000000, 0},
             Valid{"hsl(120 0% 50%)", 0x808080, 255}, Valid{"hsl(none 100% 50%)", 0xff0000, 255},
             // G is 42.5, which rounds up.
             Valid{"hsl(10 100% 50%)", 0xff2b00, 255}, Valid{"hsl(0 -50% 40%)", 0x666666, 255},
             Valid{"hsl(30 -50 60)", 0x999999, 255}, Valid{"hsl(120deg, 100%, 50%)", 0x00ff00, 255},
             Valid{"hsl(.5turn 100% 50%)", 0x00ffff, 255}, Valid{"hsl(200grad 100% 50%)", 0x00ffff, 255},
             Valid{"hsl(3.14159265358979rad 100% 50%)", 0x00ffff, 255}, Valid{"hsl(540 100% 50%)", 0x00ffff, 255},
             Valid{"hsl(-180DEG 100% 50%)", 0x00ffff, 255},
             Valid{"hwb(120 30% 50%)", 0x4d804d, 255}, Valid{"hwb(0 0% 0% / 0)", 0xff0000, 0},
             Valid{"hwb(120 80% 0%)", 0xccffcc, 255}, Valid{"hwb(0 100% 50% / 0)", 0xaaaaaa, 0},
             Valid{"hwb(120 30 50%)", 0x4d804d, 255}, Valid{"hwb(none none none)", 0xff0000, 255},
             // Each a channel of exactly one half, which rounds up.
             Valid{"hwb(320deg 30% 40%)", 0x994d80, 255}, Valid{"hwb(0deg 10% 50%)", 0x801a1a, 255},
             Valid{"hwb(0 20% 100%)", 0x2b2b2b, 255}})
        ExpectColour(row);
}

// A hue is turned into one turn, exactly, before anything clamps it: however
// many turns, it is the hue it names (1e16 is 27,777,777,777,777 turns and
// 280 degrees, worked by hand; -1e17, ten times as many turns the other way,
// is 80).
TEST(CssHue, TurnsAreTakenOffExactlyBeforeAnyClamp) {
    for (const Valid& row : {Valid{"hsl(1e16 100% 50%)", 0xaa00ff, 255},
                             Valid{"hsl(-1e17 100% 50%)", 0xaaff00, 255},
                             Valid{"hwb(1e16 0% 0%)", 0xaa00ff, 255}})
        ExpectColour(row);
    const struct {
        const char* turned;
        const char* plain;
    } same[] = {{"lch(50 30 2000000)", "lch(50 30 200)"},
                {"oklch(0.6 0.1 -719.5)", "oklch(0.6 0.1 0.5)"},
                {"oklch(0.6 0.1 -1e17)", "oklch(0.6 0.1 80)"},
                {"lch(50 30 3.6e9)", "lch(50 30 0)"}};
    for (const auto& pair : same) {
        SCOPED_TRACE(pair.turned);
        CssReading turned, plain;
        ASSERT_EQ(Read(pair.turned, &turned), CssReadResult::kColour);
        ASSERT_EQ(Read(pair.plain, &plain), CssReadResult::kColour);
        const Rgba8 a = Resolve(turned.color, GamutMode::kMap), b = Resolve(plain.color, GamutMode::kMap);
        EXPECT_EQ(std::memcmp(&a.color, &b.color, 3), 0);
    }
}

TEST(CssHslHwb, Invalid) {
    for (const char* text :
         {"hsla(1,2,3,4,5)", "hsl(0, 0, 0)", "hsl(0, 0%, 0)", "hsl(none, 0%, 0%)", "hsl(0, 0%, 0%, none)",
          "hsl(0 0% 0%, 0.5)", "hsl(0deg 0% 0% 0)", "hsl(0px 0% 0%)", "hsl(0 0deg 0%)",
          "hwb(0, 0%, 0%)", "hwba(120 30% 50%)", "hwba(120 30% 50% / 0.5)", "hwb(0 0% 0% / 0 0)"})
        ExpectNoColour(text);
}

TEST(CssLabFamily, Valid) {
    for (const Valid& row : {
             Valid{"lab(0 0 0)", 0x000000, 255}, Valid{"lab(100 0 0)", 0xffffff, 255},
             Valid{"lab(0 0 0 / 0.5)", 0x000000, 128}, Valid{"lab(400 0 0)", 0xffffff, 255},
             Valid{"lab(-40 0 0)", 0x000000, 255}, Valid{"lab(0% 0 0 / 110%)", 0x000000, 255},
             Valid{"lab(none none none / none)", 0x000000, 0}, Valid{"LCH(0 0 0deg)", 0x000000, 255},
             Valid{"lch(100 0 0)", 0xffffff, 255}, Valid{"lch(20 -20 0)", 0x303030, 255},
             Valid{"oklab(0 0 0)", 0x000000, 255}, Valid{"oklab(1 0 0)", 0xffffff, 255},
             Valid{"oklab(4 0 0.1/50%)", 0xffffff, 128}, Valid{"oklab(100% 0 0)", 0xffffff, 255},
             Valid{"oklch(0 0 0deg)", 0x000000, 255}, Valid{"oklch(1 0 0)", 0xffffff, 255},
             Valid{"oklch(-4 0 0)", 0x000000, 255}, Valid{"oklch(0 0 0 / 110%)", 0x000000, 255},
             // A widely used framework's default palette, written in oklch(), as its
             // documentation gives it in hex.
             Valid{"oklch(63.7% 0.237 25.331)", 0xfb2c36, 255},
             Valid{"oklch(62.3% 0.214 259.815)", 0x2b7fff, 255},
             Valid{"oklch(65.6% 0.241 354.308)", 0xf6339a, 255},
             Valid{"oklch(70.5% 0.213 47.604)", 0xff6900, 255}})
        ExpectColour(row);
}

TEST(CssLabFamily, Invalid) {
    for (const char* text :
         {"lab(0% 0 0 1)", "lab(0% 0 0 10%)", "lab(0% 0 0deg)", "lab(0% 0% 0deg)", "lab(40% 0 0deg)",
          "lab(0, 0, 0)", "oklab(0% 0 0 1)", "oklab(40% 0 0deg)", "lch(20% 10 10deg 10)",
          "lch(20% 10 10deg 10 / 0.5)", "lch(20% 10deg 10)", "oklch(20% 10 10deg 10)",
          "oklch(0 0 0, 1)", "color(lab 20% 0 10 / 50%)", "color(oklch 20% 0 10 / 50%)"})
        ExpectNoColour(text);
}

TEST(CssColorFunction, Valid) {
    for (const Valid& row : {
             Valid{"color(srgb 1.00 0.50 0.200)", 0xff8033, 255}, Valid{"color(srgb 100% 50% 20%)", 0xff8033, 255},
             Valid{"color(srgb 100% 0.5 20% / 0.6)", 0xff8033, 153}, Valid{"color(srgb none none none)", 0, 255},
             Valid{"color(srgb 1.00 none 0.2 / none)", 0xff0033, 0}, Valid{"color(srgb-linear 1 1 1)", 0xffffff, 255},
             Valid{"color(srgb-linear 0.21404114048223255 0 0)", 0x800000, 255},
             Valid{"color(display-p3 1 1 1)", 0xffffff, 255}, Valid{"color(a98-rgb 1 1 1)", 0xffffff, 255},
             Valid{"color(prophoto-rgb 1 1 1)", 0xffffff, 255}, Valid{"color(rec2020 1 1 1)", 0xffffff, 255},
             Valid{"color(display-p3 0 0 0 / 300%)", 0, 255}, Valid{"color(xyz 0 0 0)", 0, 255},
             Valid{"color(xyz-d65 0.95045592705 1 1.08905775076)", 0xffffff, 255},
             Valid{"color(xyz-d50 0.96429567643 1 0.82510460251)", 0xffffff, 255},
             Valid{"COLOR(SRGB 0 0 0 / -10%)", 0, 0}})
        ExpectColour(row);
}

TEST(CssColorFunction, Invalid) {
    for (const char* space : {"srgb", "srgb-linear", "display-p3", "a98-rgb", "prophoto-rgb", "rec2020",
                              "xyz", "xyz-d50", "xyz-d65"}) {
        const std::string s = space;
        for (const std::string& text : {"color(" + s + " 0 0 0 0)", "color(" + s + " 0deg 0% 0)",
                                        "color(" + s + " 0% 0 0 1)", "color(" + s + " 0% 0 0deg)",
                                        "color(" + s + " 40% 0 0deg)", "color(" + s + " 50%)",
                                        "color(" + s + ")", "color(" + s + ", 0, 0, 0)"})
            ExpectNoColour(text.c_str());
    }
    for (const char* text : {"color(srgbb 0 0 0)", "color(0 0 0)", "color()", "color(display-p3 1 0 0"})
        ExpectNoColour(text);
}

TEST(CssRefusals, NeedADocument) {
    for (const Refused& row : {
             Refused{"var(--brand)", "var() is not supported"},
             Refused{"hsl(var(--h) 50% 50%)", "var() is not supported"},
             Refused{"rgb(calc(env(x)) 2 3)", "env() is not supported"},
             Refused{"color-mix(in srgb, attr(c), red)", "attr() is not supported"},
             Refused{"currentColor", "currentcolor is not supported"},
             Refused{"rgb(from currentcolor r g b)", "currentcolor is not supported"},
             Refused{"Canvas", "system colours are not supported"},
             Refused{"light-dark(ButtonFace, red)", "system colours are not supported"}}) {
        SCOPED_TRACE(row.text);
        CssReading reading;
        EXPECT_EQ(Read(row.text, &reading), CssReadResult::kRefused);
        EXPECT_STREQ(reading.refusal, row.refusal);
    }
    // Anything after it makes it no colour at all.
    for (const char* text : {"var(--a) x", "var(--a", "var(--a);", "currentcolor ", "rgb(var(--a) 2 3"})
        ExpectNoColour(text);
}

// Linear-light conversions, unmapped, against the web-platform-tests' values
// (relative-color-out-of-gamut.html), to their five decimals.
TEST(CssConversions, MatchTheReferenceValuesOutsideSrgb) {
    const struct {
        const char* text;
        double r, g, b;
    } rows[] = {
        {"color(display-p3 0 1 0)", -0.5116, 1.01827, -0.31067},
        {"lab(100 104.3 -50.9)", 1.5935, 0.58776, 1.40555},
        {"lab(0 104.3 -50.9)", 0.35137, -0.21392, 0.29945},
        {"lch(100 116 334)", 1.59336, 0.58802, 1.40517},
        {"oklab(1 0.365 -0.16)", 1.59297, 0.3602, 1.38555},
        {"oklab(0 0.365 -0.16)", 0.07636, -0.04559, 0.09322},
        {"oklch(1 0.399 336.3)", 1.59331, 0.35856, 1.38647},
        {"oklch(0 0.399 336.3)", 0.07651, -0.04579, 0.0937},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CssReading reading;
        ASSERT_EQ(Read(row.text, &reading), CssReadResult::kColour);
        double linear[3];
        CssToLinearSrgb(reading.color, linear);
        EXPECT_NEAR(LinearToSrgb(linear[0]), row.r, 6e-6);
        EXPECT_NEAR(LinearToSrgb(linear[1]), row.g, 6e-6);
        EXPECT_NEAR(LinearToSrgb(linear[2]), row.b, 6e-6);
    }
}

// Outside sRGB: CSS's gamut mapping, and clipping for those who ask. The
// mapped colours were traced by hand through CSS's pseudo-code in a separate
// script (polar chroma, cos and sin, no shared code); the clipped ones are the
// framework's published hex values where they exist. L >= 1 is white and
// L <= 0 black, whatever the chroma.
TEST(CssGamutMapping, MappedAndClipped) {
    const struct {
        const char* text;
        uint32_t mapped, clipped;
    } rows[] = {
        {"oklab(90% 0.36 0)", 0xffc8dc, 0xff1ad4},
        {"oklch(0.7 0.4 150)", 0x00c248, 0x00d600},
        {"oklch(0.95 0.2 100)", 0xfff028, 0xfff000},
        {"oklch(0.3 0.35 30)", 0x630000, 0x9d0000},
        {"oklch(79.5% 0.184 86.047)", 0xefb100, 0xf0b100},
        {"oklch(76.9% 0.188 70.08)", 0xfd9a00, 0xfe9a00},
        {"lab(100 104.3 -50.9)", 0xffffff, 0xff96ff},
        {"oklch(1 0.399 336.3)", 0xffffff, 0xff5bff},
        {"oklch(0 0.399 336.3)", 0x000000, 0x140018},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CssReading reading;
        ASSERT_EQ(Read(row.text, &reading), CssReadResult::kColour);
        for (GamutMode mode : {GamutMode::kMap, GamutMode::kClip}) {
            const Rgba8 c = Resolve(reading.color, mode);
            EXPECT_EQ(c.color.red << 16 | c.color.green << 8 | c.color.blue,
                      static_cast<int>(mode == GamutMode::kMap ? row.mapped : row.clipped));
            EXPECT_TRUE(c.mapped);
        }
    }
    // Inside, or outside by less than the rounding hides, is not mapped.
    for (const char* text : {"lab(100 0 0)", "oklch(63.7% 0.237 25.331)", "color(srgb 1.001 0 0)"}) {
        CssReading reading;
        ASSERT_EQ(Read(text, &reading), CssReadResult::kColour);
        EXPECT_FALSE(Resolve(reading.color, GamutMode::kMap).mapped) << text;
    }
}

// Linear light a hair either side of each halfway point between two 8-bit
// steps, from the sRGB curve itself, lands on the step on its own side.
TEST(CssConversions, LinearLightRoundsToTheNearestStep) {
    for (int v = 1; v < 256; ++v) {
        SCOPED_TRACE(v);
        const double encoded = (v - 0.5) / 255;
        const double halfway = encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
        for (const double light : {halfway * (1 + 1e-9), halfway * (1 - 1e-9)}) {
            const CssColor color = {CssSpace::kSrgbLinear, {light, light, light}, 1};
            const Rgba8 c = Resolve(color, GamutMode::kMap);
            EXPECT_EQ(c.color.green, light > halfway ? v : v - 1);
        }
    }
}

}  // namespace
