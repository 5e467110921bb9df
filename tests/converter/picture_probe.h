// A converter opened on a colour for each picture test, with what those tests
// need: the picture rectangles, synchronous repaints, pixels read back from the
// dialog, and mouse messages as the platform sends them.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "color_record.h"

class PictureTest : public testing::Test {
protected:
    void TearDown() override;
    // Opens the converter on red, green, blue and waits until it has painted.
    void Open(int red, int green, int blue);
    // The same, in front, with real keys going through its dialog manager.
    void OpenForKeys(int red, int green, int blue);

    // Client rectangles of the pictures, in the dialog's client coordinates.
    RECT Picker() const { return ControlRect(1111); }
    RECT Bar() const { return ControlRect(1112); }
    RECT Swatch() const { return ControlRect(1107); }
    RECT ControlRect(int id) const;

    // Paints what the dialog itself has invalid now, as the message loop would;
    // its controls (the edits) are left for later: painting text is slow under Wine.
    void PaintPending() const;
    // Invalidates the dialog's whole client area (not its controls) and paints it.
    void RepaintAll() const;
    COLORREF Pixel(int x, int y) const;

    void Press(int x, int y) const { Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void Move(int x, int y) const { Mouse(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void Release(int x, int y) const { Mouse(WM_LBUTTONUP, 0, x, y); }
    void Mouse(UINT message, WPARAM keys, int x, int y) const;

    std::string Field(int id) const;
    // The colour the dialog holds, as red,green,blue.
    std::string Rgb() const;

    ColorRecord color = {};
    HWND dialog = nullptr;
};

// red,green,blue of a pixel, or of an HLS triple by the platform's own
// conversion (shlwapi), which the program's arithmetic must match.
std::string RgbOf(COLORREF pixel);
std::string HlsRgb(int hue, int lightness, int saturation);
// The whole screen, which is what GetClipCursor reports when the cursor is free.
RECT ScreenRect();
RECT ClipRect();
std::string RectText(const RECT& rect);
