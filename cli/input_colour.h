// Reading one input of palorin-cli as a colour.
#pragma once

#include "color_record.h"

// 1 with the channels set when `text` is a colour as the quick conversion at
// start reads one (#RGB, #RRGGBB, (R,G,B), (R%,G%,B%), a name), or the
// converter's HLS fields in one text, "H,L,S", converted as the converter does;
// 0 with the record untouched otherwise.
int ReadInputColour(const char* text, ColorRecord* color);
