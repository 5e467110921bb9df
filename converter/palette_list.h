// The palette's list view: a virtual list whose items the palette model gives
// on demand, each a swatch and "#rrggbb name", so that 500 colours cost no
// more than 5; and the user's clicks and keys on it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

// Gives the list its one column and room for a swatch before each text.
void SetUpPaletteList(HWND dialog);

// Shows the palette as the model holds it; `front` selects and shows the first
// colour, as after an add.
void ShowPalette(HWND dialog, bool front);

// The list's notifications: its items' texts, the swatches, clicks and keys.
// True when handled, with the result set for the dialog manager.
bool OnPaletteNotify(HWND dialog, const NMHDR* header);

// The selected entries, in order, at most `capacity`; returns how many.
size_t SelectedPaletteEntries(HWND dialog, size_t* entries, size_t capacity);

// The entry with the focus rectangle, or -1.
int FocusedPaletteEntry(HWND dialog);
