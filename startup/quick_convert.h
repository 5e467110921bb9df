// Quick conversion at start: a text that is a colour is shown in the quick
// result box before the converter opens.
#pragma once
#include <windows.h>

#include "color_record.h"

// Reads `text` as a colour by its first character: '#' as #RGB or #RRGGBB
// (notation 1), '(' as (R,G,B) or else (R%,G%,B%), anything else as a colour
// name (both notation 2); failing those, as H,L,S or a CSS colour (notation 1
// when it starts with '#', else 2). If it is a colour, sets the record's
// channels and notation and runs the quick result box; otherwise leaves the
// record alone and shows nothing. 1 when the user ended the box with "Exit" (the program is to end
// here), 0 otherwise.
int QuickConvert(HINSTANCE instance, const char* text, ColorRecord* record);
