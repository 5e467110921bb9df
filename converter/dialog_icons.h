// The program icon on a dialog's caption and task-bar button.
#pragma once
#include <windows.h>

// The IDI_APP icon at the system's small-icon size. The caller owns it; the
// dialogs keep theirs until the process ends.
HICON LoadSmallIcon(HINSTANCE instance);

// Sets the dialog's small and large icons from IDI_APP.
void SetDialogIcons(HWND dialog, HINSTANCE instance);
