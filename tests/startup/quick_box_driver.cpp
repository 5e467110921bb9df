// Driving the modal quick result box from a thread timer: the timer's message is
// dispatched by the box's own message loop, so the action runs while it is up.
#include "quick_box_driver.h"

#include "dialog_driver.h"
#include "quick_convert.h"
#include "resource.h"

namespace {

BoxAction g_action = nullptr;
QuickConvertRun* g_run = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    char caption[32] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (lstrcmpA(caption, "Quick Convert Result") != 0) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    g_run->boxShown = true;
    g_run->shown = FieldText(box, IDC_QUICK_TEXT);
    g_action(box);
}

}  // namespace

QuickConvertRun QuickConvertThen(const char* text, ColorRecord* record, BoxAction action) {
    QuickConvertRun run = {-1, false, ""};
    g_action = action;
    g_run = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    run.result = QuickConvert(GetModuleHandleA(nullptr), text, record);
    KillTimer(nullptr, timer);
    g_run = nullptr;
    return run;
}

void PressExit(HWND box) { PostMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0); }

void PressMainDialog(HWND box) { PostMessageA(GetDlgItem(box, IDC_TO_MAIN), BM_CLICK, 0, 0); }
