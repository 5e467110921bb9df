// The one place a palette reads a colour written as text: a line of a plain
// text palette.
#pragma once

#include "color_record.h"

// 1 with the channels set when `text` (NUL-terminated) is a colour as Palorin
// reads one: #RGB, #RRGGBB, (R,G,B), (R%,G%,B%), a colour name, or the
// converter's HLS fields in one text, "H,L,S"; 0 with the record untouched.
int ReadPaletteColourText(const char* text, ColorRecord* colour);
