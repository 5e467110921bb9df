// Conversions between a control's client coordinates, the dialog's client
// coordinates and the screen. Each returns 0 and leaves its input unchanged at
// the first conversion that fails, 1 on success.
#pragma once
#include <windows.h>

// `rect` from the control's client coordinates into its parent dialog's.
int MapRectToParent(HWND control, HWND dialog, RECT* rect);
// `rect` from the dialog's client coordinates into screen coordinates.
int MapRectToScreen(HWND dialog, RECT* rect);
// `point` from the dialog's client coordinates into the control's.
int MapPointToChild(HWND dialog, HWND control, POINT* point);
// The client rectangle of control `id`, in the dialog's client coordinates.
int GetControlRectInDialog(HWND dialog, int id, RECT* rect);
