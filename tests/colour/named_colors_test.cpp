// The colour-name table: which names are accepted, which name a colour shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "named_colors.h"

namespace {

ColorRecord Rgb(int red, int green, int blue) {
    return {static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red), 0};
}

// A recognisable record, so a write to any byte shows.
constexpr ColorRecord kSentinel = {0x11, 0x22, 0x33, 0x44};

TEST(LookupColorName, MatchesWholeNamesIgnoringCase) {
    const struct {
        const char* text;
        int red, green, blue;
    } accepted[] = {
        {"CornflowerBlue", 100, 149, 237},
        {"aqua", 0, 255, 255},
        {"AQUA", 0, 255, 255},
        {"cyan", 0, 255, 255},
        {"magenta", 255, 0, 255},
        {"black", 0, 0, 0},
        {"WHITE", 255, 255, 255},
        {"lightgrey", 211, 211, 211},
        {"gray", 128, 128, 128},
        {"darkgray", 169, 169, 169},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.text);
        ColorRecord record = kSentinel;
        EXPECT_EQ(LookupColorName(c.text, &record), 1);
        EXPECT_EQ(record.red, c.red);
        EXPECT_EQ(record.green, c.green);
        EXPECT_EQ(record.blue, c.blue);
        EXPECT_EQ(record.notation, kSentinel.notation);
    }

    const char* const rejected[] = {
        "lightgray", "grey", "darkgrey", "",           "aqua ",
        " aqua",     "aqu",  "aquaa",    "light grey", "#00ffff",
        "\xc1qua",  // only ASCII letters fold
    };
    for (const char* text : rejected) {
        SCOPED_TRACE(text);
        ColorRecord record = kSentinel;
        EXPECT_EQ(LookupColorName(text, &record), 0);
        EXPECT_EQ(std::memcmp(&record, &kSentinel, sizeof record), 0);
    }
}

TEST(FindColorName, ShowsTheFirstNameOfAColour) {
    const struct {
        int red, green, blue;
        const char* name;
    } cases[] = {
        {0, 0, 0, "black"},
        {255, 255, 255, "white"},
        {0, 255, 255, "aqua"},
        {255, 0, 255, "fuchsia"},
        {211, 211, 211, "lightgrey"},
        {100, 149, 237, "cornflowerblue"},
        {1, 2, 3, ""},
        {0, 0, 1, ""},
        {254, 255, 255, ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(FindColorName(Rgb(c.red, c.green, c.blue)), c.name);
}

TEST(NamedColors, EveryNameIsLowerCaseUniqueAndFindsItself) {
    int greySpellings = 0;
    for (const NamedColor& entry : kNamedColors) {
        SCOPED_TRACE(entry.name);
        std::string upper = entry.name;
        for (char& c : upper) {
            EXPECT_TRUE(c >= 'a' && c <= 'z');
            c = static_cast<char>(c - 'a' + 'A');
        }
        // An earlier entry of the same name would give its own colour here.
        ColorRecord record = {};
        ASSERT_EQ(LookupColorName(upper.c_str(), &record), 1);
        EXPECT_EQ(record.red, entry.red);
        EXPECT_EQ(record.green, entry.green);
        EXPECT_EQ(record.blue, entry.blue);
        if (std::strstr(entry.name, "grey") != nullptr) ++greySpellings;
    }
    EXPECT_EQ(greySpellings, 1);
}

}  // namespace
