// The pattern window (see pattern_window.h). Its pixels are built as one bitmap
// and set in one call, so that a 1-pixel pattern paints as fast as a plain one.
#include "pattern_window.h"

#include <vector>

namespace {

struct Pattern {
    PatternFn colourAt;
    int presses;
};

Pattern* PatternOf(HWND window) {
    return reinterpret_cast<Pattern*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PatternOf(window)->colourAt(x, y);
            pixels[static_cast<size_t>(y) * width + x] =
                (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        ++PatternOf(window)->presses;
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_NCDESTROY:
        delete PatternOf(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND ShowPattern(const RECT& where, PatternFn pattern) {
    WNDCLASSA patternClass = {};
    patternClass.lpfnWndProc = PatternProc;
    patternClass.hInstance = GetModuleHandleA(nullptr);
    patternClass.lpszClassName = "PalorinTestPattern";
    RegisterClassA(&patternClass);
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "PalorinTestPattern", "", WS_POPUP,
                        where.left, where.top, where.right - where.left, where.bottom - where.top,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Pattern{pattern, 0}));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

void ChangePattern(HWND window, PatternFn pattern) {
    PatternOf(window)->colourAt = pattern;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

int PatternPresses(HWND window) { return PatternOf(window)->presses; }
