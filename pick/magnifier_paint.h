// Painting a pick's magnifier.
#pragma once
#include <windows.h>

#include "frozen_screen.h"

// Paints `across` screen pixels around `point` (physical screen pixels) into
// `area` of `dc`, each a square block, what lies off the screen in the shadow
// colour, the middle block outlined in black or white, whichever stands out
// against `centre` (the pixel at the point, CLR_INVALID where none), and the
// point's coordinates in the bottom left corner. With `averageSide` above 1,
// the square of that many pixels around the point that an averaged pick takes
// is outlined instead of the middle block. The pixels come from `picture`, or
// from the live screen when it is null.
void PaintMagnifier(HDC dc, const RECT& area, int across, POINT point, COLORREF centre,
                    int averageSide, const FrozenScreen* picture);
