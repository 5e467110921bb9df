// The peer in the start-up benchmark: a minimal program that opens the
// platform's own colour dialog, fully open, and ends when it closes.
#include <windows.h>

#include <commdlg.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    static COLORREF custom[16];
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.rgbResult = RGB(0, 0, 0);
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT;
    ChooseColorA(&choose);
    return 0;
}
