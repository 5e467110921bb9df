// The palette the converter's window holds (see palette_state.h).
#include "palette_state.h"

PaletteDocument g_document = {};
