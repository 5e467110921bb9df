// Palorin's entry point: runs the converter on the process's one colour.
#include <windows.h>

#include "color_record.h"
#include "main_dialog.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ColorRecord color = {};
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc,
                    reinterpret_cast<LPARAM>(&color));
    return 0;
}
