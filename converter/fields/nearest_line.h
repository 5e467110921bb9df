// The line under the name field: the nearest CSS name of a colour that has
// none of its own, "≈ steelblue (ΔE 0.2)", or "= aqua" for a named colour.
// Screen readers hear it as the name field's description.
#pragma once
#include <windows.h>

#include "color_record.h"

// Writes the line for `color`.
void ShowNearestLine(HWND dialog, const ColorRecord& color);

// Empties it, with the fields, for a text that is no colour.
void ClearNearestLine(HWND dialog);
