// HSV in whole numbers, worked by hand: #123456 has value 86 / 255 = 33.7 %,
// saturation 68 / 86 = 79.1 % and hue 60 * (4 - 34 / 68) = 210.
#include <gtest/gtest.h>

#include <string>

#include "hsv.h"
#include "notation_format.h"

namespace {

TEST(RgbToHsv, RoundsEachToWholeNumbers) {
    const struct {
        int rrggbb;
        const char* text;
    } cases[] = {
        {0x123456, "hsv(210, 79%, 34%)"},
        {0xff0000, "hsv(0, 100%, 100%)"},
        {0xff0001, "hsv(0, 100%, 100%)"},    // 359.76 rounds to 360, which is 0
        {0xff0080, "hsv(330, 100%, 100%)"},  // 329.88
        {0x000000, "hsv(0, 0%, 0%)"},
        {0x808080, "hsv(0, 0%, 50%)"},       // a grey has hue 0
        {0x7fff00, "hsv(90, 100%, 100%)"},   // 60 * (2 - 128 / 255) = 89.88
        {0x336699, "hsv(210, 67%, 60%)"},
    };
    for (const auto& c : cases) {
        const ColorRecord color = {static_cast<uint8_t>(c.rrggbb), static_cast<uint8_t>(c.rrggbb >> 8),
                                   static_cast<uint8_t>(c.rrggbb >> 16), 0};
        char text[kColorTextCapacity];
        FormatHsv(RgbToHsv(color), text);
        EXPECT_EQ(std::string(text), c.text);
    }
}

}  // namespace
