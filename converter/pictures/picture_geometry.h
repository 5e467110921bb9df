// Where the parts of the converter's pictures lie, from the picture rectangles
// in the dialog's client coordinates. Painting, invalidation and the mouse all
// take their places from here, so they can't disagree.
#pragma once
#include <windows.h>

// The tip of the luminance arrow: two pixels right of the bar, at the bar's row
// for `lightness` (the top row for 240, the bottom row for 0).
POINT ArrowTip(const RECT& bar, int lightness);

// The column right of the bar that the arrow is painted in, at any lightness;
// it is erased as a whole before the arrow is drawn.
RECT ArrowColumn(const RECT& bar, int arrowSize);

// Where a press starts a luminance drag: the bar and, right of it, room to grab
// the arrow.
RECT BarPressArea(const RECT& bar, int arrowSize);

// The centre of the picker's crosshair: hue 0 at the left column, 239 at the
// right; saturation 240 at the top row, 0 at the bottom.
POINT MarkerCentre(const RECT& picker, int hue, int saturation);

// The four arms of the crosshair around `centre` (above, below, left, right),
// left and top inclusive. At 96 DPI each arm is three pixels thick and six long,
// four pixels clear of the centre; at `dpi` every one of those is scaled by
// dpi / 96 to the nearest pixel, so the marker keeps its look on a larger display.
void MarkerArms(POINT centre, int dpi, RECT arms[4]);

// The smallest rectangle holding all four arms of the crosshair around `centre`.
RECT MarkerBox(POINT centre, int dpi);
