// The loupe beside the pointer (see loupe_window.h). It never takes the
// keyboard or the mouse: the pick's own window holds both.
#include "loupe_window.h"

#include "magnifier_geometry.h"
#include "physical_pixels.h"
#include "screen_pick.h"

namespace {

const char kLoupeClass[] = "PalorinLoupe";
// 31 blocks of 5 pixels, 5 of 31: every zoom fills the loupe with whole blocks.
constexpr int kLoupeSide = 155;

LRESULT CALLBACK LoupeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (dc) {
            RECT client;
            GetClientRect(window, &client);
            PaintPickMagnifier(dc, client);
            EndPaint(window, &paint);
        }
        return 0;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateLoupe() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, kLoupeClass, &existing)) {
        WNDCLASSA loupeClass = {};
        loupeClass.lpfnWndProc = LoupeProc;
        loupeClass.hInstance = instance;
        loupeClass.hCursor = LoadCursorA(nullptr, IDC_CROSS);
        loupeClass.lpszClassName = kLoupeClass;
        if (!RegisterClassA(&loupeClass)) return nullptr;
    }
    // Created per-monitor aware, so that its place and size are physical pixels.
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    HWND loupe = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kLoupeClass,
                                 "Palorin pick", WS_POPUP | WS_BORDER, 0, 0, kLoupeSide + 2,
                                 kLoupeSide + 2, nullptr, nullptr, instance, nullptr);
    LeavePhysicalPixels(previous);
    return loupe;
}

void FollowWithLoupe(HWND loupe, POINT point) {
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT place = PlaceLoupe(point, kLoupeSide + 2, monitor.rcMonitor);
        SetWindowPos(loupe, HWND_TOPMOST, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    LeavePhysicalPixels(previous);
    InvalidateRect(loupe, nullptr, FALSE);
    UpdateWindow(loupe);
}
