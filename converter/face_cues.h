// The focus ring the dialog draws on its own face around the picker or the bar,
// in the theme's colours.
#pragma once
#include <windows.h>

// Marks the ring around `picture` (the picker or the bar) for repainting, after
// its focus or the keyboard cues changed.
void InvalidateFocusRing(HWND picture);

// Paints the ring one pixel outside the border of the picker or the bar,
// whichever has the focus, while the keyboard cues show: dotted in the
// theme's button text colour on its face colour.
void PaintFocusRing(HDC dc, HWND dialog);
