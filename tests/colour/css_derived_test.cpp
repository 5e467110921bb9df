// Colours made of colours and calculations: color-mix(), relative colours,
// light-dark(), contrast-color() and the math functions, one table each.
// The 8-bit colours are the web-platform-tests' computed values for
// color-mix() (css/css-color/parsing/color-computed-color-mix-function) and
// relative colours, as sRGB serialisations; pairs are texts CSS defines to
// be the same colour; the rest are worked by hand in the comments.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "css_color.h"
#include "css_test_support.h"
#include "tints_shades.h"

namespace {

struct Same {
    const char* text;
    const char* same;
};

Rgba8 ReadRgba(const std::string& text, ColourScheme scheme = ColourScheme::kLight) {
    CssReading reading;
    EXPECT_EQ(Read(text, &reading, scheme), CssReadResult::kColour) << text;
    Rgba8 c;
    ResolveCssColor(reading.color, GamutMode::kMap, &c);
    return c;
}

void ExpectRows(std::initializer_list<Valid> rows) {
    for (const Valid& row : rows) ExpectColour(row);
}

void ExpectSame(std::initializer_list<Same> rows) {
    for (const Same& row : rows) {
        SCOPED_TRACE(row.text);
        const Rgba8 a = ReadRgba(row.text), b = ReadRgba(row.same);
        EXPECT_EQ(Rgb(a), Rgb(b));
        EXPECT_EQ(a.alpha, b.alpha);
    }
}

void ExpectNoColours(std::initializer_list<const char*> texts) {
    for (const char* text : texts) ExpectNoColour(text);
}

TEST(CssColorMix, SharesAndAlpha) {
    ExpectRows({
        {"color-mix(in hsl, hsl(120deg 10% 20%), hsl(30deg 30% 40%))", 0x545c3d, 255},
        {"color-mix(in hsl, hsl(120deg 10% 20%) 25%, hsl(30deg 30% 40%))", 0x706a43, 255},
        {"color-mix(in hsl, 25% hsl(120deg 10% 20%), hsl(30deg 30% 40%))", 0x706a43, 255},
        {"color-mix(in hsl, hsl(120deg 10% 20%), 25% hsl(30deg 30% 40%))", 0x3d4936, 255},
        {"color-mix(in hsl, hsl(120deg 10% 20%) 30%, hsl(30deg 30% 40%) 90%)", 0x706a43, 255},
        {"color-mix(in hsl, hsl(120deg 10% 20%) 12.5%, hsl(30deg 30% 40%) 37.5%)", 0x706a43, 128},
        {"color-mix(in hsl, hsl(120deg 10% 20%) 0%, hsl(30deg 30% 40%))", 0x856647, 255},
        {"color-mix(in hsl, hsl(120deg 10% 20% / .4), hsl(30deg 30% 40% / .8))", 0x5f6941, 153},
        {"color-mix(in hsl, hsl(120deg 10% 20%) 25%, hsl(30deg 30% 40% / .8))", 0x6c6742, 217},
        {"color-mix(in hsl, hsl(120deg 10% 20% / .4) 12.5%, hsl(30deg 30% 40% / .8) 37.5%)", 0x787245, 89},
        {"color-mix(in hwb, hwb(120deg 10% 20%), hwb(30deg 30% 40%))", 0x93b333, 255},
        {"color-mix(in hwb, hwb(120deg 10% 20%), 25% hwb(30deg 30% 40% / .8))", 0x5fc124, 242},
        {"color-mix(in hwb, hwb(120deg 10% 20% / .4), hwb(30deg 30% 40% / .8) 25%)", 0x62b82e, 128},
        // By hand: premultiplied, transparent adds no colour; a framework's opacity modifier.
        {"color-mix(in srgb, red, transparent)", 0xff0000, 128},
        {"color-mix(in oklab, #3b82f6 50%, transparent)", 0x3b82f6, 128},
        // Three colours, a third each: 255 / 3 = 85; the two left out share what 50% leaves.
        {"color-mix(in srgb, red, lime, blue)", 0x555555, 255},
        {"color-mix(in srgb, red 50%, lime, blue)", 0x804040, 255},
        {"color-mix(in srgb, red 20%, blue 20%)", 0x800080, 102},
        {"color-mix(in srgb, red)", 0xff0000, 255},
        {"color-mix(in srgb, red 50%)", 0xff0000, 128},
    });
}

TEST(CssColorMix, HueArcsAndMissingChannels) {
    ExpectSame({
        {"color-mix(in hsl, hsl(50deg 50% 50%), hsl(330deg 50% 50%))", "hsl(10deg 50% 50%)"},
        {"color-mix(in hsl, hsl(320deg 50% 50%), hsl(20deg 50% 50%))", "hsl(350deg 50% 50%)"},
        {"color-mix(in hsl longer hue, hsl(40deg 50% 50%), hsl(60deg 50% 50%))", "hsl(230deg 50% 50%)"},
        {"color-mix(in hsl longer hue, hsl(20deg 50% 50%), hsl(320deg 50% 50%))", "hsl(170deg 50% 50%)"},
        {"color-mix(in hsl increasing hue, hsl(60deg 50% 50%), hsl(40deg 50% 50%))", "hsl(230deg 50% 50%)"},
        {"color-mix(in hsl increasing hue, hsl(330deg 50% 50%), hsl(50deg 50% 50%))", "hsl(10deg 50% 50%)"},
        {"color-mix(in hsl decreasing hue, hsl(40deg 50% 50%), hsl(60deg 50% 50%))", "hsl(230deg 50% 50%)"},
        {"color-mix(in hwb decreasing hue, hwb(320deg 30% 40%), hwb(20deg 30% 40%))", "hwb(170deg 30% 40%)"},
        {"color-mix(in hsl, hsl(none none none), hsl(30deg 40% 80%))", "hsl(30deg 40% 80%)"},
        {"color-mix(in hsl, hsl(120deg 20% none), hsl(30deg 40% 60%))", "hsl(75deg 30% 60%)"},
        {"color-mix(in hsl, hsl(none 20% 40%), hsl(30deg none 80%))", "hsl(30deg 20% 60%)"},
        {"color-mix(in hsl, hsl(120deg 40% 40% / none), hsl(0deg 40% 40% / 0.5))", "hsl(60deg 40% 40% / 0.5)"},
        {"color-mix(in hwb, hwb(120deg 10% none), hwb(30deg 30% 40%))", "hwb(75deg 20% 40%)"},
        {"color-mix(in hwb, hwb(none 10% 20%), hwb(30deg none 40%))", "hwb(30deg 10% 30%)"},
        // A grey's hue is powerless: the other colour's is kept.
        {"color-mix(in oklch, white, oklch(0.5 0.1 200))", "oklch(0.75 0.05 200)"},
        // Missing red carried to srgb-linear's red: blue's red taken, 0.
        {"color-mix(in srgb-linear, color(srgb none 1 1), blue)", "color(srgb-linear 0 0.5 1)"},
        // The method may be left out: oklab.
        {"color-mix(red, blue)", "color-mix(in oklab, red, blue)"},
        {"color-mix(in xyz, red 30%, blue)", "color-mix(in xyz-d65, blue 70%, red)"},
        // A mix of mixes.
        {"color-mix(in srgb, color-mix(in srgb, red, blue), color-mix(in srgb, lime, blue))",
         "color(srgb 0.25 0.25 0.5)"},
    });
    // Every interpolation space reads, each arc where there is a hue.
    for (const char* space : {"srgb", "srgb-linear", "display-p3", "a98-rgb", "prophoto-rgb", "rec2020",
                              "lab", "oklab", "xyz", "xyz-d50", "xyz-d65", "hsl shorter hue",
                              "hwb increasing hue", "lch decreasing hue", "oklch shorter hue"}) {
        const Rgba8 c = ReadRgba(std::string("color-mix(in ") + space + ", #123456, #123456 40%)");
        EXPECT_EQ(Rgb(c), 0x123456u) << space;
    }
}

TEST(CssColorMix, Invalid) {
    ExpectNoColours({
        "color-mix(in hsl, hsl(120deg 10% 20%) -10%, hsl(30deg 30% 40%))",
        "color-mix(in hsl, hsl(120deg 10% 20%) 150%, hsl(30deg 30% 40%))",
        "color-mix(in lch, lch(10% 20 30deg) lch(50% 60 70deg))",
        "color-mix(in oklab oklab(10% 20 30), oklab(50% 60 70))",
        "color-mix(hwb(120deg 10% 20%), hwb(30deg 30% 40%), in hwb)",
        "color-mix(in srgb longer hue, red, blue)",
        "color-mix(in hsl hue, red, blue)",
        "color-mix(in hsl longer, red, blue)",
        "color-mix(in foo, red, blue)",
        "color-mix(in srgb, red 0%, blue 0%)",  // nothing to mix
        "color-mix(in srgb, 10% red 20%, blue)",
        "color-mix(in srgb)",
        "color-mix()",
        "color-mix(in srgb, red, blue,)",
        "color-mix(in srgb, red, blue) ",
    });
    // A calculation's share is clamped into 0-100%, a written one is not.
    ExpectSame({{"color-mix(in srgb, red calc(150%), blue)", "red"}});
}

TEST(CssRelativeColour, ChannelsOfTheOrigin) {
    ExpectRows({
        {"rgb(from rebeccapurple r g b)", 0x663399, 255},
        {"rgb(from rebeccapurple calc(r) calc(g) calc(b))", 0x663399, 255},
        {"rgb(from rgb(20% 40% 60% / 80%) r g b / alpha)", 0x336699, 204},
        {"rgb(from rebeccapurple g b r)", 0x339966, 255},
        {"rgb(from rebeccapurple none none none)", 0x000000, 255},
        {"rgb(from rebeccapurple r g b / calc(alpha / 2))", 0x663399, 128},
        {"rgb(from rgb(10 20 30 / 0.5) r g b)", 0x0a141e, 128},
        // By hand: 127.5 rounds up; a percentage keeps its meaning beside keywords.
        {"rgb(from red calc(r / 2) g b)", 0x800000, 255},
        {"rgb(from red r g 50%)", 0xff0080, 255},
        {"hsl(from rebeccapurple calc(h + 180) s l)", 0x669933, 255},
        {"hsl(from rgb(0 255 0) h s calc(l / 2))", 0x008000, 255},
        {"color(from color(srgb 0.8 0.4 0.2) srgb b g r)", 0x3366cc, 255},
        {"rgb(from rgb(from red g r b) r g b)", 0x00ff00, 255},
        {"hwb(from #808080 h w b)", 0x808080, 255},
    });
    // Into every space and back, a colour is itself.
    for (const char* form : {"rgb(from C r g b)", "hsl(from C h s l)", "hwb(from C h w b)", "lab(from C l a b)",
                             "lch(from C l c h)", "oklab(from C l a b)", "oklch(from C l c h / alpha)",
                             "color(from C srgb r g b)", "color(from C srgb-linear r g b)",
                             "color(from C display-p3 r g b)", "color(from C a98-rgb r g b)",
                             "color(from C prophoto-rgb r g b)", "color(from C rec2020 r g b)",
                             "color(from C xyz x y z)", "color(from C xyz-d50 x y z)"}) {
        std::string text = form;
        text.replace(text.find('C'), 1, "#3b82f6");
        EXPECT_EQ(Rgb(ReadRgba(text)), 0x3b82f6u) << text;
    }
    ExpectNoColours({
        "rgb(from rebeccapurple r g)",
        "rgb(from rebeccapurple r, g, b)",
        "rgb(from rebeccapurple calc(r + 10%) g b)",  // a number plus a percentage
        "hsl(from rebeccapurple calc(h + 30deg) s l)",  // a number plus an angle
        "rgb(from rebeccapurple h s l)",
        "rgb(from r g b)",
        "rgb(from)",
        "color(from red r g b)",
        "rgb(r g b)",
    });
}

TEST(CssLightDarkAndContrast, ChooseAColour) {
    EXPECT_EQ(Rgb(ReadRgba("light-dark(red, blue)")), 0xff0000u);
    EXPECT_EQ(Rgb(ReadRgba("light-dark(red, blue)", ColourScheme::kDark)), 0x0000ffu);
    EXPECT_EQ(Rgb(ReadRgba("color-mix(in srgb, light-dark(red, lime), blue)", ColourScheme::kDark)), 0x008080u);
    // Luminance by hand: #757575 is 0.1779, below the 0.1791 at which white
    // and black contrast alike; #767676 is 0.1812.
    ExpectRows({
        {"contrast-color(white)", 0x000000, 255}, {"contrast-color(black)", 0xffffff, 255},
        {"contrast-color(#757575)", 0xffffff, 255}, {"contrast-color(#767676)", 0x000000, 255},
        {"contrast-color(blue)", 0xffffff, 255}, {"contrast-color(red)", 0x000000, 255},
        {"contrast-color(rgb(0 0 0 / 0.5))", 0xffffff, 255},
    });
    ExpectNoColours({"light-dark(red)", "light-dark(red, blue, lime)", "contrast-color()",
                    "contrast-color(red, blue)", "light-dark(red blue)"});
}

// The number in color(xyz calc(...) 0 0), whose channels are never clamped.
double Calculated(const std::string& expression) {
    CssReading reading;
    const std::string text = "color(xyz " + expression + " 0 0)";
    EXPECT_EQ(Read(text, &reading), CssReadResult::kColour) << text;
    return reading.color.channels[0];
}

TEST(CssMath, FunctionsAndConstants) {
    const struct {
        const char* expression;
        double value;
    } rows[] = {
        {"calc(1 + 2 * 3)", 7}, {"calc((1 + 2) * 3)", 9}, {"calc(10 / 4 - 1)", 1.5},
        {"calc( 1 + calc(2 * ( 3 ) ) )", 7}, {"min(3, 1, 2)", 1}, {"max(3, 1, 2, 5, 4)", 5},
        {"clamp(0, 5, 3)", 3}, {"clamp(none, 5, 3)", 3}, {"clamp(4, 1, none)", 4}, {"clamp(2, 1, 0)", 2},
        {"round(2.5)", 3}, {"round(-2.5)", -2}, {"round(up, 2.1)", 3}, {"round(down, 2.9)", 2},
        {"round(to-zero, -2.9)", -2}, {"round(nearest, 17, 5)", 15}, {"round(up, 17, 5)", 20},
        {"round(7, -2)", 8}, {"mod(-7, 3)", 2}, {"rem(-7, 3)", -1}, {"mod(7, -3)", -2}, {"rem(7, -3)", 1},
        {"abs(-3)", 3}, {"sign(-2)", -1}, {"sign(0)", 0}, {"sign(10deg)", 1},
        {"sin(90deg)", 1}, {"cos(0)", 1}, {"cos(pi)", -1}, {"sin(pi / 2)", 1}, {"calc(acos(0) / 1deg)", 90},
        {"calc(asin(1) / 1deg)", 90}, {"calc(atan(1) / 1deg)", 45}, {"calc(atan2(1deg, 1deg) / 1deg)", 45},
        {"pow(2, 10)", 1024}, {"sqrt(16)", 4}, {"hypot(3, 4)", 5}, {"hypot(-5)", 5}, {"log(8, 2)", 3},
        {"log(e)", 1}, {"exp(0)", 1}, {"calc(0.5turn / 1deg)", 180}, {"calc(100grad / 1deg)", 90},
        {"calc(10% * 2 / 20%)", 1}, {"CALC(PI * 0 + E * 0 + 2)", 2},
        // Infinity and NaN: a top-level NaN is 0, an infinity the largest finite value.
        {"calc(infinity)", DBL_MAX}, {"calc(-infinity)", -DBL_MAX}, {"calc(NaN)", 0}, {"calc(1 / 0)", DBL_MAX},
        {"calc(-1 / 0)", -DBL_MAX}, {"calc(0 / 0)", 0}, {"calc(infinity - infinity)", 0},
        {"calc(infinity * 0)", 0}, {"min(NaN, 1)", 0}, {"round(infinity, 5)", DBL_MAX},
        {"round(5, infinity)", 0}, {"round(up, 5, infinity)", DBL_MAX}, {"round(down, -5, infinity)", -DBL_MAX},
        {"round(5, 0)", 0}, {"mod(5, 0)", 0}, {"rem(infinity, 1)", 0}, {"mod(-5, infinity)", 0},
        {"rem(-5, infinity)", -5}, {"mod(5, infinity)", 5}, {"tan(90deg)", DBL_MAX}, {"tan(-90deg)", -DBL_MAX},
        {"calc(1 / -infinity * -1)", 0},
    };
    for (const auto& row : rows) EXPECT_NEAR(Calculated(row.expression), row.value, 1e-12) << row.expression;
    // Where a colour takes a percentage or an angle, a calculation of one.
    ExpectRows({{"rgb(calc(50%) 0 0)", 0x800000, 255},
                {"hsl(calc(0.25turn * 2) 100% 50%)", 0x00ffff, 255},
                {"hsl(calc(90 * 2) calc(50% + 50%) 50%)", 0x00ffff, 255},
                {"rgb(0 0 0 / calc(infinity))", 0x000000, 255},
                {"rgb(calc(-infinity) calc(NaN) calc(infinity))", 0x0000ff, 255},
                {"rgb(calc(1), calc(2), calc(3), calc(0.5))", 0x010203, 128},
                // The web-platform-tests': a hue of infinity or NaN is 0.
                {"rgba(0, 0, 0, calc(-infinity))", 0x000000, 0},
                {"hsl(calc(infinity) 100% 50%)", 0xff0000, 255},
                {"hsl(calc(-infinity) 100% 50%)", 0xff0000, 255},
                {"hsl(calc(0 / 0) 100% 50%)", 0xff0000, 255},
                {"hsl(90 50% 50% / calc(infinity))", 0x80bf40, 255},
                {"lch(50 0 calc(infinity * 1deg))", 0x777777, 255}});
}

TEST(CssMath, TypesAndSyntax) {
    for (const char* expression :
         {"calc(1 + 1deg)", "calc(1+2)", "calc(1 -2)", "calc(1 +2)", "calc(10% + 1)", "calc()", "calc(1, 2)",
          "calc(1px)", "pow(2deg, 2)", "sqrt(4deg)", "round(5deg)", "round(5deg, 1)", "min(1, 1deg)",
          "sin(10%)", "calc(1deg)", "pi", "calc(1 * (2)", "mod(1)", "clamp(1, 2)",
          "clamp(1, none, 2)", "log(1deg)", "round(sideways, 1, 1)", "calc(foo)", "calc(1 2)",
          "atan2(1, 1deg)", "hypot(1deg, 2)", "exp(1%)", "calc(1 / 1deg)"}) {
        CssReading reading;
        const std::string text = std::string("color(xyz ") + expression + " 0 0)";
        EXPECT_EQ(Read(text, &reading), CssReadResult::kNotAColour) << expression;
    }
    ExpectNoColours({"rgb(calc(50%) 0 0, 0)", "rgb(calc(1), 2%, 3)", "hsl(calc(1), 50, 50%)", "calc(1)",
                    "rgb(pi 0 0)", "rgb((1) 2 3)"});
}

// Deep nesting is refused whole, with a message; a long flat calculation is
// read however long.
TEST(CssNesting, DeepIsRefusedLongIsRead) {
    auto nested = [](int depth, const char* open, const char* inner, const char* close) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += open;
        text += inner;
        for (int i = 0; i < depth; ++i) text += close;
        return text;
    };
    // rgb() is one level: 31 calc()s inside make 32.
    EXPECT_EQ(Rgb(ReadRgba("rgb(" + nested(31, "calc(", "1", ")") + " 2 3)")), 0x010203u);
    for (const std::string& text :
         {"rgb(" + nested(32, "calc(", "1", ")") + " 2 3)", "rgb(" + nested(1000, "calc(", "1", ")") + " 2 3)",
          "rgb(calc(" + nested(1000, "(", "1", ")") + ") 2 3)",
          nested(1000, "color-mix(in srgb, red, ", "blue", ")")}) {
        CssReading reading;
        EXPECT_EQ(Read(text, &reading), CssReadResult::kRefused);
        EXPECT_STREQ(reading.refusal, "more than 32 nested functions are not supported");
    }
    CssReading reading;
    EXPECT_EQ(Read("rgb(" + nested(1000, "calc(", "1", "") + " 2 3)", &reading), CssReadResult::kNotAColour);
    std::string sum = "color(xyz calc(0";
    for (int i = 0; i < 100000; ++i) sum += " + 1";
    EXPECT_EQ(Calculated(sum.substr(10) + ")"), 100000);
    std::string many = "color-mix(in srgb";
    for (int i = 0; i < 17; ++i) many += ", red";
    EXPECT_EQ(Read(many + ")", &reading), CssReadResult::kRefused);
    EXPECT_STREQ(reading.refusal, "more than 16 colours in color-mix() are not supported");
}

