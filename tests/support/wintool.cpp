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
//   wintool items CAPTION ID          print each item of list view ID, a line each: the
//                                     screen rectangle of its text (x y width height), then
//                                     the text
//   wintool msgbox CAPTION [MS]       wait for a message box with CAPTION, print its text
//                                     and press its OK
//   wintool click CAPTION ID          press button ID
//   wintool close CAPTION             ask the window to close (WM_CLOSE)
//   wintool release CLASS X Y         post a left button's release at client X, Y
//                                     (may be negative) to the window of class CLASS
//   wintool clip TEXT                 put TEXT on the clipboard ("" empties it)
//   wintool pixels X Y N              print N screen pixels from X,Y rightwards, as rrggbb
//   wintool hoverbox X Y SIDE RRGGBB HOVER
//                                     show a square window (caption "hoverbox") in the
//                                     first colour that turns HOVER while the pointer
//                                     is over it, as a hover effect does; until closed
//   wintool pattern X Y SIDE          show a square window (caption "pattern") whose
//                                     pixel x, y is red x, green y, blue 0x55; until closed
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct VisibleSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<VisibleSearch*>(lParam);
    char text[256];
    if (!IsWindowVisible(window) || !GetWindowTextA(window, text, sizeof text) ||
        std::strcmp(text, search->caption))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The first visible top-level window with this caption. FindWindow alone may
// give a hidden one of the same caption (another program's, ending or not yet
// shown) that stands before it.
HWND FindVisible(const char* caption) {
    VisibleSearch search = {caption, nullptr};
    EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

int PrintPixels(int x, int y, int count) {
    HDC screen = GetDC(nullptr);
    if (!screen) return 1;
    for (int i = 0; i < count; ++i) {
        const COLORREF c = GetPixel(screen, x + i, y);
        std::printf("%02x%02x%02x%s", GetRValue(c), GetGValue(c), GetBValue(c),
                    i + 1 < count ? " " : "\n");
    }
    ReleaseDC(nullptr, screen);
    return 0;
}

// A list view of another process answers into that process's memory: the
// item and its text are placed there, and read back.
int PrintListItems(HWND list) {
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process) return 1;
    struct Query {
        LVITEMA item;
        RECT rect;
        char text[260];
    };
    Query* remote = static_cast<Query*>(
        VirtualAllocEx(process, nullptr, sizeof(Query), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    bool read = remote != nullptr;
    const LRESULT count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; read && i < count; ++i) {
        Query query = {};
        query.item.mask = LVIF_TEXT;
        query.item.pszText = remote->text;
        query.item.cchTextMax = sizeof query.text;
        query.rect.left = LVIR_LABEL;
        read = WriteProcessMemory(process, remote, &query, sizeof query, nullptr) &&
               SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&remote->item)) >= 0 &&
               SendMessageA(list, LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&remote->rect)) &&
               ReadProcessMemory(process, remote, &query, sizeof query, nullptr);
        query.text[sizeof query.text - 1] = '\0';
        POINT origin = {query.rect.left, query.rect.top};
        ClientToScreen(list, &origin);
        if (read)
            std::printf("%ld %ld %ld %ld %s\n", origin.x, origin.y, query.rect.right - query.rect.left,
                        query.rect.bottom - query.rect.top, query.text);
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return read ? 0 : 1;
}

// A message box: a dialog with the text's static (0xFFFF) and an OK button.
struct BoxSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM search) {
    BoxSearch* box = reinterpret_cast<BoxSearch*>(search);
    char text[256], className[16];
    if (IsWindowVisible(window) && GetDlgItem(window, 0xFFFF) && GetDlgItem(window, IDOK) &&
        GetClassNameA(window, className, sizeof className) && !std::strcmp(className, "#32770") &&
        GetWindowTextA(window, text, sizeof text) && !std::strcmp(text, box->caption)) {
        box->found = window;
        return FALSE;
    }
    return TRUE;
}

int PressMessageBox(const char* caption, DWORD timeout) {
    const DWORD start = GetTickCount();
    BoxSearch box = {caption, nullptr};
    while (EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&box)), !box.found) {
        if (GetTickCount() - start > timeout) return 1;
        Sleep(20);
    }
    char text[1024] = "";
    SendMessageA(GetDlgItem(box.found, 0xFFFF), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("%s\n", text);
    return PostMessageA(GetDlgItem(box.found, IDOK), BM_CLICK, 0, 0) ? 0 : 1;
}

