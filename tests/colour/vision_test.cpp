// The colour-vision simulations, against the paper's matrices worked by hand
// on linear light (red under protanopia: 0.152286 and 0.114503 of red's
// light, encoded, are 108.79 and 95.03 of 255).
#include <gtest/gtest.h>

#include "vision.h"

namespace {

ColorRecord Rgb(int rrggbb) {
    return {static_cast<uint8_t>(rrggbb), static_cast<uint8_t>(rrggbb >> 8),
            static_cast<uint8_t>(rrggbb >> 16), 2};
}

TEST(SimulateVision, AppliesTheMatricesToLinearLight) {
    const struct {
        int colour;
        int protanopia, deuteranopia, tritanopia, achromatopsia;
    } cases[] = {
        {0xff0000, 0x6d5f00, 0xa39000, 0xff000f, 0x7f7f7f},
        {0x00ff00, 0xffe500, 0xefd63a, 0x00f7d9, 0xdcdcdc},
        {0x0000ff, 0x0059ff, 0x003dfb, 0x006b96, 0x4c4c4c},
        {0xffa500, 0xc3ac00, 0xd9c10e, 0xff8e8d, 0xb8b8b8},
        {0x4682b4, 0x6c83b6, 0x5d78b3, 0x008e93, 0x7d7d7d},
        {0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
        {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff},
    };
    for (const auto& c : cases) {
        const int expected[kVisionCount] = {c.protanopia, c.deuteranopia, c.tritanopia,
                                            c.achromatopsia};
        for (int v = 0; v < kVisionCount; ++v) {
            SCOPED_TRACE(testing::Message() << std::hex << c.colour << ' ' << VisionName(Vision(v)));
            const ColorRecord seen = SimulateVision(Vision(v), Rgb(c.colour));
            EXPECT_EQ(seen.red << 16 | seen.green << 8 | seen.blue, expected[v]);
            EXPECT_EQ(seen.notation, 2);
        }
    }
}

TEST(LookupVision, ReadsEachNameAndNothingElse) {
    for (int v = 0; v < kVisionCount; ++v) {
        Vision read = Vision::kAchromatopsia;
        EXPECT_EQ(LookupVision(VisionName(Vision(v)), &read), 1);
        EXPECT_EQ(read, Vision(v));
    }
    Vision read;
    EXPECT_EQ(LookupVision("Protanopia", &read), 0);
    EXPECT_EQ(LookupVision("protan", &read), 0);
}

}  // namespace
