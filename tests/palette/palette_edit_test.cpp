// Edits change only the lines they touch: the rest of a file another program
// wrote comes back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "palette_test_support.h"

namespace {

using Strings = std::vector<std::string>;

// A palette as GIMP writes one, with a hand-made comment between the colours.
const std::string kGimpFile =
    "GIMP Palette\r\n"
    "Name: Mock-up\r\n"
    "Columns: 4\r\n"
    "#\r\n"
    "255 255 255\tPaper\r\n"
    "# text colours\r\n"
    " 51  51  51\tInk\r\n"
    "  0 128 128   Link \r\n";

const ColorRecord kAqua = {255, 255, 0, 0};
const ColorRecord kInk = {51, 51, 51, 0};

std::string Without(std::string text, const std::string& line) {
    return text.erase(text.find(line), line.size());
}

std::string Before(std::string text, const std::string& where, const std::string& line) {
    return text.insert(text.find(where), line);
}

TEST(AddPaletteColour, PutsANewColourFirstInTheFilesOwnLayout) {
    TestPalette palette;
    ReadOrFail(kGimpFile, &palette);
    EXPECT_EQ(AddPaletteColour(&palette.palette, kAqua), PaletteChange::kAdded);
    const ColorRecord unnamed = {3, 2, 1, 0};
    EXPECT_EQ(AddPaletteColour(&palette.palette, unnamed), PaletteChange::kAdded);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp),
              Before(kGimpFile, "255 255 255", "  1   2   3\r\n  0 255 255\taqua\r\n"));
    EXPECT_EQ(Entries(palette.palette),
              (Strings{"#010203", "#00ffff aqua", "#ffffff Paper", "#333333 Ink", "#008080 Link"}));
}

// A colour the palette has stays where it stands, and nothing changes: the
// order of the user's file is the user's.
TEST(AddPaletteColour, LeavesAColourAlreadyThereWhereItStands) {
    TestPalette palette;
    ReadOrFail(kGimpFile + " 51  51  51 Ink again", &palette);
    const std::string before = Formatted(palette.palette, PaletteFormat::kGimp);
    EXPECT_EQ(AddPaletteColour(&palette.palette, kInk), PaletteChange::kPresent);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp), before);

    TestPalette empty;
    ReadOrFail("GIMP Palette\nName: x", &empty);
    EXPECT_EQ(AddPaletteColour(&empty.palette, kAqua), PaletteChange::kAdded);
    EXPECT_EQ(Formatted(empty.palette, PaletteFormat::kGimp),
              "GIMP Palette\nName: x\n  0 255 255\taqua\n");
}

TEST(RemovePaletteEntries, RemovesOnlyTheirLines) {
    TestPalette palette;
    ReadOrFail(kGimpFile, &palette);
    const size_t entries[] = {2, 0, 2, 7};
    EXPECT_EQ(RemovePaletteEntries(&palette.palette, entries, 4), 2u);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp),
              Without(Without(kGimpFile, "255 255 255\tPaper\r\n"), "  0 128 128   Link \r\n"));
    EXPECT_EQ(Entries(palette.palette), Strings{"#333333 Ink"});
    const size_t past[] = {1};
    EXPECT_EQ(RemovePaletteEntries(&palette.palette, past, 1), 0u);
    // The palette stays editable: the removed lines leave no trace.
    EXPECT_EQ(AddPaletteColour(&palette.palette, kAqua), PaletteChange::kAdded);
    EXPECT_EQ(Entries(palette.palette), (Strings{"#00ffff aqua", "#333333 Ink"}));
}

TEST(FormatPalette, WritesANewPaletteAsACleanGimpPalette) {
    TestPalette palette;
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp, "brand"), "GIMP Palette\nName: brand\n");
    EXPECT_EQ(AddPaletteColour(&palette.palette, kInk), PaletteChange::kAdded);
    EXPECT_EQ(AddPaletteColour(&palette.palette, kAqua), PaletteChange::kAdded);
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp, "brand"),
              "GIMP Palette\nName: brand\n  0 255 255\taqua\n 51  51  51\n");
    // Without a title GIMP names the palette after its file; it would read a
    // title in the system's code page as broken UTF-8.
    EXPECT_EQ(Formatted(palette.palette, PaletteFormat::kGimp, "Gr\xFCn"),
              "GIMP Palette\n  0 255 255\taqua\n 51  51  51\n");
    TestPalette text;
    ReadOrFail("tomato\r\n#000\r\n", &text);
    EXPECT_EQ(Formatted(text.palette, PaletteFormat::kGimp),
              "GIMP Palette\n255  99  71\ttomato\n  0   0   0\tblack\n");
    // What it writes reads back as the same palette.
    TestPalette again;
    ReadOrFail(Formatted(palette.palette, PaletteFormat::kGimp, "brand"), &again);
    EXPECT_EQ(Entries(again.palette), Entries(palette.palette));
}

TEST(FormatPaletteEntry, CutsTheNameToFit) {
    TestPalette palette;
    ReadOrFail("GIMP Palette\n0 0 0 A long name\n", &palette);
    char text[12];
    EXPECT_EQ(FormatPaletteEntry(palette.palette, 0, text, sizeof text), 11u);
    EXPECT_STREQ(text, "#000000 A l");
    EXPECT_EQ(FormatPaletteEntry(palette.palette, 0, text, 8), 7u);
    EXPECT_STREQ(text, "#000000");
}

}  // namespace
