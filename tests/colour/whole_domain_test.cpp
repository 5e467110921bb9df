// Properties checked over every colour or every HLS triple, and a rejected text
// never touching the record, over random texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "hls.h"
#include "named_colors.h"
#include "notation_format.h"
#include "notation_parse.h"

namespace {

// Runs a check on every colour; a fault gives one message naming the count and
// the first failing colour instead of millions.
template <typename Check>
::testing::AssertionResult HoldsForEveryColour(Check check) {
    long failures = 0;
    int first = -1;
    for (int rgb = 0; rgb < 1 << 24; ++rgb) {
        const ColorRecord color = {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                                   static_cast<uint8_t>(rgb >> 16), 0};
        if (!check(color) && failures++ == 0) first = rgb;
    }
    if (failures == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << failures << " colours fail, first 0x" << std::hex << first;
}

bool SameChannels(const ColorRecord& a, const ColorRecord& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(WholeDomain, Hex6ReadsBackAsTheSameColour) {
    EXPECT_TRUE(HoldsForEveryColour([](const ColorRecord& color) {
        char text[kColorTextCapacity];
        ColorRecord back = {};
        FormatHex6(color, text);
        return ParseHexNotation(text, &back) == 2 && SameChannels(back, color);
    }));
}

TEST(WholeDomain, DecimalTripleReadsBackAsTheSameColour) {
    EXPECT_TRUE(HoldsForEveryColour([](const ColorRecord& color) {
        char text[kColorTextCapacity];
        ColorRecord back = {};
        FormatDecimalTriple(color, text);
        return ParseDecimalTriple(text, &back) == 1 && SameChannels(back, color);
    }));
}

// Multiples of 17 are 17 apart, so the nearest is the one at most 8 away.
bool IsNearestMultipleOf17(int rounded, int channel) {
    return rounded % 17 == 0 && std::abs(rounded - channel) <= 8;
}

TEST(WholeDomain, Hex3ReadsBackAsTheNearestMultiplesOf17) {
    EXPECT_TRUE(HoldsForEveryColour([](const ColorRecord& color) {
        char text[kColorTextCapacity];
        ColorRecord back = {};
        FormatHex3(color, text);
        return ParseHexNotation(text, &back) == 1 && IsNearestMultipleOf17(back.red, color.red) &&
               IsNearestMultipleOf17(back.green, color.green) &&
               IsNearestMultipleOf17(back.blue, color.blue);
    }));
}

// The channels are formatted independently, so every channel value in every
// position is enough: the percent form reads back no brighter and at most 3 darker.
TEST(WholeDomain, PercentTripleReadsBackSlightlyDarker) {
    char text[kColorTextCapacity];
    for (int v = 0; v < 256; ++v) {
        const ColorRecord color = {static_cast<uint8_t>(v * 7), static_cast<uint8_t>(255 - v),
                                   static_cast<uint8_t>(v), 0};
        ColorRecord back = {};
        FormatPercentTriple(color, text);
        ASSERT_EQ(ParsePercentTriple(text, &back), 1) << text;
        const uint8_t before[3] = {color.red, color.green, color.blue};
        const uint8_t after[3] = {back.red, back.green, back.blue};
        for (int i = 0; i < 3; ++i) {
            EXPECT_LE(after[i], before[i]) << text;
            EXPECT_GE(after[i] + 3, before[i]) << text;
        }
    }
}

TEST(WholeDomain, RgbToHlsStaysInRange) {
    EXPECT_TRUE(HoldsForEveryColour([](const ColorRecord& color) {
        uint8_t hue, lightness, saturation;
        RgbToHls(color.red, color.green, color.blue, &hue, &lightness, &saturation);
        return hue <= 239 && lightness <= 240 && saturation <= 240;
    }));
}

// A channel pushed past 255 would wrap in 8 bits and land far from the lightness
// it was made for; without that the round trip keeps the lightness within 1.
TEST(WholeDomain, HlsToRgbKeepsTheLightness) {
    long failures = 0;
    int first[3] = {-1, -1, -1};
    for (int hue = 0; hue < 240; ++hue) {
        for (int lightness = 0; lightness <= 240; ++lightness) {
            for (int saturation = 0; saturation <= 240; ++saturation) {
                uint8_t red, green, blue, h, l, s;
                HlsToRgb(hue, lightness, saturation, &red, &green, &blue);
                RgbToHls(red, green, blue, &h, &l, &s);
                if (std::abs(l - lightness) > 1 && failures++ == 0)
                    first[0] = hue, first[1] = lightness, first[2] = saturation;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << first[0] << "," << first[1] << "," << first[2];
}

TEST(WholeDomain, NameTableIsOrderedWithTwoSharedValues) {
    auto value = [](const NamedColor& c) { return c.red << 16 | c.green << 8 | c.blue; };
    std::string shared;
    for (int i = 1; i < kNamedColorCount; ++i) {
        EXPECT_LE(value(kNamedColors[i - 1]), value(kNamedColors[i])) << kNamedColors[i].name;
        if (value(kNamedColors[i - 1]) == value(kNamedColors[i]))
            shared += std::string(kNamedColors[i - 1].name) + "/" + kNamedColors[i].name + " ";
    }
    EXPECT_EQ(shared, "aqua/cyan fuchsia/magenta ");
}

// Random texts over the characters the readers care about, and a failed read must
// leave all four bytes as they were. Seeded, so a failure repeats.
TEST(WholeDomain, RejectedTextsLeaveTheRecordAlone) {
    static const char kAlphabet[] = "0123456789abcdefABCDEF#(),% \tqyzAQUAcnm";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 16);
    std::uniform_int_distribution<int> pick(0, sizeof kAlphabet - 2);
    const ColorRecord sentinel = {0x5a, 0xa5, 0x3c, 0xc3};
    int (*const readers[])(const char*, ColorRecord*) = {ParseHexNotation, ParseDecimalTriple,
                                                         ParsePercentTriple, LookupColorName};
    int accepted = 0;
    for (int n = 0; n < 5000; ++n) {
        std::string text;
        for (int i = length(random); i > 0; --i) text += kAlphabet[pick(random)];
        // Bias toward the shapes of real notations, so some texts are accepted.
        if (n % 3 == 0) text.insert(0, "#");
        if (n % 3 == 1) text.insert(0, "(");
        for (auto read : readers) {
            ColorRecord record = sentinel;
            const int result = read(text.c_str(), &record);
            accepted += result != 0;
            if (result == 0) {
                EXPECT_EQ(std::memcmp(&record, &sentinel, sizeof record), 0) << text;
            }
            EXPECT_EQ(record.notation, sentinel.notation) << text;
        }
    }
    EXPECT_GT(accepted, 0);  // the texts do reach the success paths
}

}  // namespace
