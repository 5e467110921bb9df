// Mouse picking on the converter's pictures: a drag on the picker sets hue and
// saturation, a drag on the luminance bar or its arrow column sets lightness.
// The dialog holds the capture and confines the cursor for the whole drag.
#include "picture_mouse.h"

#include <windowsx.h>

#include "converter_pick.h"
#include "coordinates.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "picture_geometry.h"
#include "pictures.h"
#include "resource.h"

namespace {

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void MoveCursorTo(HWND dialog, POINT point) {
    if (ClientToScreen(dialog, &point)) SetCursorPos(point.x, point.y);
}

void ConfineCursor(HWND dialog, RECT area) {
    if (MapRectToScreen(dialog, &area)) ClipCursor(&area);
}

// `offset` pixels along a control `extent` pixels long, on a 0..`scale` scale.
// Points past either end count as that end: they arise only when the cursor
// escaped its confinement, and an 8-bit hue or lightness must not wrap. A
// control one pixel long has a single value, 0.
int ScaleOffset(int offset, int extent, int scale) {
    if (extent <= 1 || offset <= 0) return 0;
    if (offset >= extent - 1) return scale;
    return offset * scale / (extent - 1);
}

// Sets hue and saturation, or lightness, from a point of the dialog, as the
// drag in progress does; the fields and the bar or the arrow follow, and the
// picker too when `picker` (its marker hidden while the drag lasts).
void PickAt(HWND dialog, POINT point, UpdateMask picker) {
    HWND control = DialogControl(dialog, g_dragMode == DRAG_PICKER ? IDC_PICKER : IDC_LUMBAR);
    RECT client;
    if (!control || !MapPointToChild(dialog, control, &point) || !GetClientRect(control, &client))
        return;
    const int width = client.right, height = client.bottom;
    // Rows count from the bottom: the top row is full saturation or white.
    const int rise = height - point.y - 1;
    HlsTriple& hls = CurrentHls();
    if (g_dragMode == DRAG_PICKER) {
        hls.hue = static_cast<uint8_t>(ScaleOffset(point.x, width, kHlsScale - 1));
        hls.saturation = static_cast<uint8_t>(ScaleOffset(rise, height, kHlsScale));
        RefreshConverter(dialog, MASK_PICKER_DRAG | picker);
    } else {
        hls.lightness = static_cast<uint8_t>(ScaleOffset(rise, height, kHlsScale));
        RefreshConverter(dialog, MASK_LUMBAR_DRAG);
    }
    // Every field now shows the picked colour, even after a rejected text had
    // emptied them: it can be inverted again.
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

// A press picks where it is pressed, a quick tap included: the moves of a
// drag may come after its release, and the press has the point already. The
// picker is repainted to hide its marker.
void StartPickerDrag(HWND dialog, const RECT& picker, POINT point) {
    SetCapture(dialog);
    g_dragMode = DRAG_PICKER;
    ConfineCursor(dialog, picker);
    PickAt(dialog, point, UPD_PICKER);
    MoveCursorTo(dialog, point);
}

// Nothing changes until the first move: a press alone keeps the colour.
void StartLuminanceDrag(HWND dialog, const RECT& bar, POINT point) {
    SetCapture(dialog);
    g_dragMode = DRAG_LUMINANCE;
    MoveCursorTo(dialog, point);
    // Up and down only: the cursor stays in the press area's part right of the bar.
    RECT column = BarPressArea(bar, g_arrowSize);
    column.left = bar.right;
    ConfineCursor(dialog, column);
}

// Ends a drag however it ended. The mode is cleared first: releasing the
// capture sends WM_CAPTURECHANGED back here, which then finds no drag to end.
void EndDrag(HWND dialog, bool releaseCapture) {
    DragMode mode = g_dragMode;
    if (mode == DRAG_NONE) return;
    g_dragMode = DRAG_NONE;
    ClipCursor(nullptr);
    if (releaseCapture) ReleaseCapture();
    if (mode == DRAG_PICKER) RefreshConverter(dialog, MASK_PICKER_ONLY);  // marker back
}

}  // namespace

void OnMouseDown(HWND dialog, LPARAM lParam) {
    POINT point = PointOf(lParam);
    RECT picker, bar;
    if (GetControlRectInDialog(dialog, IDC_PICKER, &picker) && PtInRect(&picker, point)) {
        StartPickerDrag(dialog, picker, point);
        return;
    }
    if (GetControlRectInDialog(dialog, IDC_LUMBAR, &bar)) {
        const RECT pressArea = BarPressArea(bar, g_arrowSize);
        if (PtInRect(&pressArea, point)) {
            StartLuminanceDrag(dialog, bar, point);
            return;
        }
    }
    RECT swatch;
    if (GetControlRectInDialog(dialog, IDC_SWATCH, &swatch) && PtInRect(&swatch, point))
        StartHeldPick(dialog);
}

// A pick from the screen hears of the mouse through its own window.
void OnMouseMove(HWND dialog, LPARAM lParam) {
    if (g_dragMode == DRAG_PICKER || g_dragMode == DRAG_LUMINANCE)
        PickAt(dialog, PointOf(lParam), 0);
}

void OnMouseUp(HWND dialog) {
    if (g_dragMode != DRAG_SCREEN) EndDrag(dialog, true);
}

// Another window took the capture: the drag ends as a release would, so the
// cursor is not left confined. Our own ReleaseCapture ends here too, with no drag
// left. A pick from the screen takes the capture for its own window.
void OnCaptureLost(HWND dialog, HWND newOwner) {
    if (newOwner == dialog || g_dragMode == DRAG_SCREEN) return;
    EndDrag(dialog, false);
}

// The platform takes the capture from a destroyed window without telling it,
// and would leave the cursor confined to where the picker was.
void CancelDrag(HWND dialog) {
    AbandonConverterPick();
    if (g_dragMode == DRAG_NONE) return;
    g_dragMode = DRAG_NONE;
    ClipCursor(nullptr);
    if (GetCapture() == dialog) ReleaseCapture();
}
