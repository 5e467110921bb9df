// Real mouse and keyboard input (SendInput), delivered before each call returns
// through the dialog manager, as a modal dialog's loop would deliver it.
#pragma once
#include <windows.h>

// The dialog whose keys go through IsDialogMessage; null for none.
void SetInputDialog(HWND dialog);

// Moves the pointer to a screen point; false if it did not get there.
bool RealMouseTo(POINT point);
// Buttons: MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTUP, ...
void RealButtons(DWORD buttons);
// One notch of the wheel per WHEEL_DELTA; positive is forward.
void RealWheel(int delta);
// One key pressed and released, with Shift held when `shift` is set.
void RealKey(WORD virtualKey, bool shift = false);
// A key going down and, later, up.
void RealKeyDown(WORD virtualKey);
void RealKeyUp(WORD virtualKey);

// Delivers what is queued, through the dialog manager.
void DeliverInput();
