// The quick result box (IDD_QUICK): the colour found at start, in the other
// main notation, with the choice to quit or go on to the converter.
#pragma once
#include <windows.h>

#include "color_record.h"

// Runs the box modally with no owner. It shows "(r,g,b)" when the colour was read
// from a # notation (notation 1) and "#rrggbb" otherwise. The result is 1 for
// "Main Dialog", 0 for "Exit", Escape or the close box, and -1 when the box could
// not be created.
INT_PTR RunQuickBox(HINSTANCE instance, const ColorRecord* color);
