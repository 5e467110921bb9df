// One picture of the whole virtual screen, taken when a frozen pick starts, so
// that what the pick reads can't change under it (a hover effect, a tooltip, a
// menu that closes).
#pragma once
#include <windows.h>

struct FrozenScreen {
    HBITMAP bitmap;     // a top-down 32-bit DIB section, about 4 bytes a screen pixel
    const DWORD* bits;  // its pixels, row after row, 0x00RRGGBB
    RECT area;          // the part of the screen it shows, in physical pixels
};

// Takes the picture of `area` (physical pixels; the caller is per-monitor DPI
// aware where the platform has it). False with nothing kept if it can't.
bool FreezeScreen(const RECT& area, FrozenScreen* picture);

// Gives the picture's memory back; the picture is empty afterwards.
void ThawScreen(FrozenScreen* picture);

// The picture's pixel at a screen point, CLR_INVALID outside it.
COLORREF FrozenPixel(const FrozenScreen& picture, POINT point);
