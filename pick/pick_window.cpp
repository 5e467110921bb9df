// The window that holds the mouse and the keyboard while a pick lasts: for a
// frozen pick it covers the virtual screen with the frozen picture, pixel for
// pixel; for a held pick it is a hidden child of the owner that takes the keys
// away from the owner's controls.
#include <windowsx.h>

#include "magnifier_geometry.h"
#include "physical_pixels.h"
#include "pick_keys.h"
#include "pick_session.h"

namespace {

const char kPickWindowClass[] = "PalorinPick";

// The cover's client area starts at the virtual screen's corner, in physical
// pixels (it is created per-monitor aware). A held pick asks for the cursor
// itself: its window shares the owner's awareness, whose coordinates may be scaled.
POINT PointOf(LPARAM lParam) {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (g_pickSession.frozen) {
        point.x += g_pickSession.picture.area.left;
        point.y += g_pickSession.picture.area.top;
    } else {
        PhysicalCursorPos(&point);
    }
    return point;
}

void OnKey(UINT virtualKey) {
    const PickKey key = TranslatePickKey(virtualKey, GetKeyState(VK_SHIFT) < 0);
    switch (key.action) {
    case PICK_KEY_MOVE:
        PickMoveBy(key.dx, key.dy);
        break;
    case PICK_KEY_KEEP:
        // A held pick keeps at the button's release.
        if (g_pickSession.frozen) PickEnd(true);
        break;
    case PICK_KEY_RESTORE:
        PickEnd(false);
        break;
    case PICK_KEY_CLOSER:
    case PICK_KEY_FARTHER:
        PickZoom(key.action == PICK_KEY_CLOSER);
        break;
    case PICK_KEY_AVERAGE:
        PickNextAverage();
        break;
    case PICK_KEY_NONE:
        break;
    }
}

// A key acts once it has gone down during the pick, and then as it repeats; the
// repeats of one held from before (the Enter that started the command-line
// program, say) do nothing.
void OnKeyDown(WPARAM virtualKey, LPARAM lParam) {
    bool& pressed = g_pickSession.keysPressed[virtualKey & 0xFF];
    if (!(HIWORD(lParam) & KF_REPEAT)) pressed = true;
    if (pressed) OnKey(static_cast<UINT>(virtualKey));
}

// Forward is closer; a fine-grained wheel zooms once per whole notch.
void OnWheel(int delta) {
    g_pickSession.wheel += delta;
    while (g_pickSession.window && g_pickSession.wheel >= WHEEL_DELTA) {
        g_pickSession.wheel -= WHEEL_DELTA;
        PickZoom(true);
    }
    while (g_pickSession.window && g_pickSession.wheel <= -WHEEL_DELTA) {
        g_pickSession.wheel += WHEEL_DELTA;
        PickZoom(false);
    }
}

void PaintPicture(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) return;
    const FrozenScreen& picture = g_pickSession.picture;
    HDC memory = picture.bitmap ? CreateCompatibleDC(dc) : nullptr;
    if (memory) {
        HGDIOBJ old = SelectObject(memory, picture.bitmap);
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top,
               SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    EndPaint(window, &paint);
}

bool IsPickWindow(HWND window) { return window && window == g_pickSession.window; }

LRESULT OnMouse(HWND window, UINT message, LPARAM lParam) {
    if (!IsPickWindow(window)) return 0;
    switch (message) {
    case WM_MOUSEMOVE:
        PickMoveTo(PointOf(lParam));
        break;
    case WM_LBUTTONUP:
        // Keeps the colour under the release itself.
        PickMoveTo(PointOf(lParam));
        PickEnd(true);
        break;
    case WM_RBUTTONUP:
        if (g_pickSession.frozen) PickEnd(false);
        break;
    }
    return 0;
}

// Leaving for another window, or another window taking the mouse, puts the colour back.
LRESULT CALLBACK PickWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;  // keys reach the pick, not the owner's dialog manager
    case WM_KEYDOWN:
        if (IsPickWindow(window)) OnKeyDown(wParam, lParam);
        return 0;
    case WM_CHAR:
        return 0;
    case WM_MOUSEWHEEL:
        if (IsPickWindow(window)) OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return OnMouse(window, message, lParam);
    case WM_CAPTURECHANGED:
        if (IsPickWindow(window) && reinterpret_cast<HWND>(lParam) != window) PickEnd(false);
        return 0;
    case WM_KILLFOCUS:
    case WM_CLOSE:  // Alt+F4 on the cover
        if (IsPickWindow(window)) PickEnd(false);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the picture covers everything
    case WM_PAINT:
        PaintPicture(window);
        return 0;
    case WM_NCDESTROY:
        if (IsPickWindow(window)) PickWindowGone();
        break;
    case WM_GETOBJECT: {
        const PickReport& report = g_pickSession.report;
        LRESULT answer = 0;
        if (IsPickWindow(window) && report.answer &&
            report.answer(report.context, window, wParam, lParam, &answer))
            return answer;
        break;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterPickClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kPickWindowClass, &existing)) return true;
    WNDCLASSA pickClass = {};
    pickClass.lpfnWndProc = PickWindowProc;
    pickClass.hInstance = instance;
    pickClass.hCursor = LoadCursorA(nullptr, IDC_CROSS);
    pickClass.lpszClassName = kPickWindowClass;
    return RegisterClassA(&pickClass) != 0;
}

}  // namespace

HWND CreatePickWindow(HWND parent, const RECT& area) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterPickClass(instance)) return nullptr;
    if (parent)
        return CreateWindowExA(0, kPickWindowClass, "", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                               instance, nullptr);
    // A tool window: no button on the task bar for a window that lives for one gesture.
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPickWindowClass, "", WS_POPUP,
                           area.left, area.top, area.right - area.left, area.bottom - area.top,
                           nullptr, nullptr, instance, nullptr);
}
