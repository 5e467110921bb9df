// The magnified view of a pick. The screen is read in the paint itself, so the
// view shows what is there now; its device context is given back at once.
#include "screen_view.h"

#include "picture_geometry.h"

namespace {

// Black on light colours, white on dark ones.
HBRUSH OutlineBrushFor(COLORREF color) {
    const int luma =
        (GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114) / 1000;
    return static_cast<HBRUSH>(GetStockObject(luma >= 128 ? BLACK_BRUSH : WHITE_BRUSH));
}

void StretchScreen(HDC dc, const RECT& view, POINT centre) {
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    // Whole blocks, one colour each: no blending between neighbouring pixels.
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, view.left, view.top, view.right - view.left, view.bottom - view.top, screen,
               centre.x - kMagnifiedPixels / 2, centre.y - kMagnifiedPixels / 2, kMagnifiedPixels,
               kMagnifiedPixels, SRCCOPY);
    if (oldMode) SetStretchBltMode(dc, oldMode);
    ReleaseDC(nullptr, screen);
}

}  // namespace

void PaintScreenView(HDC dc, const RECT& picker, POINT centre, COLORREF centreColor) {
    FillRect(dc, &picker, GetSysColorBrush(COLOR_BTNSHADOW));
    StretchScreen(dc, MagnifiedView(picker), centre);
    // A two-pixel frame just outside the middle block, which itself stays whole.
    RECT frame = MagnifiedCentre(picker);
    HBRUSH outline = OutlineBrushFor(centreColor);
    for (int ring = 0; ring < 2; ++ring) {
        InflateRect(&frame, 1, 1);
        FrameRect(dc, &frame, outline);
    }
}
