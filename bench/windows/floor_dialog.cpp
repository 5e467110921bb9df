// The floor of the start-up benchmark: the converter's own dialog template,
// its manifest and common controls as palorin.exe has them, under a dialog
// procedure that does nothing but close. What palorin.exe takes beyond this
// program's start is the converter's own work.
#include <windows.h>

#include <commctrl.h>

#include "resource.h"

namespace {

INT_PTR CALLBACK IdleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return message == WM_INITDIALOG;
}

}  // namespace

// Started as palorin.exe starts, at an entry of its own without the C runtime's start-up.
extern "C" void FloorEntry() {
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, IdleProc, 0);
    ExitProcess(0);
}
