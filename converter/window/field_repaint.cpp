// The quicker repaint of a rewritten edit (see field_repaint.h).
//
// Under Wine an edit's own paint costs five round trips to the window server:
// BeginPaint hides the caret and EndPaint shows it again, whether or not the
// edit has one, and the paint's DC, clipped to the update region, has its
// visible region fetched anew. A colour change repaints eight to fourteen
// fields, and those trips were a third of a keystroke's time. A field that was
// only rewritten needs none of it: nothing but its client area is invalid, it
// has no caret, and a plain window DC of the edit is the one the edit measured
// its new text on, which Wine still holds. So the client area is validated
// and the edit draws itself there, background first, as it does for printing.
//
// Anything else invalid at the same time is left to the edit's own paint: only
// the client area is validated here, so a border still invalid brings another
// WM_PAINT, and that one is no longer a rewrite's.
#include "field_repaint.h"

namespace {

// Edits rewritten and not repainted since. A full list only means the usual paint.
HWND s_rewritten[32];
int s_rewrittenCount = 0;
HWND s_focused = nullptr;

int FindRewritten(HWND edit) {
    for (int i = 0; i < s_rewrittenCount; ++i)
        if (s_rewritten[i] == edit) return i;
    return -1;
}

void ForgetRewritten(int index) { s_rewritten[index] = s_rewritten[--s_rewrittenCount]; }

}  // namespace

void NoteFieldFocus(HWND edit, bool focused) {
    if (focused) {
        s_focused = edit;
        // Its caret needs the usual paint from now on.
        const int index = FindRewritten(edit);
        if (index >= 0) ForgetRewritten(index);
    } else if (s_focused == edit) {
        s_focused = nullptr;
    }
}

void NoteFieldRewritten(HWND edit) {
    const int capacity = static_cast<int>(sizeof s_rewritten / sizeof s_rewritten[0]);
    if (edit == s_focused || FindRewritten(edit) >= 0 || s_rewrittenCount == capacity) return;
    s_rewritten[s_rewrittenCount++] = edit;
}

bool RepaintRewrittenField(HWND edit, WNDPROC previous) {
    const int index = FindRewritten(edit);
    if (index < 0) return false;
    ForgetRewritten(index);
    if (edit == s_focused) return false;
    HDC dc = GetDC(edit);
    if (!dc) return false;
    ValidateRect(edit, nullptr);
    CallWindowProcA(previous, edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    CallWindowProcA(previous, edit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ReleaseDC(edit, dc);
    return true;
}
