// Physical pixels (see physical_pixels.h). The calls that Windows 7 and 8 lack
// are looked up at run time, so that the program still starts there.
#include "physical_pixels.h"

namespace {

typedef DPI_AWARENESS_CONTEXT(WINAPI* SetThreadDpiAwarenessContextFn)(DPI_AWARENESS_CONTEXT);
typedef DPI_AWARENESS_CONTEXT(WINAPI* GetThreadDpiAwarenessContextFn)();
typedef BOOL(WINAPI* CursorPosFn)(LPPOINT);
typedef BOOL(WINAPI* SetCursorPosFn)(int, int);

// The calls, looked up once. (Plain globals: a function's static would bring
// the thread-safe initialisation of the C++ library into the program.)
struct User32Calls {
    bool looked;
    SetThreadDpiAwarenessContextFn setThreadAwareness;
    GetThreadDpiAwarenessContextFn threadAwareness;
    CursorPosFn getPhysicalCursorPos;
    SetCursorPosFn setPhysicalCursorPos;
};
User32Calls g_calls;

// A cast through the generic pointer type keeps the compiler from reading it as
// a call of the wrong signature.
template <typename Fn>
Fn Lookup(HMODULE user32, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

const User32Calls& Calls() {
    if (!g_calls.looked) {
        if (HMODULE user32 = GetModuleHandleA("user32.dll")) {
            g_calls.setThreadAwareness =
                Lookup<SetThreadDpiAwarenessContextFn>(user32, "SetThreadDpiAwarenessContext");
            g_calls.threadAwareness =
                Lookup<GetThreadDpiAwarenessContextFn>(user32, "GetThreadDpiAwarenessContext");
            g_calls.getPhysicalCursorPos = Lookup<CursorPosFn>(user32, "GetPhysicalCursorPos");
            g_calls.setPhysicalCursorPos = Lookup<SetCursorPosFn>(user32, "SetPhysicalCursorPos");
        }
        g_calls.looked = true;
    }
    return g_calls;
}

}  // namespace

DPI_AWARENESS_CONTEXT SwitchDpiAwareness(DPI_AWARENESS_CONTEXT context) {
    SetThreadDpiAwarenessContextFn set = Calls().setThreadAwareness;
    return set && context ? set(context) : nullptr;
}

DPI_AWARENESS_CONTEXT ThreadDpiAwareness() {
    GetThreadDpiAwarenessContextFn get = Calls().threadAwareness;
    return get ? get() : nullptr;
}

// The second version came a release after the first (Windows 10 1703, 1607);
// either gives physical pixels, which is all a pick asks of it.
DPI_AWARENESS_CONTEXT EnterPhysicalPixels() {
    DPI_AWARENESS_CONTEXT previous = SwitchDpiAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    return previous ? previous : SwitchDpiAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

void LeavePhysicalPixels(DPI_AWARENESS_CONTEXT previous) { SwitchDpiAwareness(previous); }

bool PhysicalCursorPos(POINT* point) {
    CursorPosFn get = Calls().getPhysicalCursorPos;
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    const bool read = (get ? get(point) : GetCursorPos(point)) != FALSE;
    LeavePhysicalPixels(previous);
    return read;
}

void MoveCursorToPhysical(POINT point) {
    SetCursorPosFn set = Calls().setPhysicalCursorPos;
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    if (set)
        set(point.x, point.y);
    else
        SetCursorPos(point.x, point.y);
    LeavePhysicalPixels(previous);
}

RECT VirtualScreenRect() {
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    LeavePhysicalPixels(previous);
    return screen;
}

// The screen device context is taken for each read and given back at once.
COLORREF ReadLivePixel(POINT point) {
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    COLORREF pixel = CLR_INVALID;
    if (HDC screen = GetDC(nullptr)) {
        pixel = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
    }
    LeavePhysicalPixels(previous);
    return pixel;
}
