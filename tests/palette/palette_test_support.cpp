// Helpers of the palette tests.
#include "palette_test_support.h"

#include <gtest/gtest.h>

#include "palette_read.h"

void ReadOrFail(const std::string& bytes, TestPalette* palette) {
    PaletteError error = {};
    ASSERT_EQ(ReadPalette(bytes.data(), bytes.size(), &palette->palette, &error), 1)
        << "line " << error.line << ": " << error.reason;
}

std::vector<std::string> Entries(const Palette& palette) {
    std::vector<std::string> entries;
    for (size_t i = 0; i < PaletteSize(palette); ++i) {
        char text[256];
        FormatPaletteEntry(palette, i, text, sizeof text);
        entries.push_back(text);
    }
    return entries;
}

std::string Formatted(const Palette& palette, PaletteFormat format, const char* title) {
    ByteBuffer out = {};
    EXPECT_EQ(FormatPalette(palette, format, title, &out), 1);
    std::string text(out.data ? out.data : "", out.size);
    FreeByteBuffer(&out);
    return text;
}
