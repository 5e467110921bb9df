// HLS on the 0-240 scale: the exact values the converter shows, in both directions.
#include <gtest/gtest.h>

#include "hls.h"

namespace {

struct Rgb {
    int red, green, blue;
};
struct Hls {
    int hue, lightness, saturation;
};

Hls ToHls(Rgb c) {
    uint8_t h, l, s;
    RgbToHls(c.red, c.green, c.blue, &h, &l, &s);
    return {h, l, s};
}

Rgb ToRgb(Hls c, int* result = nullptr) {
    uint8_t r, g, b;
    const int returned = HlsToRgb(c.hue, c.lightness, c.saturation, &r, &g, &b);
    if (result != nullptr) *result = returned;
    return {r, g, b};
}

void ExpectRgb(Rgb actual, Rgb expected) {
    EXPECT_EQ(actual.red, expected.red);
    EXPECT_EQ(actual.green, expected.green);
    EXPECT_EQ(actual.blue, expected.blue);
}

TEST(RgbToHls, GivesTheConverterValues) {
    const struct {
        Rgb rgb;
        Hls hls;
    } cases[] = {
        {{0, 255, 255}, {120, 120, 240}},   {{255, 0, 0}, {0, 120, 240}},
        {{0, 255, 0}, {80, 120, 240}},      {{0, 0, 255}, {160, 120, 240}},
        {{255, 255, 0}, {40, 120, 240}},    {{255, 0, 255}, {200, 120, 240}},  // -40 wraps round
        {{246, 5, 249}, {200, 120, 231}},   {{255, 136, 0}, {21, 120, 240}},
        {{0, 0, 0}, {160, 0, 0}},           {{255, 255, 255}, {160, 240, 0}},
        {{128, 128, 128}, {160, 120, 0}},   {{1, 1, 1}, {160, 1, 0}},
        {{254, 255, 255}, {120, 240, 240}}, {{0, 0, 1}, {160, 0, 240}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rgb.red << "," << c.rgb.green << "," << c.rgb.blue);
        const Hls hls = ToHls(c.rgb);
        EXPECT_EQ(hls.hue, c.hls.hue);
        EXPECT_EQ(hls.lightness, c.hls.lightness);
        EXPECT_EQ(hls.saturation, c.hls.saturation);
    }
}

TEST(HlsToRgb, GivesTheConverterValues) {
    const struct {
        Hls hls;
        Rgb rgb;
        int result;
    } cases[] = {
        {{120, 120, 240}, {0, 255, 255}, 1},
        {{0, 120, 240}, {255, 0, 0}, 1},
        {{200, 120, 231}, {251, 4, 251}, 1},
        {{120, 60, 240}, {0, 128, 128}, 1},  // chromatic 120 rounds up to 128 ...
        {{0, 120, 0}, {127, 127, 127}, 0},   // ... while a grey truncates to 127
        {{160, 120, 0}, {127, 127, 127}, 1},
        {{160, 240, 0}, {255, 255, 255}, 1},
        {{37, 240, 123}, {255, 255, 255}, 1},
        {{239, 240, 240}, {255, 255, 255}, 1},
        {{37, 0, 123}, {0, 0, 0}, 1},
        {{239, 0, 240}, {0, 0, 0}, 1},
        {{20, 120, 240}, {255, 128, 0}, 1},
        {{5, 60, 100}, {90, 44, 37}, 1},  // on the rising edge of a hue
        {{6, 60, 100}, {90, 46, 37}, 1},
        {{42, 150, 100}, {194, 199, 120}, 1},  // on the falling edge
        {{59, 150, 100}, {162, 199, 120}, 1},
        {{20, 150, 180}, {231, 159, 88}, 1},  // lighter than half
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hls.hue << "," << c.hls.lightness << "," << c.hls.saturation);
        int result = -1;
        ExpectRgb(ToRgb(c.hls, &result), c.rgb);
        EXPECT_EQ(result, c.result);
    }
}

TEST(HlsToRgb, RoundTripIsNotExact) {
    const Hls hls = ToHls({246, 5, 249});
    ExpectRgb(ToRgb(hls), {251, 4, 251});
}

// Values the callers do not produce but a drag outside a control could.
TEST(HlsToRgb, TreatsLightnessAndSaturationAbove240As240) {
    ExpectRgb(ToRgb({0, 255, 255}), {255, 255, 255});
    ExpectRgb(ToRgb({90, 241, 0}), {255, 255, 255});
    for (int hue = 0; hue < 240; hue += 7) {
        for (int level = 0; level <= 240; level += 24) {
            SCOPED_TRACE(testing::Message() << hue << "," << level);
            ExpectRgb(ToRgb({hue, level, 255}), ToRgb({hue, level, 240}));
            ExpectRgb(ToRgb({hue, 250, level}), {255, 255, 255});
        }
    }
}

TEST(HlsToRgb, HuesFrom240WrapAround) {
    for (int hue = 240; hue < 256; ++hue) {
        SCOPED_TRACE(hue);
        ExpectRgb(ToRgb({hue, 100, 200}), ToRgb({hue - 240, 100, 200}));
        ExpectRgb(ToRgb({hue, 180, 60}), ToRgb({hue - 240, 180, 60}));
    }
}

TEST(HueToChannel, InterpolatesAndWraps) {
    const int cases[][2] = {// h, channel between m1 = 0 and m2 = 240
                            {0, 0},     {20, 120},  {39, 234},   {40, 240},  {119, 240},
                            {120, 240}, {140, 120}, {159, 6},    {160, 0},   {239, 0},
                            {240, 0},   {-80, 0},   {-220, 120}, {260, 120}, {335, 240}};
    for (const auto& c : cases) EXPECT_EQ(HueToChannel(0, 240, c[0]), c[1]) << "h " << c[0];
    EXPECT_EQ(HueToChannel(60, 180, 20), 120);
}

}  // namespace
