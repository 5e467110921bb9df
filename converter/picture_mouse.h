// Picking a colour with the mouse on the picker and the luminance bar.
#pragma once
#include <windows.h>

void OnMouseDown(HWND dialog, LPARAM point);
void OnMouseMove(HWND dialog, LPARAM point);
void OnMouseUp(HWND dialog);
// The capture went to `newOwner` during a drag.
void OnCaptureLost(HWND dialog, HWND newOwner);
