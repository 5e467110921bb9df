// Reading one whole text as a colour, the way a colour given at start is read:
// the first character decides the notation.
#pragma once

#include "color_record.h"

// '#' is read as #RGB or #RRGGBB (notation 1); '(' as (R,G,B) or else (R%,G%,B%),
// anything else as one of the colour names, in any letter case (both notation 2).
// A text that starts with '#' or '(' is never looked up as a name. 1 with the
// channels and notation set when the text is a colour; 0 with the record untouched.
int ReadColor(const char* text, ColorRecord* record);