COLORREF g_boxColours[2];

void PaintPattern(HDC dc, int side) {
    DWORD* pixels = static_cast<DWORD*>(std::malloc(sizeof(DWORD) * side * side));
    if (!pixels) return;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            pixels[y * side + x] = ((x & 0xFF) << 16) | ((y & 0xFF) << 8) | 0x55;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(dc, 0, 0, side, side, 0, 0, 0, side, pixels, &info, DIB_RGB_COLORS);
    std::free(pixels);
}

// The hover box watches the pointer itself, so that it changes under a pick
// that holds the mouse as it would under a bare pointer.
void OnBoxTimer(HWND window) {
    POINT cursor;
    RECT r;
    GetCursorPos(&cursor);
    GetWindowRect(window, &r);
    const LONG_PTR hovered = PtInRect(&r, cursor);
    if (hovered != GetWindowLongPtrA(window, GWLP_USERDATA)) {
        SetWindowLongPtrA(window, GWLP_USERDATA, hovered);
        InvalidateRect(window, nullptr, FALSE);
    }
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        OnBoxTimer(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        char caption[16];
        GetWindowTextA(window, caption, sizeof caption);
        if (!std::strcmp(caption, "pattern")) {
            PaintPattern(dc, client.right);
        } else {
            HBRUSH brush = CreateSolidBrush(g_boxColours[GetWindowLongPtrA(window, GWLP_USERDATA)]);
            FillRect(dc, &paint.rcPaint, brush);
            DeleteObject(brush);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF ParseRgb(const char* hex) {
    const unsigned long v = std::strtoul(hex, nullptr, 16);
    return RGB(v >> 16, (v >> 8) & 0xFF, v & 0xFF);
}

// Shows a test window until it is closed: the hover box, or the pattern when
// no colours are given.
int RunTestWindow(const char* caption, char** place, char** colours) {
    if (colours) {
        g_boxColours[0] = ParseRgb(colours[0]);
        g_boxColours[1] = ParseRgb(colours[1]);
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "WintoolTestWindow";
    RegisterClassA(&windowClass);
    const int side = std::atoi(place[2]);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "WintoolTestWindow", caption,
                                  WS_POPUP | WS_VISIBLE, std::atoi(place[0]), std::atoi(place[1]),
                                  side, side, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window || (colours && !SetTimer(window, 1, 20, nullptr))) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

int Run(int argc, char** argv) {
    const char* command = argv[1];
    const char* caption = argv[2];
    DWORD timeout = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 10000;
    if (!std::strcmp(command, "wait")) return WaitFor(caption, timeout, true);
    if (!std::strcmp(command, "gone")) return WaitFor(caption, timeout, false);
    if (!std::strcmp(command, "clip")) return PutOnClipboard(argv[2]);
    if (!std::strcmp(command, "msgbox")) return PressMessageBox(caption, timeout);
    if (!std::strcmp(command, "pixels") && argc > 4)
        return PrintPixels(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    if (!std::strcmp(command, "hoverbox") && argc > 6)
        return RunTestWindow("hoverbox", argv + 2, argv + 5);
    if (!std::strcmp(command, "pattern") && argc > 4)
        return RunTestWindow("pattern", argv + 2, nullptr);
    if (!std::strcmp(command, "release") && argc > 4) {
        HWND target = FindWindowA(argv[2], nullptr);
        const LPARAM at = MAKELPARAM(std::atoi(argv[3]), std::atoi(argv[4]));
        return target && PostMessageA(target, WM_LBUTTONUP, 0, at) ? 0 : 1;
    }

    HWND window = FindVisible(caption);
    if (!window) {
        std::fprintf(stderr, "wintool: no visible window \"%s\"\n", caption);
        return 1;
    }
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
    if (!std::strcmp(command, "items")) return PrintListItems(control);
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
            "usage: wintool wait|gone|rect|text|settext|items|click|close|msgbox CAPTION ... |\n"
            "       clip TEXT |\n"
            "       pixels X Y N | hoverbox X Y SIDE RRGGBB HOVER | pattern X Y SIDE\n");
        return 2;
    }
    // Coordinates and pixels are the screen's own, as xdotool's are. A process
    // unaware of the display's resolution sees them scaled to 96 DPI where the
    // platform scales such programs: Windows and Wine 10 do, Wine 8 does not.
    SetProcessDPIAware();
    return Run(argc, argv);
}
