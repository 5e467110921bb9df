// A quicker repaint of an edit whose text was rewritten while it had no
// focus, as every colour change rewrites most of the fields. The room owns
// which edit has the focus, as the edits' procedure tells it.
#pragma once
#include <windows.h>

// Told by the edit's procedure: it gained or lost the focus.
void NoteFieldFocus(HWND edit, bool focused);

// For an edit whose text was just set: unless it has the focus, paints its
// client area now through its own procedure `previous` and validates it, at
// once or, while a batch of writes lasts, at the batch's end.
void RepaintRewrittenField(HWND edit, WNDPROC previous);

// A batch of field writes in `dialog`: the client areas of the fields painted
// meanwhile are validated together at its end, one round trip to the window
// server instead of one a field. Nothing else may invalidate a field between.
void BeginFieldBatch();
void EndFieldBatch(HWND dialog);
