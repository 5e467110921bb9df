// The magnifier (see magnifier_paint.h). Every device context it takes is
// given back in the same paint.
#include "magnifier_paint.h"

#include "magnifier_geometry.h"
#include "physical_pixels.h"

namespace {

// Black on light colours, white on dark ones.
HBRUSH OutlineBrushFor(COLORREF color) {
    const int luma =
        (GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114) / 1000;
    return static_cast<HBRUSH>(GetStockObject(luma >= 128 ? BLACK_BRUSH : WHITE_BRUSH));
}

// Whole blocks, one colour each: no blending between neighbouring pixels.
void StretchBlocks(HDC dc, const MagnifierLayout& layout, HDC source, POINT sourceOrigin) {
    const RECT& from = layout.source;
    const RECT& to = layout.target;
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source,
               from.left - sourceOrigin.x, from.top - sourceOrigin.y, from.right - from.left,
               from.bottom - from.top, SRCCOPY);
    if (oldMode) SetStretchBltMode(dc, oldMode);
}

void StretchFrozen(HDC dc, const MagnifierLayout& layout, const FrozenScreen& picture) {
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    HGDIOBJ old = SelectObject(memory, picture.bitmap);
    StretchBlocks(dc, layout, memory, {picture.area.left, picture.area.top});
    SelectObject(memory, old);
    DeleteDC(memory);
}

void StretchLive(HDC dc, const MagnifierLayout& layout) {
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    if (HDC screen = GetDC(nullptr)) {
        StretchBlocks(dc, layout, screen, {0, 0});
        ReleaseDC(nullptr, screen);
    }
    LeavePhysicalPixels(previous);
}

// A two-pixel frame just outside the middle block (or the averaged square),
// which itself stays whole.
void FrameCentre(HDC dc, const RECT& centre, COLORREF pixel) {
    RECT frame = centre;
    HBRUSH outline = pixel == CLR_INVALID ? static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))
                                          : OutlineBrushFor(pixel);
    for (int ring = 0; ring < 2; ++ring) {
        InflateRect(&frame, 1, 1);
        FrameRect(dc, &frame, outline);
    }
}

// White on a black box of its own, so that it reads over any colour.
void LabelPoint(HDC dc, const RECT& grid, POINT point) {
    char text[32];
    const int length = wsprintfA(text, "%ld, %ld", point.x, point.y);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size;
    if (GetTextExtentPoint32A(dc, text, length, &size)) {
        const RECT box = {grid.left, grid.bottom - size.cy - 2, grid.left + size.cx + 4,
                          grid.bottom};
        const COLORREF oldText = SetTextColor(dc, RGB(255, 255, 255));
        const COLORREF oldBack = SetBkColor(dc, RGB(0, 0, 0));
        ExtTextOutA(dc, box.left + 2, box.top + 1, ETO_OPAQUE | ETO_CLIPPED, &box, text,
                    static_cast<UINT>(length), nullptr);
        SetBkColor(dc, oldBack);
        SetTextColor(dc, oldText);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace

void PaintMagnifier(HDC dc, const RECT& area, int across, POINT point, COLORREF centre,
                    int averageSide, const FrozenScreen* picture) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNSHADOW));
    const RECT screen = picture ? picture->area : VirtualScreenRect();
    const MagnifierLayout layout = LayOutMagnifier(area, across, point, screen);
    if (layout.block == 0) return;
    if (!IsRectEmpty(&layout.source)) {
        if (picture)
            StretchFrozen(dc, layout, *picture);
        else
            StretchLive(dc, layout);
    }
    // The averaged square, as far as the magnifier shows it.
    RECT square = layout.centre;
    const int reach = averageSide / 2 * layout.block;
    InflateRect(&square, reach, reach);
    IntersectRect(&square, &square, &layout.grid);
    FrameCentre(dc, square, centre);
    LabelPoint(dc, layout.grid, point);
}
