// The version box and the system-menu item that opens it, for any dialog.
#pragma once
#include <windows.h>

// Adds a separator and "Version...(&V)" (IDM_VERSION) to the dialog's system menu.
void AppendVersionMenuItem(HWND dialog);

// Inserts a command item with `text` and `id` into `menu` at `position`.
void InsertMenuCommand(HMENU menu, UINT position, UINT id, const char* text);

// Runs the version box modally, owned by `owner`.
void ShowVersionBox(HINSTANCE instance, HWND owner);
