// The palette's view: the palette as the converter shows it in its list, the
// commands on its colours and its files. The room owns the palette the window
// holds and the file it is written to; the palette's lines and formats are
// the palette library's. The state is in palette_state.h. It stands on the fields (a colour recalled is shown
// there, Compare changes the contrast line); the pictures (a kept pick is
// added) and the dialog stand on it.
#pragma once
#include <windows.h>

// The dialog opened: the list, the drop target and the palette it starts with.
void StartPaletteView(HWND dialog);

// The dialog is going away: a new converter starts with the one at start.
void EndPaletteView();
