// The quicker repaint of a rewritten edit (see field_repaint.h).
//
// Under Wine an edit's own paint costs four round trips to the window server
// and the dialog's walk over its invalid children a fifth: BeginPaint hides
// the caret and EndPaint shows it again, whether or not the edit has one, and
// the paint's DC, clipped to the update region, has its visible region fetched
// anew. A colour change repaints eight to fourteen fields, and those trips were
// a third of a keystroke's time. A field that was only rewritten needs none of
// it: nothing but its client area changed, it has no caret, and a plain window
// DC of the edit is the one the edit measured its new text on, which Wine
// still holds. So the edit draws itself there at once, background first, as
// it does for printing, and its client area is validated: one round trip, or
// one for all the fields of a colour change.
//
// Anything else invalid at the same time, a border say, is left to the edit's
// own paint: only the client area is validated here.
#include "field_repaint.h"

namespace {

HWND s_focused = nullptr;  // the edit with the caret, painted as usual
HRGN s_batch = nullptr;    // while a batch lasts: the fields painted, in the dialog

// Adds the edit's client area to the batch; false when it could not be.
bool AddToBatch(HWND edit) {
    RECT client;
    if (!GetClientRect(edit, &client)) return false;
    MapWindowPoints(edit, GetParent(edit), reinterpret_cast<POINT*>(&client), 2);
    HRGN area = CreateRectRgnIndirect(&client);
    if (!area) return false;
    const bool added = CombineRgn(s_batch, s_batch, area, RGN_OR) != ERROR;
    DeleteObject(area);
    return added;
}

}  // namespace

void NoteFieldFocus(HWND edit, bool focused) {
    if (focused)
        s_focused = edit;
    else if (s_focused == edit)
        s_focused = nullptr;
}

void RepaintRewrittenField(HWND edit, WNDPROC previous) {
    // A dialog not yet shown paints everything once it is.
    if (edit == s_focused || !IsWindowVisible(edit)) return;
    HDC dc = GetDC(edit);
    if (!dc) return;  // left invalid: its own paint will do
    CallWindowProcW(previous, edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    CallWindowProcW(previous, edit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ReleaseDC(edit, dc);
    if (!s_batch || !AddToBatch(edit)) ValidateRect(edit, nullptr);
}

void BeginFieldBatch() {
    if (!s_batch) s_batch = CreateRectRgn(0, 0, 0, 0);  // none: each validated alone
}

// The dialog's own update there goes too: the fields cover it.
void EndFieldBatch(HWND dialog) {
    if (!s_batch) return;
    RECT box;
    if (GetRgnBox(s_batch, &box) != NULLREGION)  // none painted: a hidden dialog, say
        RedrawWindow(dialog, nullptr, s_batch, RDW_VALIDATE | RDW_ALLCHILDREN);
    DeleteObject(s_batch);
    s_batch = nullptr;
}
