// Painting the converter's pictures: the luminance bar with its arrow, the
// hue/saturation picker with its marker, and the swatch. The dialog paints them
// itself, over transparent statics that only give their places and borders.
#include "picture_paint.h"

#include "coordinates.h"
#include "current_colour.h"
#include "face_cues.h"
#include "picture_geometry.h"
#include "picture_images.h"
#include "pictures.h"
#include "resource.h"
#include "screen_pick.h"
#include "seen_colour.h"

namespace {

// The arrow points at the bar's row for the current lightness. A refresh
// invalidates its column without erasing it, so the old arrow is wiped here first.
void PaintArrow(HDC dc, const RECT& bar) {
    const int a = g_arrowSize;
    const RECT column = ArrowColumn(bar, a);
    if (!RectVisible(dc, &column)) return;
    g_shown.arrowKnown = true;
    g_shown.arrowLightness = CurrentHls().lightness;
    FillRect(dc, &column, GetSysColorBrush(COLOR_BTNFACE));

    const POINT tip = ArrowTip(bar, CurrentHls().lightness);
    const int x0 = tip.x, y0 = tip.y;
    // Outside a path the lines would be drawn with the pen instead.
    if (!BeginPath(dc)) return;
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x0 + a, y0 - a);
    LineTo(dc, x0 + a, y0 + a);
    LineTo(dc, x0, y0);
    EndPath(dc);
    HGDIOBJ previous = SelectObject(dc, ArrowBrush());
    FillPath(dc);
    if (previous) SelectObject(dc, previous);
}

// The bar follows the current hue and saturation, so its image is made afresh.
void PaintBar(HDC dc, const RECT& bar) {
    if (!RectVisible(dc, &bar)) return;
    g_shown.barKnown = true;
    g_shown.barHue = CurrentHls().hue;
    g_shown.barSaturation = CurrentHls().saturation;
    PaintBarImage(dc, CurrentHls().hue, CurrentHls().saturation, bar);
}

// A crosshair with a gap in the middle, so the picked colour stays visible. It
// grows with the display's resolution, as the picker itself does.
void PaintMarker(HDC dc, const RECT& picker) {
    RECT arms[4];
    const POINT centre = MarkerCentre(picker, CurrentHls().hue, CurrentHls().saturation);
    MarkerArms(centre, g_shown.dpi, arms);
    g_shown.picker = PickerShows::kImageAndMarker;
    g_shown.markerBox = MarkerBox(centre, g_shown.dpi);
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const RECT& arm : arms) FillRect(dc, &arm, black);
}

// The marker is hidden while the picker is dragged, so it doesn't trail the
// cursor. During a pick from the screen the picker shows the pick's magnifier.
void PaintPicker(HDC dc, const RECT& picker) {
    if (!RectVisible(dc, &picker)) return;
    g_shown.dpi = GetDeviceCaps(dc, LOGPIXELSX);
    HRGN clip = CreateRectRgnIndirect(&picker);
    bool clipped = clip && SelectClipRgn(dc, clip) != ERROR;
    if (clip) DeleteObject(clip);  // the DC keeps its own copy

    if (PickingFromScreen()) {
        g_shown.picker = PickerShows::kMagnifier;
        PaintPickMagnifier(dc, picker);
        SelectClipRgn(dc, nullptr);
        return;
    }
    PaintPickerImage(dc, picker);
    g_shown.picker = PickerShows::kImage;
    // Without the clip the arms could spill over the picker's border.
    if (clipped && g_dragMode != DRAG_PICKER) PaintMarker(dc, picker);
    SelectClipRgn(dc, nullptr);
}

void FillWithColour(HDC dc, const RECT& rect, const ColorRecord& colour) {
    HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
    if (!brush) return;
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void PaintSwatch(HDC dc, const RECT& swatch) {
    if (!RectVisible(dc, &swatch)) return;
    g_shown.swatchKnown = true;
    g_shown.swatch = CurrentColour();
    FillWithColour(dc, swatch, CurrentColour());
}

// The small swatches beside the main one, each the colour as seen with one
// colour-vision deficiency, in Vision's order.
void PaintSeenSwatches(HDC dc, HWND dialog) {
    for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) {
        RECT rect;
        if (GetControlRectInDialog(dialog, id, &rect) && RectVisible(dc, &rect))
            FillWithColour(dc, rect, SeenColour(id));
    }
}

}  // namespace

INT_PTR OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (!dc) return 0;
    RECT rect;
    if (GetControlRectInDialog(dialog, IDC_LUMBAR, &rect)) {
        PaintArrow(dc, rect);
        PaintBar(dc, rect);
    }
    if (GetControlRectInDialog(dialog, IDC_PICKER, &rect)) PaintPicker(dc, rect);
    if (GetControlRectInDialog(dialog, IDC_SWATCH, &rect)) PaintSwatch(dc, rect);
    PaintSeenSwatches(dc, dialog);
    PaintFocusRing(dc, dialog);
    EndPaint(dialog, &paint);
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    return 1;
}
