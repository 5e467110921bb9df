// Real input for the tests (see real_input.h).
#include "real_input.h"

namespace {

HWND g_inputDialog;

void Send(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
    DeliverInput();
}

INPUT Key(WORD virtualKey, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

void SetInputDialog(HWND dialog) { g_inputDialog = dialog; }

void DeliverInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (g_inputDialog && IsWindow(g_inputDialog) && IsDialogMessageA(g_inputDialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool RealMouseTo(POINT point) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the virtual screen.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN),
              height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    input.mi.dx = ((point.x - left) * 65536 + width - 1) / width;
    input.mi.dy = ((point.y - top) * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    Send(&input, 1);
    POINT at;
    return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
}

void RealButtons(DWORD buttons) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttons;
    Send(&input, 1);
}

void RealWheel(int delta) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(delta);
    Send(&input, 1);
}

void RealKey(WORD virtualKey, bool shift) {
    INPUT keys[4];
    UINT count = 0;
    if (shift) keys[count++] = Key(VK_SHIFT, 0);
    keys[count++] = Key(virtualKey, 0);
    keys[count++] = Key(virtualKey, KEYEVENTF_KEYUP);
    if (shift) keys[count++] = Key(VK_SHIFT, KEYEVENTF_KEYUP);
    Send(keys, count);
}

void RealKeyDown(WORD virtualKey) {
    INPUT key = Key(virtualKey, 0);
    Send(&key, 1);
}

void RealKeyUp(WORD virtualKey) {
    INPUT key = Key(virtualKey, KEYEVENTF_KEYUP);
    Send(&key, 1);
}
