// The converter's picture geometry (see picture_geometry.h).
#include "picture_geometry.h"

#include "hls.h"

POINT ArrowTip(const RECT& bar, int lightness) {
    return {bar.right + 2,
            bar.top + (bar.bottom - bar.top - 1) * (kHlsScale - lightness) / kHlsScale};
}

// The arrow reaches one arrow size above and below its tip, and its tip runs
// from the bar's top row to its bottom row.
RECT ArrowColumn(const RECT& bar, int arrowSize) {
    const int x0 = ArrowTip(bar, 0).x;
    return {x0, bar.top - arrowSize, x0 + arrowSize, bar.bottom + arrowSize};
}

// A little wider than the arrow, so that a press just beside it still grabs it.
RECT BarPressArea(const RECT& bar, int arrowSize) {
    return {bar.left, bar.top, bar.right + arrowSize + 4, bar.bottom};
}

POINT MarkerCentre(const RECT& picker, int hue, int saturation) {
    return {picker.left + (picker.right - picker.left - 1) * hue / (kHlsScale - 1),
            picker.top + (picker.bottom - picker.top - 1) * (kHlsScale - saturation) / kHlsScale};
}
