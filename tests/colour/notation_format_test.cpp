// The display forms: exact texts for chosen colours, and agreement with the
// printf formats the converter fields have always shown.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "notation_format.h"
#include "notation_parse.h"

namespace {

ColorRecord Rgb(int red, int green, int blue) {
    return {static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red), 0};
}

using Formatter = int (*)(const ColorRecord&, char*);

// The text, after checking that the returned length matches it.
std::string Show(Formatter format, const ColorRecord& color) {
    char text[kColorTextCapacity];
    const int length = format(color, text);
    EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
    return text;
}

TEST(FormatColor, WritesEachForm) {
    const struct {
        int red, green, blue;
        const char *hex6, *hex3, *percent, *triple;
    } cases[] = {
        {0, 0, 0, "#000000", "#000", "(0%,0%,0%)", "(0,0,0)"},
        {255, 255, 255, "#ffffff", "#fff", "(100%,100%,100%)", "(255,255,255)"},
        {0, 255, 255, "#00ffff", "#0ff", "(0%,100%,100%)", "(0,255,255)"},
        {255, 136, 0, "#ff8800", "#f80", "(100%,53%,0%)", "(255,136,0)"},
        {127, 127, 127, "#7f7f7f", "#777", "(49%,49%,49%)", "(127,127,127)"},
        {8, 9, 247, "#0809f7", "#01f", "(3%,3%,96%)", "(8,9,247)"},
        {1, 2, 3, "#010203", "#000", "(0%,0%,1%)", "(1,2,3)"},
    };
    for (const auto& c : cases) {
        const ColorRecord color = Rgb(c.red, c.green, c.blue);
        EXPECT_EQ(Show(FormatHex6, color), c.hex6);
        EXPECT_EQ(Show(FormatHex3, color), c.hex3);
        EXPECT_EQ(Show(FormatPercentTriple, color), c.percent);
        EXPECT_EQ(Show(FormatDecimalTriple, color), c.triple);
    }
}

TEST(FormatColor, PercentLosesPrecisionOnTheWayBack) {
    ColorRecord color = {};
    ASSERT_EQ(ParsePercentTriple("(50%,50%,50%)", &color), 1);
    EXPECT_EQ(Show(FormatPercentTriple, color), "(49%,49%,49%)");
}

TEST(NearestNibble, RoundsToTheNearestMultipleOf17) {
    const int cases[][2] = {{0, 0},    {8, 0},    {9, 1},    {17, 1},  {25, 1},
                            {26, 2},   {42, 2},   {43, 3},   {127, 7}, {128, 8},
                            {238, 14}, {246, 14}, {247, 15}, {255, 15}};
    for (const auto& c : cases) EXPECT_EQ(NearestNibble(c[0]), c[1]) << "value " << c[0];
}

TEST(FormatChannel, WritesDecimalAndHex) {
    const struct {
        unsigned value;
        const char *decimal, *hex;
    } cases[] = {
        {0, "0", "0"},      {9, "9", "9"},       {10, "10", "a"},
        {15, "15", "f"},    {16, "16", "10"},    {136, "136", "88"},
        {255, "255", "ff"}, {256, "256", "100"}, {UINT_MAX, "4294967295", "ffffffff"},
    };
    for (const auto& c : cases) {
        char text[kColorTextCapacity];
        EXPECT_EQ(FormatDecimalChannel(c.value, text), static_cast<int>(std::strlen(c.decimal)));
        EXPECT_STREQ(text, c.decimal);
        EXPECT_EQ(FormatHexChannel(c.value, text), static_cast<int>(std::strlen(c.hex)));
        EXPECT_STREQ(text, c.hex);
    }
}

// Every channel value in each position, against the printf format of each form.
TEST(FormatColor, MatchesThePrintfFormats) {
    for (int v = 0; v < 256; ++v) {
        const int red = v, green = 255 - v, blue = (v * 7) & 255;
        const ColorRecord color = Rgb(red, green, blue);
        char expected[64];
        SCOPED_TRACE(v);
        std::snprintf(expected, sizeof expected, "#%02x%02x%02x", red, green, blue);
        EXPECT_EQ(Show(FormatHex6, color), expected);
        std::snprintf(expected, sizeof expected, "#%x%x%x", NearestNibble(red),
                      NearestNibble(green), NearestNibble(blue));
        EXPECT_EQ(Show(FormatHex3, color), expected);
        std::snprintf(expected, sizeof expected, "(%d%%,%d%%,%d%%)", red * 100 / 255,
                      green * 100 / 255, blue * 100 / 255);
        EXPECT_EQ(Show(FormatPercentTriple, color), expected);
        std::snprintf(expected, sizeof expected, "(%d,%d,%d)", red, green, blue);
        EXPECT_EQ(Show(FormatDecimalTriple, color), expected);

        char text[kColorTextCapacity];
        FormatDecimalChannel(static_cast<unsigned>(v), text);
        std::snprintf(expected, sizeof expected, "%u", static_cast<unsigned>(v));
        EXPECT_STREQ(text, expected);
        FormatHexChannel(static_cast<unsigned>(v), text);
        std::snprintf(expected, sizeof expected, "%x", static_cast<unsigned>(v));
        EXPECT_STREQ(text, expected);
    }
}

}  // namespace
