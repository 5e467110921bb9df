// A converter dialog opened on a colour for each test, destroyed after it.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "color_record.h"

class ConverterTest : public testing::Test {
protected:
    void SetUp() override { Open({0, 0, 0, 0}); }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
    }
    // Reopens the converter on `start` (blue, green, red, notation).
    void Open(ColorRecord start);
    bool InvertEnabled() const;
    // The colour's channels as red, green, blue, for readable failures.
    std::string Rgb() const;

    ColorRecord color = {};
    HWND dialog = nullptr;
};

std::string RgbText(int red, int green, int blue);
