// The palette the converter's window holds (see palette_state.h).
#include "palette_state.h"

Palette g_palette = {};
char g_paletteFile[kPathCapacity] = "";
bool g_paletteWriteFailed = false;
