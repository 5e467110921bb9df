// The converter's current colour (see current_colour.h).
#include "current_colour.h"

ColorRecord* g_color = nullptr;
HlsTriple g_hls = {};

void SetCurrentColourRecord(ColorRecord* color) { g_color = color; }

bool HasCurrentColour() { return g_color != nullptr; }

ColorRecord& CurrentColour() { return *g_color; }

HlsTriple& CurrentHls() { return g_hls; }
