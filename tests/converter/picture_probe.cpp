// The picture test fixture and its pixel and mouse helpers.
#include "picture_probe.h"

#include <shlwapi.h>

#include "coordinates.h"
#include "dialog_driver.h"
#include "real_input.h"

void PictureTest::TearDown() {
    SetInputDialog(nullptr);
    // A failed drag test must not leave the pointer confined for the next one.
    ClipCursor(nullptr);
    ReleaseCapture();
    if (dialog) DestroyWindow(dialog);
    dialog = nullptr;
}

void PictureTest::Open(int red, int green, int blue) {
    if (dialog) DestroyWindow(dialog);
    color = {static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red), 0};
    dialog = OpenConverter(&color);
    ASSERT_NE(dialog, nullptr) << "CreateDialogParam failed: " << GetLastError();
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages();
    UpdateWindow(dialog);
}

void PictureTest::OpenForKeys(int red, int green, int blue) {
    Open(red, green, blue);
    SetForegroundWindow(dialog);
    SetInputDialog(dialog);
    DeliverInput();
}

RECT PictureTest::ControlRect(int id) const {
    RECT rect = {};
    EXPECT_TRUE(GetControlRectInDialog(dialog, id, &rect)) << "control " << id;
    return rect;
}

void PictureTest::PaintPending() const {
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
}

void PictureTest::RepaintAll() const {
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

COLORREF PictureTest::Pixel(int x, int y) const {
    HDC dc = GetDC(dialog);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(dialog, dc);
    return pixel;
}

void PictureTest::Mouse(UINT message, WPARAM keys, int x, int y) const {
    SendMessageA(dialog, message, keys, MAKELPARAM(x, y));
}

std::string PictureTest::Field(int id) const { return FieldText(dialog, id); }

std::string PictureTest::Rgb() const {
    return std::to_string(color.red) + "," + std::to_string(color.green) + "," +
           std::to_string(color.blue);
}

std::string RgbOf(COLORREF pixel) {
    return std::to_string(GetRValue(pixel)) + "," + std::to_string(GetGValue(pixel)) + "," +
           std::to_string(GetBValue(pixel));
}

std::string HlsRgb(int hue, int lightness, int saturation) {
    return RgbOf(ColorHLSToRGB(hue, lightness, saturation));
}

RECT ScreenRect() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT ClipRect() {
    RECT rect = {};
    GetClipCursor(&rect);
    return rect;
}

std::string RectText(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}
