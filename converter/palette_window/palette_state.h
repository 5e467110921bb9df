// The palette the converter's window holds, and its file.
#pragma once
#include <windows.h>

#include "palette.h"
#include "palette_file.h"

// The palette's colours, and the GIMP palette file every change is written
// to ("" while it has none). A write that failed has said so; the next failure
// of a run of them says nothing more.
extern Palette g_palette;
extern char g_paletteFile[kPathCapacity];
extern bool g_paletteWriteFailed;
