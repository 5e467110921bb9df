// The palette's status line under its list: which file the palette is, or why
// its changes are not written. Its tooltip and its accessible description
// give the whole path or reason.
#pragma once
#include <windows.h>

// A new dialog's line, whose tooltip is made when the mouse first comes over it.
void SetUpPaletteStatus(HWND dialog);

// A mouse message of the line, for its tooltip.
void RelayPaletteStatusMouse(HWND status, UINT message, WPARAM wParam, LPARAM lParam);

// The line as the palette stands now.
void ShowPaletteStatus(HWND dialog);

// The palette last opened could not be opened at start: the line says so
// until another palette opens or a change is written.
void NoteGonePalette(const char* path);
