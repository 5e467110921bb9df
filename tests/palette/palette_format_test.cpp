// The palette saved as CSS, JSON and plain text, and the format a file name asks for.
#include <gtest/gtest.h>

#include <string>

#include "palette_test_support.h"

namespace {

// Names that need care: blanks and case, two that become the same, none, one
// of nothing but punctuation, non-ASCII, quotes and a tab, one that is
// another's generated name, bytes of no UTF-8.
const std::string kAwkwardNames =
    "GIMP Palette\n"
    "0 0 139\tDark Blue\n"
    "0 0 138\tdark-blue\n"
    "1 2 3\n"
    "4 5 6\t!!!\n"
    "7 8 9\tGr\xC3\xBCn \"quoted\"\ttab\\\n"
    "10 11 12\tcolor-010203\n"
    "13 14 15\t\xFF\xC3(\n"
    "1 2 3\n";

TEST(FormatPalette, WritesCssCustomPropertiesWithSafeUniqueNames) {
    TestPalette palette;
    ReadOrFail(kAwkwardNames, &palette);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kCss),
              ":root {\n"
              "  --dark-blue: #00008b;\n"
              "  --dark-blue_2: #00008a;\n"
              "  --color-010203: #010203;\n"
              "  --color-040506: #040506;\n"
              "  --gr-n-quoted-tab: #070809;\n"
              "  --color-010203_2: #0a0b0c;\n"
              "  --color-0d0e0f: #0d0e0f;\n"
              "  --color-010203_3: #010203;\n"
              "}\n");
}

TEST(FormatPalette, WritesJsonThatIsAlwaysValid) {
    TestPalette palette;
    ReadOrFail(kAwkwardNames, &palette);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kJson),
              "[\n"
              "  {\"hex\": \"#00008b\", \"name\": \"Dark Blue\"},\n"
              "  {\"hex\": \"#00008a\", \"name\": \"dark-blue\"},\n"
              "  {\"hex\": \"#010203\", \"name\": null},\n"
              "  {\"hex\": \"#040506\", \"name\": \"!!!\"},\n"
              "  {\"hex\": \"#070809\", \"name\": \"Gr\xC3\xBCn \\\"quoted\\\"\\u0009tab\\\\\"},\n"
              "  {\"hex\": \"#0a0b0c\", \"name\": \"color-010203\"},\n"
              "  {\"hex\": \"#0d0e0f\", \"name\": \"\xef\xbf\xbd\xef\xbf\xbd(\"},\n"
              "  {\"hex\": \"#010203\", \"name\": null}\n"
              "]\n");
    TestPalette empty;
    EXPECT_EQ(Formatted(empty.palette, PaletteFormat::kJson), "[]\n");
    EXPECT_EQ(Formatted(empty.palette, PaletteFormat::kCss), ":root {\n}\n");
}

TEST(FormatPalette, WritesPlainTextAsHexLines) {
    TestPalette palette;
    ReadOrFail("GIMP Palette\r\n255 0 0 Red\r\n0 0 0\r\n", &palette);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kText), "#ff0000\n#000000\n");
}

TEST(PaletteFormatOfFileName, GoesByTheExtension) {
    const struct {
        const char* name;
        int known;
        PaletteFormat format;
    } cases[] = {
        {"C:\\Work\\brand.gpl", 1, PaletteFormat::kGimp}, {"palorin.GPL", 1, PaletteFormat::kGimp},
        {"site.css", 1, PaletteFormat::kCss},            {"a.b.Json", 1, PaletteFormat::kJson},
        {"list.txt", 1, PaletteFormat::kText},           {"brand.gpl.bak", 0, PaletteFormat::kGimp},
        {"C:\\x.gpl\\brand", 0, PaletteFormat::kGimp},    {"gpl", 0, PaletteFormat::kGimp},
        {"brand.", 0, PaletteFormat::kGimp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PaletteFormat format = PaletteFormat::kGimp;
        EXPECT_EQ(PaletteFormatOfFileName(c.name, &format), c.known);
        if (c.known) {
            EXPECT_EQ(format, c.format);
        }
    }
    char title[8];
    PaletteTitleOfFileName("C:\\Work\\my.brand.gpl", title, sizeof title);
    EXPECT_STREQ(title, "my.bran");
    PaletteTitleOfFileName("/home/a/.gpl", title, sizeof title);
    EXPECT_STREQ(title, ".gpl");
}

}  // namespace
