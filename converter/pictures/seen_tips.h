// The tooltips of the small swatches beside the main one, which show the
// colour as seen with protanopia, deuteranopia and tritanopia.
#pragma once
#include <windows.h>

// Gives each its tooltip, "As seen with protanopia" and so on, once the
// mouse first comes over one of them.
void StartSeenTips(HWND dialog);

// Hands the dialog's mouse message to the tooltips, which watch the mouse
// only through it. The first move over a swatch makes the tooltip window,
// which the dialog owns (and so destroys with itself): made at start it would
// cost some 20 ms under Wine, for a window a keyboard user never needs.
void RelaySeenTips(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Forgets the tooltip window, which goes with the dialog.
void EndSeenTips();
