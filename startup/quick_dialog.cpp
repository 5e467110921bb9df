// The quick result box: shows the colour, answers its two buttons and the
// version item of its system menu.
#include "quick_dialog.h"

#include "dialog_frame.h"
#include "notation_format.h"
#include "resource.h"
#include "version_box.h"

namespace {

// A colour typed as #RGB or #RRGGBB is answered as a decimal triple; a triple or a
// name as #rrggbb.
void OnInitDialog(HWND dialog, const ColorRecord* color) {
    SetDialogIcons(dialog, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)));
    char text[kColorTextCapacity];
    if (color->notation == kNotationHash)
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

INT_PTR CALLBACK QuickDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, reinterpret_cast<const ColorRecord*>(lParam));
        return 0;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        OnVersionSysCommand(dialog, wParam);
        return 0;
    }
    return 0;
}

}  // namespace

INT_PTR RunQuickBox(HINSTANCE instance, const ColorRecord* color) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_QUICK), nullptr, QuickDlgProc,
                           reinterpret_cast<LPARAM>(color));
}
