// The palette's view: the palette as the converter shows it in its list
// (palette_list.h), the commands on its colours (palette_commands.h), the
// list's clicks and keys (palette_notify.h) and its files (palette_files.h).
// The room owns the palette the window holds and the file it is written to
// (palette_state.h); the palette's lines and formats are the palette
// library's. It stands on the fields (a colour recalled is shown there,
// Compare changes the contrast line); the pictures (a kept pick is added) and
// the dialog stand on it.
#pragma once
#include <windows.h>

// The dialog opened: the list, the drop target and the palette it starts with.
void StartPaletteView(HWND dialog);

// The dialog is going away: a new converter starts with the one at start.
void EndPaletteView();

// The converter became the active window: a palette file another program
// changed meanwhile is shown as it is now.
void OnPaletteViewActivated(HWND dialog);
