// Finding the converter's controls by id, quickly.
#pragma once
#include <windows.h>

// The dialog's control `id`, as GetDlgItem gives it, or null.
HWND DialogControl(HWND dialog, int id);
