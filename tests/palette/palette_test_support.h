// Helpers of the palette tests: a palette read from a text, and what it holds.
#pragma once

#include <string>
#include <vector>

#include "palette.h"
#include "palette_format.h"

// A palette that frees itself at the end of a test.
struct TestPalette {
    Palette palette = {};
    TestPalette() = default;
    TestPalette(const TestPalette&) = delete;
    TestPalette& operator=(const TestPalette&) = delete;
    ~TestPalette() { FreePalette(&palette); }
};

// Reads `bytes` into *palette, failing the test when it is refused.
void ReadOrFail(const std::string& bytes, TestPalette* palette);

// Each entry as FormatPaletteEntry gives it: "#rrggbb name".
std::vector<std::string> Entries(const Palette& palette);

// The palette's file in a format.
std::string Formatted(const Palette& palette, PaletteFormat format, const char* title = "");
