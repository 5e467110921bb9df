// What the dialog draws on its own face beside the pictures, in colours that
// show in any colour scheme, high-contrast themes included: the luminance
// arrow and the focus ring around the picker or the bar. The pictures show
// colours and stay as they are.
#pragma once
#include <windows.h>

// The brush the arrow is filled with: black, or the theme's button text colour
// where that stands further from the dialog's face in lightness (a dark or
// high-contrast theme, whose face may be black). A stock or system brush: the
// caller does not delete it.
HBRUSH ArrowBrush();

// Marks the ring around `picture` (the picker or the bar) for repainting, after
// its focus or the keyboard cues changed.
void InvalidateFocusRing(HWND picture);

// Paints the ring one pixel outside the border of the picker or the bar,
// whichever has the focus, while the keyboard cues show: dotted in the
// theme's button text colour on its face colour.
void PaintFocusRing(HDC dc, HWND dialog);
