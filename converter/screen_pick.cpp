// Picking from the screen. A held pick works on the capture the press gives; a
// pick by menu has no button held, and the platform only reports the mouse over
// other programs' windows to a low-level mouse hook, which also keeps the final
// click from reaching the window under it.
#include "screen_pick.h"

#include <windowsx.h>

#include "converter_state.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "resource.h"
#include "version_box.h"

namespace {

// The screen device context is taken for each read and given back at once.
COLORREF ReadScreenPixel(POINT point) {
    HDC screen = GetDC(nullptr);
    if (!screen) return CLR_INVALID;
    COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// The hook runs on this thread while it waits for messages; it hands the moves
// on (only the latest, when the dialog falls behind) and takes the clicks, so
// that no other window is pressed.
LRESULT CALLBACK WatchMouse(int code, WPARAM message, LPARAM data) {
    if (code != HC_ACTION || g_dragMode != DRAG_SCREEN || !g_pick.byMenu)
        return CallNextHookEx(nullptr, code, message, data);
    g_pick.hookPoint = reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->pt;
    switch (message) {
    case WM_MOUSEMOVE:
        if (!g_pick.movePosted)
            g_pick.movePosted = PostMessageA(g_pick.dialog, WM_PICK_MOVE, 0, 0) != FALSE;
        return CallNextHookEx(nullptr, code, message, data);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        PostMessageA(g_pick.dialog, WM_PICK_END, message == WM_LBUTTONUP,
                     MAKELPARAM(g_pick.hookPoint.x, g_pick.hookPoint.y));
        return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

void Begin(HWND dialog, POINT point, bool byMenu) {
    g_pick.dialog = dialog;
    g_pick.byMenu = byMenu;
    g_pick.point = point;
    g_pick.undoColor = *g_color;
    g_pick.undoHls = g_hls;
    g_pick.movePosted = false;
    g_dragMode = DRAG_SCREEN;
    g_pick.oldCursor = SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    // The picker turns into the magnified view.
    RewriteConverter(dialog, UPD_PICKER);
}

}  // namespace

void AppendPickMenuItem(HWND dialog) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    if (!menu) return;
    // Right after the version item, wherever the menu has it.
    int position = GetMenuItemCount(menu);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == IDM_VERSION) position = i + 1;
    InsertMenuCommand(menu, position, IDM_PICK, "Pick from Screen...(&P)");
}

void StartHeldPick(HWND dialog, POINT point) {
    if (g_dragMode != DRAG_NONE) return;
    SetCapture(dialog);
    Begin(dialog, point, false);
}

void StartMenuPick(HWND dialog) {
    if (g_dragMode != DRAG_NONE) return;
    g_pick.hook = SetWindowsHookExA(WH_MOUSE_LL, WatchMouse, g_instance, 0);
    if (!g_pick.hook) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    Begin(dialog, cursor, true);
}

void PickAt(HWND dialog, POINT point) {
    if (g_dragMode != DRAG_SCREEN) return;
    g_pick.point = point;
    const COLORREF pixel = ReadScreenPixel(point);
    if (pixel == CLR_INVALID) {
        RewriteConverter(dialog, UPD_PICKER);  // the view still follows the cursor
        return;
    }
    g_color->red = GetRValue(pixel);
    g_color->green = GetGValue(pixel);
    g_color->blue = GetBValue(pixel);
    RefreshConverter(dialog, MASK_ALL);
    // Every field shows the picked colour, even after a rejected text had emptied them.
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

void OnPickNotice(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_dragMode != DRAG_SCREEN || !g_pick.byMenu) return;
    if (message == WM_PICK_MOVE) {
        g_pick.movePosted = false;
        PickAt(dialog, g_pick.hookPoint);
        return;
    }
    const bool keep = wParam != 0;
    if (keep) PickAt(dialog, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});  // under the click
    EndPick(dialog, keep);
}

void EndPick(HWND dialog, bool keep) {
    if (g_dragMode != DRAG_SCREEN) return;
    AbandonPick();
    if (!keep) {
        *g_color = g_pick.undoColor;
        g_hls = g_pick.undoHls;
    }
    // The picker shows its image and marker again; a restore rewrites every field.
    RewriteConverter(dialog, keep ? UPD_PICKER : MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

// The mode is cleared first: releasing the capture sends WM_CAPTURECHANGED,
// which then finds no pick to end.
void AbandonPick() {
    if (g_dragMode != DRAG_SCREEN) return;
    g_dragMode = DRAG_NONE;
    if (g_pick.hook) UnhookWindowsHookEx(g_pick.hook);
    g_pick.hook = nullptr;
    if (GetCapture() == g_pick.dialog) ReleaseCapture();
    SetCursor(g_pick.oldCursor);
}
