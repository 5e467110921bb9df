// Running palorin.exe and pressing its windows from outside.
#include "palorin_process.h"

#include <vector>

namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "palorin.exe";
}

struct WindowQuery {
    DWORD processId;
    const char* caption;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != query->processId || !IsWindowVisible(window)) return TRUE;
    char text[256] = "", className[64] = "";
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(text, query->caption) != 0) return TRUE;
    if (query->windowClass && lstrcmpA(className, query->windowClass) != 0) return TRUE;
    query->found = window;
    return FALSE;
}

// The screen's pixels of a 32 x 32 square at `origin`, or of `icon` drawn on
// the dialog background when `icon` is given.
std::vector<COLORREF> Pixels32(POINT origin, HICON icon) {
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (icon) {
        RECT square = {0, 0, 32, 32};
        FillRect(memory, &square, GetSysColorBrush(COLOR_BTNFACE));
        DrawIconEx(memory, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(memory, 0, 0, 32, 32, screen, origin.x, origin.y, SRCCOPY);
    }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool PalorinProcess::Start(const std::string& arguments) {
    std::string path = ProgramPath();
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info) != 0;
}

HWND PalorinProcess::FindWindowNow(const char* caption, const char* windowClass) const {
    WindowQuery query = {info.dwProcessId, caption, windowClass, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND PalorinProcess::WaitWindow(const char* caption, DWORD ms, const char* windowClass) const {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowNow(caption, windowClass)) return window;
        if (GetTickCount() - start > ms) return nullptr;
        Sleep(10);
    }
}

bool PalorinProcess::WaitGone(const char* caption, DWORD ms) const {
    DWORD start = GetTickCount();
    while (FindWindowNow(caption)) {
        if (GetTickCount() - start > ms) return false;
        Sleep(10);
    }
    return true;
}

DWORD PalorinProcess::WaitExit(DWORD ms) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, ms) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    return code;
}

PalorinProcess::~PalorinProcess() {
    if (!info.hProcess) return;
    if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = "";
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

void PressButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

bool ClickAt(POINT point) {
    if (!SetCursorPos(point.x, point.y)) return false;
    INPUT buttons[2] = {};
    buttons[0].type = buttons[1].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, buttons, sizeof(INPUT)) == 2;
}

POINT CloseBoxPoint(HWND window) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) return {-1, -1};
    // Walk left along the caption's middle line from the right edge.
    int captionMiddle =
        frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = -1, last = -1;
    for (int x = frame.right - 1; x > frame.left; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, captionMiddle), SMTO_ABORTIFHUNG,
                            2000, &hit);
        if (hit == HTCLOSE) {
            if (first < 0) first = x;
            last = x;
        } else if (first >= 0) {
            break;
        }
    }
    if (first < 0) return {-1, -1};
    return {(first + last) / 2, captionMiddle};
}

bool ShowsSystemIcon(HWND icon, LPCSTR which) {
    RECT shown;
    if (!GetWindowRect(icon, &shown)) return false;
    return Pixels32({shown.left, shown.top}, nullptr) ==
           Pixels32({0, 0}, LoadIconA(nullptr, which));
}
