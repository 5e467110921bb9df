// A quicker repaint of an edit whose text was rewritten while it had no
// focus, as every colour change rewrites most of the fields. The room owns
// which edit has the focus, as the edits' procedure tells it.
#pragma once
#include <windows.h>

// Told by the edit's procedure: it gained or lost the focus.
void NoteFieldFocus(HWND edit, bool focused);

// For an edit whose text was just set: unless it has the focus, paints its
// client area now through its own procedure `previous` and validates it.
void RepaintRewrittenField(HWND edit, WNDPROC previous);
