// Where a text stops being a CSS colour, and what was expected there: the
// reason the converter's CSS field shows. Each text is one the reader refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "css_color.h"
#include "css_stop.h"

namespace {

TEST(CssStop, SaysWhereTheTextStopsAndWhatWasExpected) {
    const struct {
        const char* text;
        const char* reason;  // "" when only the full reader can tell
    } rows[] = {
        {"rgb(255,136,0", "expected ',' or ')' after 'rgb(255,136,0'"},
        {"rgb(255 136 0", "expected '/' or ')' after 'rgb(255 136 0'"},
        {"rgb(255 136)", "expected a number, % or 'none' after 'rgb(255 136'"},
        {"rgb(255, 136 0)", "expected ',' after 'rgb(255, 136'"},
        {"rgb(255, 50%, 0)", "expected a number after 'rgb(255,'"},
        {"rgb(none, 1, 2)", "expected a number, % or 'none' after 'rgb(none'"},
        {"hsl(10, 50, 50%)", "expected a percentage after 'hsl(10,'"},
        {"hsla(210deg, 650%, .%, .5)", "expected a percentage after '...deg, 650%,'"},
        {"hsl(10px 50% 50%)", "expected a number, angle or 'none' after 'hsl('"},
        {"hwb(10, 5%, 5%)", "expected a number, % or 'none' after 'hwb(10'"},
        {"rgba(1, 2, 3, none)", "expected a number or % after 'rgba(1, 2, 3,'"},
        {"lab(50 20 30 / 1 2)", "expected ')' after '... 20 30 / 1'"},
        {"color(srgbx 1 0 0)", "expected a colour space after 'color('"},
        {"oklch(0.5 0.1 30) x", "expected the end after '....5 0.1 30)'"},
        {"oklch(0.62 0.19 259.81 / 0.5 x", "expected ')' after '...9.81 / 0.5'"},
        {"#ff880", "expected a hex digit after '#ff880'"},
        {"#ff8800zz", "expected a hex digit or the end after '#ff8800'"},
        {"#ff88001122", "expected the end after '#ff880011'"},
        {"rgb(1 2 3e", "expected a number, % or 'none' after 'rgb(1 2'"},
        {"#", "expected a hex digit after '#'"},
        {"redd", "expected a colour at the start"},
        {"rbg(1 2 3)", "expected a colour at the start"},
        {"", "expected a colour at the start"},
        {"/**/red", "expected a colour at the start"},
        {"color-mix(in srgb, red, blue", "expected ')' after '... red, blue'"},
        {"rgb(calc(1 + 2) 3 4", "expected ')' after '...1 + 2) 3 4'"},
        {"light-dark(red, blue))", "expected the end after '...red, blue)'"},
        {"rgb(calc(1deg) 2 3)", ""},  // a type only the full reader checks
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CssReading reading;
        ASSERT_EQ(ReadCssColor(row.text, std::strlen(row.text), &reading),
                  CssReadResult::kNotAColour);
        char reason[96] = "";
        EXPECT_EQ(DescribeCssStop(row.text, std::strlen(row.text), reason, sizeof reason),
                  *row.reason != 0);
        EXPECT_EQ(std::string(reason), row.reason);
    }
}

// A thousand brackets deep: followed without recursion.
TEST(CssStop, ADeepTextIsFollowedWithoutRecursion) {
    std::string deep = "rgb(";
    for (int i = 0; i < 1000; ++i) deep += "calc(";
    deep += "1";
    char reason[96];
    ASSERT_TRUE(DescribeCssStop(deep.c_str(), deep.size(), reason, sizeof reason));
    EXPECT_STREQ(reason, "expected ')' after '...alc(calc(1'");
}

}  // namespace
