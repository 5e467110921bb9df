// CIEDE2000 against its published test pairs, and the nearest name of
// colours whose distances were worked out apart from the program
// (nearest_reference.py).
#include <gtest/gtest.h>

#include <cstring>

#include "colour_difference.h"
#include "nearest_name.h"

namespace {

TEST(DeltaE2000, GivesThePublishedTestPairsToFourDecimals) {
    // Sharma, Wu and Dalal (2005), table 1: L, a, b of each colour, ΔE00.
    const double pairs[][7] = {
        {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, 2.0425},
        {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, 2.8615},
        {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, 3.4412},
        {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, 1.0000},
        {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, 2.3669},
        {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, 2.3669},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, 7.1792},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, 7.2195},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, 7.2195},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, 4.8045},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, 4.7461},
        {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, 4.3065},
        {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, 27.1492},
        {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, 22.8977},
        {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, 31.9030},
        {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, 19.4535},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, 1.0000},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, 1.0000},
        {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, 1.2644},
        {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, 1.2630},
        {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, 1.8731},
        {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, 1.8645},
        {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, 2.0373},
        {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, 1.4146},
        {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, 1.4441},
        {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, 1.5381},
        {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, 0.6377},
        {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, 0.9082},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(testing::Message() << p[0] << ' ' << p[1] << ' ' << p[2]);
        // Either way round: the formula is symmetric.
        EXPECT_NEAR(DeltaE2000(p, p + 3), p[6], 0.00005);
        EXPECT_NEAR(DeltaE2000(p + 3, p), p[6], 0.00005);
    }
}

TEST(FindNearestName, NamesTheNearestWithItsDistance) {
    const struct {
        int rrggbb;
        const char* name;
        double deltaE;
    } cases[] = {
        {0x4682b5, "steelblue", 0.2149},      {0x123456, "midnightblue", 10.4017},
        {0x00ffff, "aqua", 0},                {0x663399, "rebeccapurple", 0},
        {0x663398, "rebeccapurple", 0.1925},  {0x808081, "gray", 0.5806},
        {0xfe0000, "red", 0.2078},            {0xff7f00, "darkorange", 3.9386},
        {0x0a0a0a, "black", 1.5882},          {0xf0f0f0, "whitesmoke", 1.0354},
        {0x336699, "royalblue", 8.2307},      {0x996633, "sienna", 9.2697},
        {0x2e8b58, "seagreen", 0.2532},       {0xc0ffee, "paleturquoise", 7.0634},
        {0xbada55, "yellowgreen", 5.3119},    {0xdecade, "thistle", 3.2451},
        {0xfacade, "pink", 5.3623},           {0x010203, "black", 0.6067},
        {0x7b3f00, "saddlebrown", 4.7086},    {0xff69b3, "hotpink", 0.2205},
        {0x00008a, "darkblue", 0.1343},       {0xfffffe, "white", 0.5113},
        {0x556b2e, "darkolivegreen", 0.2165}, {0x20b2ab, "lightseagreen", 0.3533},
        {0xba55d4, "mediumorchid", 0.1784},   {0x40e0d1, "turquoise", 0.3165},
        {0x800001, "maroon", 0.2008},         {0x000001, "black", 0.4074},
        {0xe6e6fb, "lavender", 0.3559},       {0xd2691f, "chocolate", 0.1459},
        {0x654321, "saddlebrown", 10.0688},   {0xabcdef, "lightsteelblue", 4.3767},
        {0xfedcba, "peachpuff", 1.1782},      {0x3c3c3c, "darkslategray", 13.9084},
        {0xff1490, "deeppink", 0.6228},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.rrggbb);
        const ColorRecord color = {static_cast<uint8_t>(c.rrggbb), static_cast<uint8_t>(c.rrggbb >> 8),
                                   static_cast<uint8_t>(c.rrggbb >> 16), 0};
        NearestName nearest;
        FindNearestName(color, &nearest);
        EXPECT_STREQ(nearest.name, c.name);
        EXPECT_NEAR(nearest.deltaE2000, c.deltaE, 0.00005);
    }
}

}  // namespace
