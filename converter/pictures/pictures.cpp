// The pictures' own state, and what a colour change repaints (see pictures.h).
#include "pictures.h"

#include "coordinates.h"
#include "picture_geometry.h"
#include "resource.h"

DragMode g_dragMode = DRAG_NONE;
ScreenPick g_pick = {};
HBITMAP g_pickerBitmap = nullptr;
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

}  // namespace

void StartPictures() {
    // Three quarters of the average character width: the arrow scales with the font.
    g_arrowSize = static_cast<uint16_t>(LOWORD(GetDialogBaseUnits()) * 3 / 4);
    g_dragMode = DRAG_NONE;
}

void InvalidatePictures(HWND dialog, UpdateMask mask) {
    InvalidateControl(dialog, IDC_SWATCH);
    if (mask & UPD_PICKER) InvalidateControl(dialog, IDC_PICKER);
    if (mask & UPD_LUMBAR) InvalidateControl(dialog, IDC_LUMBAR);
    if (mask & UPD_ARROW) InvalidateArrowColumn(dialog);
}

bool PickingFromScreen() { return g_dragMode == DRAG_SCREEN; }

bool MouseBusy() { return g_dragMode != DRAG_NONE; }
