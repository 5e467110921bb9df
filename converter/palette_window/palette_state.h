// The palette the converter's window holds, kept in its file (the palette
// library's document): its colours, the GIMP palette file every change is
// written to ("" while it has none), and whether the last write failed. A
// write that failed has said so; the next failure of a run of them says
// nothing more.
#pragma once
#include "palette_document.h"

extern PaletteDocument g_document;
