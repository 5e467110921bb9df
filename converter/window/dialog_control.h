// Finding the converter's controls by id, quickly, and telling their kinds apart.
#pragma once
#include <windows.h>

// The dialog's control `id`, as GetDlgItem gives it, or null.
HWND DialogControl(HWND dialog, int id);

// True when the window's class is `name` ("Edit", "Button", "Static"), in any
// letter case; `name` is shorter than 16 characters.
bool IsClass(HWND window, const char* name);
