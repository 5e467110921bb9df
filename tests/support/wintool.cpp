// wintool: looks at and presses the windows of another Wine process, for the
// end-to-end tests and the run script. Exit code 0 on success, 1 on failure,
// 2 on bad usage.
//   wintool wait CAPTION [MS]         wait until a visible top-level window has CAPTION;
//                                     CAPTION may list alternatives as A|B, and the
//                                     one found is printed
//   wintool gone CAPTION [MS]         wait until no window has CAPTION
//   wintool rect CAPTION              print its screen rectangle: x y width height
//   wintool ctlrect CAPTION ID        print control ID's screen rectangle: x y width height
//   wintool ctlclient CAPTION ID      print control ID's client area on the screen: x y width height
//   wintool text CAPTION ID           print the text of control ID
//   wintool settext CAPTION ID TEXT   set the text of control ID (sends EN_CHANGE)
//   wintool click CAPTION ID          press button ID
//   wintool close CAPTION             ask the window to close (WM_CLOSE)
//   wintool clip TEXT                 put TEXT on the clipboard ("" empties it)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindVisible(const char* caption) {
    HWND window = FindWindowA(nullptr, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The first of the '|'-separated captions that has a visible window, or null.
const char* FindAny(const char* captions, char* found, size_t size) {
    for (const char* start = captions;;) {
        const char* end = std::strchr(start, '|');
        size_t length = end ? static_cast<size_t>(end - start) : std::strlen(start);
        if (length < size) {
            std::memcpy(found, start, length);
            found[length] = '\0';
            if (FindVisible(found)) return found;
        }
        if (!end) return nullptr;
        start = end + 1;
    }
}

int WaitFor(const char* captions, DWORD timeout, bool present) {
    char found[256];
    DWORD start = GetTickCount();
    for (;;) {
        if ((FindAny(captions, found, sizeof found) != nullptr) == present) {
            if (present) std::printf("%s\n", found);
            return 0;
        }
        if (GetTickCount() - start > timeout) return 1;
        Sleep(20);
    }
}

HWND Control(HWND window, const char* id) { return GetDlgItem(window, std::atoi(id)); }

// Prints the window's screen rectangle as x y width height.
int PrintWindowRect(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// Replaces the clipboard's contents with `text`, or with nothing when it is empty.
int PutOnClipboard(const char* text) {
    const size_t size = std::strlen(text) + 1;
    if (!OpenClipboard(nullptr)) return 1;
    bool done = EmptyClipboard() != FALSE;
    if (done && size > 1) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        done = block != nullptr;
        if (done) {
            std::memcpy(GlobalLock(block), text, size);
            GlobalUnlock(block);
            done = SetClipboardData(CF_TEXT, block) != nullptr;
            if (!done) GlobalFree(block);
        }
    }
    CloseClipboard();
    return done ? 0 : 1;
}

int Run(int argc, char** argv) {
    const char* command = argv[1];
    const char* caption = argv[2];
    DWORD timeout = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 10000;
    if (!std::strcmp(command, "wait")) return WaitFor(caption, timeout, true);
    if (!std::strcmp(command, "gone")) return WaitFor(caption, timeout, false);
    if (!std::strcmp(command, "clip")) return PutOnClipboard(argv[2]);

    HWND window = FindVisible(caption);
    if (!window) return 1;
    if (!std::strcmp(command, "rect")) return PrintWindowRect(window);
    if (!std::strcmp(command, "close")) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (argc < 4) return 2;
    HWND control = Control(window, argv[3]);
    if (!control) return 1;
    if (!std::strcmp(command, "ctlrect")) return PrintWindowRect(control);
    if (!std::strcmp(command, "ctlclient")) {
        RECT r;
        if (!GetClientRect(control, &r)) return 1;
        POINT origin = {0, 0};
        if (!ClientToScreen(control, &origin)) return 1;
        std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
        return 0;
    }
    if (!std::strcmp(command, "text")) {
        char text[1024] = "";
        // GetWindowText doesn't ask another process's control for its text.
        SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return 0;
    }
    if (!std::strcmp(command, "click")) {
        // Posted, so that a button that ends a dialog doesn't leave us waiting.
        return PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    }
    if (!std::strcmp(command, "settext") && argc > 4)
        return SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4])) ? 0 : 1;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: wintool wait|gone|rect|text|settext|click|close CAPTION ... | clip TEXT\n");
        return 2;
    }
    return Run(argc, argv);
}
