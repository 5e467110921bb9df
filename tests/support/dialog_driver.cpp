// Driving real dialogs from tests.
#include "dialog_driver.h"

#include <cstdlib>

#include "main_dialog.h"
#include "palette_home.h"
#include "resource.h"

namespace {

char g_home[MAX_PATH] = "";

void RemoveProcessPaletteHome() {
    for (const char* name : {"\\palorin.gpl", "\\palorin.ini"}) {
        char path[MAX_PATH + 16];
        lstrcpyA(path, g_home);
        lstrcatA(path, name);
        DeleteFileA(path);
    }
    RemoveDirectoryA(g_home);
}

}  // namespace

void UseProcessPaletteHome() {
    if (!g_home[0]) {
        const DWORD length = GetTempPathA(MAX_PATH - 32, g_home);
        if (length == 0 || length >= MAX_PATH - 32) lstrcpyA(g_home, "C:\\");
        wsprintfA(g_home + lstrlenA(g_home), "palorin-test-%lu", GetCurrentProcessId());
        std::atexit(RemoveProcessPaletteHome);
    }
    UsePaletteHome(g_home);
}

HWND OpenConverter(ColorRecord* color, DLGPROC procedure) {
    // A test that chose a home of its own after the process's keeps it.
    if (!g_home[0]) UseProcessPaletteHome();
    InitConverterControls();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                     procedure ? procedure : MainDlgProc,
                                     reinterpret_cast<LPARAM>(color));
    if (dialog) {
        ShowWindow(dialog, SW_SHOW);
        UpdateWindow(dialog);
    }
    return dialog;
}

std::string ControlText(HWND control) {
    char text[256] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

std::string FieldText(HWND dialog, int id) { return ControlText(GetDlgItem(dialog, id)); }

void SetFieldText(HWND dialog, int id, const char* text) {
    SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void TypeText(HWND control, const char* text) {
    SendMessageA(control, EM_SETSEL, 0x7fffffff, 0x7fffffff);
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void PressEnter(HWND dialog) {
    MSG message = {};
    message.hwnd = GetFocus();
    message.message = WM_KEYDOWN;
    message.wParam = VK_RETURN;
    message.lParam = 1;
    IsDialogMessageA(dialog, &message);
    PumpMessages();
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