// Numbers at their edges inside the conversions: no NaN read as 0.
TEST(CssEdges, HugeChannelsAndRec2020) {
    ExpectRows({
        {"hsl(0 100% 1e18%)", 0xffffff, 255}, {"hsl(0 100% 1e17%)", 0xffffff, 255},
        {"hsl(0 1e400% 50%)", 0xff0000, 255}, {"hwb(0 1e400% 0%)", 0xffffff, 255},
        {"hwb(0 1e400% 1e400%)", 0x808080, 255}, {"hsl(0 100% -1e400%)", 0x000000, 255},
        // rec2020 with a pure 2.4 gamma: 0.5 is 0.5^2.4 linear, which sRGB
        // writes as 1.055 * 0.5 - 0.055 = 0.4725, 120.49 of 255.
        {"color(rec2020 0.5 0.5 0.5)", 0x787878, 255},
    });
}

// Black towards white in OKLab is L alone: L 0.8 is linear light 0.512, which
// sRGB writes as 1.055 * 0.512^(1/2.4) - 0.055 = 0.7433, 189.53 of 255 (by
// hand; 0.6, 0.4 and 0.2 give 128.0, 71.6 and 22.0).
TEST(TintsAndShades, NineFromTheLightestToTheDarkest) {
    ColorRecord nine[kTintsAndShades];
    TintsAndShades({0, 0, 0, 0}, nine);
    const int expected[kTintsAndShades] = {190, 128, 72, 22, 0, 0, 0, 0, 0};
    for (int i = 0; i < kTintsAndShades; ++i) {
        EXPECT_EQ(nine[i].red, expected[i]) << i;
        EXPECT_EQ(nine[i].green, expected[i]) << i;
        EXPECT_EQ(nine[i].blue, expected[i]) << i;
    }
    const ColorRecord blue = {0xf6, 0x82, 0x3b, 0};
    TintsAndShades(blue, nine);
    EXPECT_EQ(nine[4].red << 16 | nine[4].green << 8 | nine[4].blue, 0x3b82f6);
    // As palorin-cli tints gives the 25 % steps, these lie between them.
    EXPECT_GT(nine[0].red, nine[1].red);
    EXPECT_GT(nine[5].blue, nine[8].blue);
}

}  // namespace
