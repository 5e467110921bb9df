// The converter's picture geometry (see picture_geometry.h).
#include "picture_geometry.h"

#include "hls.h"

namespace {

// The display resolution the marker's sizes are given for.
constexpr int kBaseDpi = 96;

}  // namespace

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

void MarkerArms(POINT centre, int dpi, RECT arms[4]) {
    if (dpi <= 0) dpi = kBaseDpi;
    const int half = MulDiv(1, dpi, kBaseDpi);  // pixels each side of the arm's middle line
    const int gap = MulDiv(4, dpi, kBaseDpi);
    const int length = MulDiv(6, dpi, kBaseDpi);
    const int x = centre.x, y = centre.y;
    arms[0] = {x - half, y - gap - length, x + half + 1, y - gap};
    arms[1] = {x - half, y + gap + 1, x + half + 1, y + gap + length + 1};
    arms[2] = {x - gap - length, y - half, x - gap, y + half + 1};
    arms[3] = {x + gap + 1, y - half, x + gap + length + 1, y + half + 1};
}

RECT MarkerBox(POINT centre, int dpi) {
    RECT arms[4];
    MarkerArms(centre, dpi, arms);
    return {arms[2].left, arms[0].top, arms[3].right, arms[1].bottom};
}
