// The tooltips of the small swatches beside the main one, which show the
// colour as seen with protanopia, deuteranopia and tritanopia.
#pragma once
#include <windows.h>

// Gives each its tooltip, "As seen with protanopia" and so on, in a tooltip
// window the dialog owns (and so destroys with itself).
void StartSeenTips(HWND dialog);
