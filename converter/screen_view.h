// The picker's face during a pick from the screen: the screen around the pick
// point, magnified.
#pragma once
#include <windows.h>

// Paints the view onto `picker` of `dc`: kMagnifiedPixels screen pixels across
// around `centre` (screen coordinates), each a square block, the middle one
// outlined in black or white, whichever stands out against `centreColor`.
void PaintScreenView(HDC dc, const RECT& picker, POINT centre, COLORREF centreColor);
