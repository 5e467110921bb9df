// A quicker repaint of an edit whose text was rewritten while it had no
// focus, as every colour change rewrites most of the fields. The room owns the
// list of edits waiting for that repaint and which edit has the focus.
#pragma once
#include <windows.h>

// Told by the edit's procedure: it gained or lost the focus, its text was set.
void NoteFieldFocus(HWND edit, bool focused);
void NoteFieldRewritten(HWND edit);

// For the edit's WM_PAINT: paints a rewritten edit without the focus through
// its own procedure `previous` and returns true, or returns false for the
// edit's own paint to do it.
bool RepaintRewrittenField(HWND edit, WNDPROC previous);
