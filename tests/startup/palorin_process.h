// A run of the real palorin.exe, looked at and pressed from outside as a user
// would: its windows are found by caption, read with WM_GETTEXT and pressed with
// button clicks or real keyboard and mouse input.
#pragma once
#include <windows.h>

#include <string>

struct PalorinProcess {
    // Starts palorin.exe from this test's own folder with the command line
    // "<quoted path>" followed by a blank and `arguments` (nothing when empty).
    bool Start(const std::string& arguments);

    // The visible top-level window of the program with this caption (and window
    // class, when given), waiting up to `ms`; null if none showed.
    HWND WaitWindow(const char* caption, DWORD ms = 5000, const char* windowClass = nullptr) const;
    HWND FindWindowNow(const char* caption, const char* windowClass = nullptr) const;
    // True once no window of the program has this caption, waiting up to `ms`.
    bool WaitGone(const char* caption, DWORD ms = 5000) const;

    // The exit code, waiting up to `ms`; STILL_ACTIVE if it is still running.
    DWORD WaitExit(DWORD ms = 5000);

    // Ends a run that is still going, so that a failed test leaves nothing behind.
    ~PalorinProcess();

    PROCESS_INFORMATION info = {};
};

// The text of control `id`, by WM_GETTEXT (another process's edit keeps its text
// where GetWindowText can't see it).
std::string ItemText(HWND dialog, int id);

// Presses button `id` as a click would; posted, so a button that ends the dialog
// doesn't hold us up.
void PressButton(HWND dialog, int id);

// A real key press and release, delivered to whatever window has the focus.
bool PressKey(WORD virtualKey);

// A real left click at this screen point.
bool ClickAt(POINT point);

// The screen point in the middle of a window's close box, as found by asking the
// window itself (WM_NCHITTEST): {-1, -1} if none answers HTCLOSE.
POINT CloseBoxPoint(HWND window);

// True when the 32 x 32 icon shown by static control `icon` has exactly the
// pixels of the system's `which` icon (IDI_WARNING ...), drawn on the same
// background.
bool ShowsSystemIcon(HWND icon, LPCSTR which);
