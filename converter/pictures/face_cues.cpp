// The arrow's colour and the focus ring (see face_cues.h). Both follow the
// system colours at every paint, so a change of theme shows at the next one.
#include "face_cues.h"

#include "dialog_control.h"
#include "hls.h"
#include "resource.h"

namespace {

// Every other pixel, as the platform's own focus rectangles are dotted; rows
// of a monochrome bitmap are padded to 16 bits.
const WORD kDots[8] = {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa};

int LightnessOf(COLORREF color) {
    uint8_t hue, lightness, saturation;
    RgbToHls(GetRValue(color), GetGValue(color), GetBValue(color), &hue, &lightness, &saturation);
    return lightness;
}

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

// Black stands as far from the face as the face's lightness; the text colour
// is taken only when it stands further. Where the text is black, as in the
// usual themes, the arrow stays the stock black.
HBRUSH ArrowBrush() {
    const int face = LightnessOf(GetSysColor(COLOR_BTNFACE));
    const int text = LightnessOf(GetSysColor(COLOR_BTNTEXT));
    const int fromText = text > face ? text - face : face - text;
    if (fromText > face) return GetSysColorBrush(COLOR_BTNTEXT);
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

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
// Most paints of the dialog are of a swatch or an arrow elsewhere, and asking
// for the focus is a round trip to the window server under Wine: it is asked
// only where a ring would be painted.
void PaintFocusRing(HDC dc, HWND dialog) {
    static const int kPictures[] = {IDC_PICKER, IDC_LUMBAR};
    HWND focus = nullptr;
    bool asked = false;
    for (int id : kPictures) {
        HWND picture = DialogControl(dialog, id);
        RECT ring;
        if (!picture || !FocusRing(picture, &ring) || !RectVisible(dc, &ring)) continue;
        if (!asked) focus = GetFocus(), asked = true;
        if (focus == picture && !(SendMessageA(picture, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
            PaintDottedRing(dc, ring);
    }
}
