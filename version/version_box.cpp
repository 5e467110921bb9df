// The version box: "Palorin  Ver." and the version read from the program's own
// version resource.
#include "version_box.h"

#include "resource.h"
#include "version_string.h"

namespace {

INT_PTR CALLBACK VersionDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        char text[16];
        UINT capacity = sizeof text;
        GetVersionString(nullptr, text, &capacity);
        SetDlgItemTextA(dialog, IDC_VERSION_TEXT, text);
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        break;
    }
    return 0;
}

}  // namespace

void InsertMenuCommand(HMENU menu, UINT position, UINT id, const char* text) {
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.wID = id;
    item.dwTypeData = const_cast<char*>(text);  // only read when inserting
    InsertMenuItemA(menu, position, TRUE, &item);
}

void AppendVersionMenuItem(HWND dialog) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    if (!menu) return;
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_TYPE;
    separator.fType = MFT_SEPARATOR;
    InsertMenuItemA(menu, 3, TRUE, &separator);
    // The window menu is drawn as it opens: DrawMenuBar, which recalculates
    // the whole frame, is for a menu bar.
    InsertMenuCommand(menu, 4, IDM_VERSION, "Version...(&V)");
}

void ShowVersionBox(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_VERSION), owner, VersionDlgProc, 0);
}
