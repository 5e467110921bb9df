// The pictures' own state, and what a colour change repaints (see pictures.h).
#include "pictures.h"

#include "coordinates.h"
#include "current_colour.h"
#include "picture_geometry.h"
#include "resource.h"

DragMode g_dragMode = DRAG_NONE;
ScreenPick g_pick = {};
PicturesShown g_shown = {};
uint16_t g_arrowSize = 0;

namespace {

void InvalidateDialogRect(HWND dialog, const RECT& rect) {
    RedrawWindow(dialog, &rect, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void InvalidateControl(HWND dialog, int id) {
    RECT rect;
    if (GetControlRectInDialog(dialog, id, &rect)) InvalidateDialogRect(dialog, rect);
}

void InvalidateArrowColumn(HWND dialog) {
    RECT bar;
    if (GetControlRectInDialog(dialog, IDC_LUMBAR, &bar))
        InvalidateDialogRect(dialog, ArrowColumn(bar, g_arrowSize));
}

bool SameColour(const ColorRecord& a, const ColorRecord& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The whole picker while a pick's magnifier is or was on it, or nothing is
// known of it; otherwise the marker's old place and its new one, where it has one.
void InvalidatePicker(HWND dialog) {
    const PicturesShown& shown = g_shown;
    RECT picker;
    if (shown.picker == PickerShows::kUnknown || shown.picker == PickerShows::kMagnifier ||
        PickingFromScreen() || !GetControlRectInDialog(dialog, IDC_PICKER, &picker)) {
        InvalidateControl(dialog, IDC_PICKER);
        return;
    }
    const bool markerShown = g_dragMode != DRAG_PICKER;
    const RECT box =
        MarkerBox(MarkerCentre(picker, CurrentHls().hue, CurrentHls().saturation), shown.dpi);
    const bool wasShown = shown.picker == PickerShows::kImageAndMarker;
    if (wasShown == markerShown && (!markerShown || EqualRect(&box, &shown.markerBox))) return;
    // The arms are clipped to the picker when painted, and so is what they repaint.
    RECT part;
    if (wasShown && IntersectRect(&part, &shown.markerBox, &picker))
        InvalidateDialogRect(dialog, part);
    if (markerShown && IntersectRect(&part, &box, &picker)) InvalidateDialogRect(dialog, part);
}

}  // namespace

void StartPictures() {
    // Three quarters of the average character width: the arrow scales with the font.
    g_arrowSize = static_cast<uint16_t>(LOWORD(GetDialogBaseUnits()) * 3 / 4);
    g_dragMode = DRAG_NONE;
    g_shown = {};
}

void InvalidatePictures(HWND dialog, UpdateMask mask) {
    const PicturesShown& shown = g_shown;
    const HlsTriple& hls = CurrentHls();
    if (!shown.swatchKnown || !SameColour(shown.swatch, CurrentColour())) {
        // The swatch and the three beside it in one rectangle: one request
        // to the window server instead of four.
        RECT swatch, seen;
        if (GetControlRectInDialog(dialog, IDC_SWATCH, &swatch) &&
            GetControlRectInDialog(dialog, IDC_SEEN_LAST, &seen)) {
            UnionRect(&swatch, &swatch, &seen);
            InvalidateDialogRect(dialog, swatch);
        }
    }
    if (mask & UPD_PICKER) InvalidatePicker(dialog);
    if ((mask & UPD_LUMBAR) && (!shown.barKnown || shown.barHue != hls.hue ||
                                shown.barSaturation != hls.saturation))
        InvalidateControl(dialog, IDC_LUMBAR);
    if ((mask & UPD_ARROW) && (!shown.arrowKnown || shown.arrowLightness != hls.lightness))
        InvalidateArrowColumn(dialog);
}

bool PickingFromScreen() { return g_dragMode == DRAG_SCREEN; }

bool MouseBusy() { return g_dragMode != DRAG_NONE; }
