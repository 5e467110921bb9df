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
// it does for printing, and its client area is validated: one round trip.
//
// Anything else invalid at the same time, a border say, is left to the edit's
// own paint: only the client area is validated here.
#include "field_repaint.h"

namespace {

HWND s_focused = nullptr;  // the edit with the caret, painted as usual

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
    ValidateRect(edit, nullptr);
}
