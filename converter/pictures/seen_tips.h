// The tooltips of the small swatches beside the main one, which show the
// colour as seen with protanopia, deuteranopia and tritanopia.
#pragma once
#include <windows.h>

// Gives each its tooltip, "As seen with protanopia" and so on, in a tooltip
// window the dialog owns (and so destroys with itself).
void StartSeenTips(HWND dialog);

// Hands the dialog's mouse message to the tooltips, which watch the mouse
// only through it.
void RelaySeenTips(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Forgets the tooltip window, which goes with the dialog.
void EndSeenTips();
