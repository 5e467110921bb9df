// Reading palette files: GIMP palettes as GIMP and others write them, plain
// text in every notation, and damaged files refused at the right line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "palette_read.h"
#include "palette_test_support.h"

namespace {

using Strings = std::vector<std::string>;

struct ReadCase {
    const char* what;
    std::string bytes;
    Strings entries;
};

// Each file reads as its entries; `ownHeader`: as a GIMP palette.
template <size_t N>
void ExpectReads(const ReadCase (&cases)[N], bool ownHeader) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestPalette palette;
        ReadOrFail(c.bytes, &palette);
        EXPECT_EQ(Entries(palette.palette), c.entries);
        EXPECT_EQ(palette.palette.ownHeader, ownHeader);
    }
}

TEST(ReadPalette, ReadsGimpPalettesAsOtherProgramsWriteThem) {
    const ReadCase cases[] = {
        {"GIMP's own layout",
         "GIMP Palette\nName: Web Safe\nColumns: 6\n#\n  0   0   0\tBlack\n"
         " 51 102 153\tSteel\n255 255 255\tWhite\n",
         {"#000000 Black", "#336699 Steel", "#ffffff White"}},
        {"CR LF line ends",
         "GIMP Palette\r\nName: Brand\r\nColumns: 0\r\n# exported\r\n"
         "255   0   0\tBrand Red\r\n  0 128   0\tBrand Green\r\n",
         {"#ff0000 Brand Red", "#008000 Brand Green"}},
        {"the old layout: no Name: line, spaces, no names, blank and comment lines",
         "GIMP Palette\n\n0 0 0\n# greys\n128 128 128   mid grey  \n\n\t  1\t2 3 a # not a comment\n",
         {"#000000", "#808080 mid grey", "#010203 a # not a comment"}},
        {"a byte order mark, blanks after the magic line, no final line end",
         "\xEF\xBB\xBFGIMP Palette \nName: x\n10 20 30 Last", {"#0a141e Last"}},
        {"no colours at all", "GIMP Palette\nName: Empty\nColumns: 1\n", {}},
        {"leading zeros and the duplicates of the file",
         "GIMP Palette\n000 0255 00 Lime\n0 255 0 Lime again\n0 255 0 Lime\n",
         {"#00ff00 Lime", "#00ff00 Lime again", "#00ff00 Lime"}},
    };
    ExpectReads(cases, true);
}

TEST(ReadPalette, ReadsPlainTextInEveryNotation) {
    const ReadCase cases[] = {
        {"each notation, named as the converter names it",
         "#ff0000\n#0F0\n(0,0,255)\n(100%,0%,100%)\nTomato\n120,120,240\n(1,2,3) mine\n",
         {"#ff0000 red", "#00ff00 lime", "#0000ff blue", "#ff00ff fuchsia", "#ff6347 tomato",
          "#00ffff aqua", "#010203"}},
        {"CR LF, blanks around colours, blank lines, a byte order mark",
         "\xEF\xBB\xBF  #123456 \r\n\r\n\t \r\ncyan\t\r\n", {"#123456", "#00ffff aqua"}},
        {"an empty file", "", {}},
    };
    ExpectReads(cases, false);
}

// What Save writes opens again: the JSON with its names as they were (quotes,
// UTF-8, none), the CSS with its properties' names; both by hand as well.
TEST(ReadPalette, ReadsBackTheJsonAndCssThatSaveWrites) {
    TestPalette saved;
    ReadOrFail("GIMP Palette\n255 0 0\tBrand \"red\"\n0 128 0\tGr\xC3\xBCn\n18 52 86\n"
               "1 2 3\tGr\xC3\xBCn\n",
               &saved);
    const ReadCase cases[] = {
        {"Save's JSON", Formatted(saved.palette, PaletteFormat::kJson),
         {"#ff0000 Brand \"red\"", "#008000 Gr\xC3\xBCn", "#123456", "#010203 Gr\xC3\xBCn"}},
        {"Save's CSS", Formatted(saved.palette, PaletteFormat::kCss),
         {"#ff0000 brand-red", "#008000 gr-n", "#123456", "#010203 gr-n"}},
        {"JSON by hand: keys in any order, escapes, other keys, any colour notation",
         "\xEF\xBB\xBF [ {\"name\": \"\\u00e9t\\u00e9\\ud83c\\udf08\\ttab\", \"rgb\": \"1 2 3\","
         " \"hex\": \"tomato\"},\r\n{\"hex\":\"#000\",\"name\":null,\"n\":-1.5e3}]\n",
         {"#ff6347 \xC3\xA9t\xC3\xA9\xF0\x9F\x8C\x88 tab", "#000000"}},
        {"CSS by hand: comments, blanks, the last ';' left out",
         "/* brand */\n:root{--ink:#0a141e;\n  --clay : rgb(200 100 50) /* warm */ ; --x-1_2:red}",
         {"#0a141e ink", "#c86432 clay", "#ff0000 x-1"}},
    };
    ExpectReads(cases, false);
}

TEST(ReadPalette, RefusesADamagedFileAtItsLineAndKeepsThePalette) {
    const struct {
        std::string bytes;
        size_t line;
        std::string reason;
    } cases[] = {
        {"GIMP Palette\n0 0 0 Black\n256 0 0 Too red\n", 3, "a channel above 255"},
        {"GIMP Palette\n0 0\n", 2, "not a colour"},
        {"GIMP Palette\n-1 0 0\n", 2, "not a colour"},
        {"GIMP Palette\r\n\r\n# c\r\n1 2 3x\r\n", 4, "not a colour"},
        {"GIMP Palette\nName: a\n1 2 3\nColumns: 4\n", 4, "not a colour"},
        {std::string("GIMP Palette\n1 2 3 a\0b\n", 23), 2, "holds a NUL byte"},
        {std::string("GIMP Palette\n# \0\n", 17), 2, "holds a NUL byte"},
        {"GIMP Palettes\n0 0 0\n", 1, "not a colour"},
        {"#ff0000\n\nnot a colour\n", 3, "not a colour"},
        {"#ff0000\n# a comment\n", 2, "not a colour"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 1, "not a colour"},
        {std::string("red\nblue\0\n", 10), 2, "holds a NUL byte"},
        {"[\n{\"hex\": \"#fff\"},\n{\"hex\": \"#ggg\"}]", 3, "not a colour"},
        {"[{\"name\": \"a\"}]", 1, "a colour without \"hex\""},
        {"[{\"hex\": \"#fff\"}\n{\"hex\": \"#000\"}]", 2, "not a palette in JSON"},
        {"[{\"hex\": \"#fff\", \"name\": \"\\ud800\"}]", 1, "not UTF-8"},
        {"[{\"hex\": \"#fff\"}] trailing", 1, "not a palette in JSON"},
        {":root {\n  --a: #fff;\n  b: #000;\n}", 3, "not a palette of CSS custom properties"},
        {":root {\n  --a: nothing;\n}", 2, "not a colour"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        TestPalette palette;
        ReadOrFail("GIMP Palette\n1 2 3 kept\n", &palette);
        PaletteError error = {};
        EXPECT_EQ(ReadPalette(c.bytes.data(), c.bytes.size(), &palette.palette, &error), 0);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.reason, c.reason);
        EXPECT_EQ(Entries(palette.palette), Strings{"#010203 kept"});
    }
    char text[64];
    FormatPaletteError(PaletteError{12, "not a colour"}, text, sizeof text);
    EXPECT_STREQ(text, "line 12: not a colour");
}

}  // namespace
