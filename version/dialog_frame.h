// What every top-level box of the program carries: the program icon on its
// caption and task-bar button, and the version item of its system menu.
#pragma once
#include <windows.h>

// The IDI_APP icon at the system's small-icon size. The caller owns it; the
// dialogs keep theirs until the process ends.
HICON LoadSmallIcon(HINSTANCE instance);

// Sets the dialog's small and large icons from IDI_APP.
void SetDialogIcons(HWND dialog, HINSTANCE instance);

// Answers the dialog's WM_SYSCOMMAND: the version item (IDM_VERSION) opens the
// version box, owned by the dialog; anything else is left to the platform.
void OnVersionSysCommand(HWND dialog, WPARAM command);
