// The focus ring (see face_cues.h). It follows the system colours at every
// paint, so a change of theme shows at the next one.
#include "face_cues.h"

#include "dialog_control.h"
#include "resource.h"

namespace {

// Every other pixel, as the platform's own focus rectangles are dotted; rows
// of a monochrome bitmap are padded to 16 bits.
const WORD kDots[8] = {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa};

// The ring lies in the dialog's own client area, just outside the control.
bool FocusRing(HWND picture, RECT* ring) {
    HWND dialog = GetParent(picture);
    if (!dialog || !GetWindowRect(picture, ring)) return false;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(ring), 2);
    return InflateRect(ring, 1, 1) != FALSE;
}

// A monochrome pattern brush draws in the context's text and background colours.
void PaintDottedRing(HDC dc, const RECT& ring) {
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, kDots);
    if (!pattern) return;
    HBRUSH dots = CreatePatternBrush(pattern);
    if (dots) {
        const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        FrameRect(dc, &ring, dots);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
        DeleteObject(dots);
    }
    DeleteObject(pattern);
}

}  // namespace

// Only the ring's four edges, erased to the face colour: the picture inside
// needn't be painted again, and a ring that lost the focus is gone.
void InvalidateFocusRing(HWND picture) {
    RECT ring;
    if (!FocusRing(picture, &ring)) return;
    const RECT edges[4] = {{ring.left, ring.top, ring.right, ring.top + 1},
                           {ring.left, ring.bottom - 1, ring.right, ring.bottom},
                           {ring.left, ring.top, ring.left + 1, ring.bottom},
                           {ring.right - 1, ring.top, ring.right, ring.bottom}};
    for (const RECT& edge : edges)
        RedrawWindow(GetParent(picture), &edge, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
}

// The face around a picture without the focus is the dialog's background.
void PaintFocusRing(HDC dc, HWND dialog) {
    HWND focus = GetFocus();
    RECT ring;
    if (focus &&
        (focus == DialogControl(dialog, IDC_PICKER) ||
         focus == DialogControl(dialog, IDC_LUMBAR)) &&
        !(SendMessageA(focus, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) && FocusRing(focus, &ring))
        PaintDottedRing(dc, ring);
}
