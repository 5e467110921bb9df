// The quick result box: shows the colour, answers its two buttons and the
// version item of its system menu.
#include "quick_dialog.h"

#include "converter_state.h"
#include "dialog_icons.h"
#include "notation_format.h"
#include "resource.h"
#include "version_box.h"

namespace {

// A colour typed as #RGB or #RRGGBB is answered as a decimal triple; a triple or a
// name as #rrggbb.
void OnInitDialog(HWND dialog, const ColorRecord* color) {
    g_instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    SetDialogIcons(dialog, g_instance);
    char text[kColorTextCapacity];
    if (color->notation == 1)
        FormatDecimalTriple(*color, text);
    else
        FormatHex6(*color, text);
    SetDlgItemTextA(dialog, IDC_QUICK_TEXT, text);
    AppendVersionMenuItem(dialog);
}

// "Exit" is IDCANCEL, so Escape and the close box end the box the same way.
void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_TO_MAIN:
        EndDialog(dialog, 1);
        break;
    }
}

void OnSysCommand(HWND dialog, WPARAM command) {
    if (command == IDM_VERSION) ShowVersionBox(g_instance, dialog);
}

INT_PTR CALLBACK QuickDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, reinterpret_cast<const ColorRecord*>(lParam));
        return 0;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand(dialog, wParam);
        return 0;
    }
    return 0;
}

}  // namespace

INT_PTR RunQuickBox(HINSTANCE instance, const ColorRecord* color) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_QUICK), nullptr, QuickDlgProc,
                           reinterpret_cast<LPARAM>(color));
}
