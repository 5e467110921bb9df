// What the CSS tests share: a row of a text and the 8-bit colour it gives,
// and the reader and resolver called as the tables call them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "css_color.h"

struct Valid {
    const char* text;
    uint32_t rrggbb;
    int alpha;
};

inline CssReadResult Read(const std::string& text, CssReading* reading,
                          ColourScheme scheme = ColourScheme::kLight) {
    return ReadCssColor(text.c_str(), text.size(), reading, scheme);
}

inline Rgba8 Resolve(const CssColor& color, GamutMode mode) {
    Rgba8 result;
    ResolveCssColor(color, mode, &result);
    return result;
}

inline uint32_t Rgb(const Rgba8& c) {
    return uint32_t(c.color.red) << 16 | uint32_t(c.color.green) << 8 | c.color.blue;
}

inline void ExpectColour(const Valid& row) {
    SCOPED_TRACE(row.text);
    CssReading reading;
    ASSERT_EQ(Read(row.text, &reading), CssReadResult::kColour);
    const Rgba8 c = Resolve(reading.color, GamutMode::kMap);
    EXPECT_EQ(Rgb(c), row.rrggbb);
    EXPECT_EQ(c.alpha, row.alpha);
}

inline void ExpectNoColour(const char* text) {
    SCOPED_TRACE(text);
    CssReading reading;
    EXPECT_EQ(Read(text, &reading), CssReadResult::kNotAColour);
}
