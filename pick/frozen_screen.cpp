// The frozen picture of the screen (see frozen_screen.h). A DIB section, so that
// a pixel is read from memory, not asked of the window server.
#include "frozen_screen.h"

bool FreezeScreen(const RECT& area, FrozenScreen* picture) {
    *picture = {};
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the screen's top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = bitmap ? CreateCompatibleDC(screen) : nullptr;
    bool copied = false;
    if (memory) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        // CAPTUREBLT takes layered windows (tooltips, fading menus) as they are seen.
        copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top,
                        SRCCOPY | CAPTUREBLT) != FALSE;
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    if (!copied) {
        if (bitmap) DeleteObject(bitmap);
        return false;
    }
    GdiFlush();  // the bits are complete before anyone reads them
    *picture = {bitmap, static_cast<const DWORD*>(bits), area};
    return true;
}

void ThawScreen(FrozenScreen* picture) {
    if (picture->bitmap) DeleteObject(picture->bitmap);
    *picture = {};
}

COLORREF FrozenPixel(const FrozenScreen& picture, POINT point) {
    if (!picture.bits || !PtInRect(&picture.area, point)) return CLR_INVALID;
    const size_t width = static_cast<size_t>(picture.area.right - picture.area.left);
    const size_t row = static_cast<size_t>(point.y - picture.area.top);
    const DWORD pixel =
        picture.bits[row * width + static_cast<size_t>(point.x - picture.area.left)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
