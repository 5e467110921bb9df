// The window: the lowest of the converter's rooms, which every other uses.
// Finding the converter's controls by id, quickly, and telling their kinds
// apart; coordinates.h maps between a control, the dialog and the screen. The
// room owns the handles it keeps of the controls it has found.
#pragma once
#include <windows.h>

// The dialog's control `id`, as GetDlgItem gives it, or null.
HWND DialogControl(HWND dialog, int id);

// True when the window's class is `name` ("Edit", "Button", "Static"), in any
// letter case; `name` is shorter than 16 characters.
bool IsClass(HWND window, const char* name);
