// The user's clicks and keys on the palette's list, and what the list asks of
// its owner.
#pragma once
#include <windows.h>
#include <commctrl.h>

// The list's notifications: its items' texts, the swatches, clicks and keys.
// True when handled, with the result set for the dialog manager.
bool OnPaletteNotify(HWND dialog, const NMHDR* header);
