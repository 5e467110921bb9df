// What the user does with the palette's colours: add, recall, remove, copy
// and compare. Each change is written to the palette's file (palette_files.h).
#pragma once
#include <windows.h>

#include <cstddef>

#include "color_record.h"

// A colour for the palette (Add, Ctrl+D, a kept pick): added at its front, or,
// when the palette has it, selected where it stands and nothing written.
void AddColourToPalette(HWND dialog, const ColorRecord& color);

// Colours added as one command (Add tints and shades): one write, and one
// Ctrl+Z takes them all back.
void AddColoursToPalette(HWND dialog, const ColorRecord* colours, size_t count);

// The entry becomes the current colour: every field, the HLS from the colour,
// the pictures.
void RecallPaletteEntry(HWND dialog, size_t entry);

// Removes the selected entries.
void RemoveSelectedEntries(HWND dialog);

// Takes back the palette's last change (Ctrl+Z), written like any change.
void UndoPaletteChange(HWND dialog);

// Copies the entry in the notation of an IDM_COPY_ command to the clipboard.
void CopyPaletteEntry(HWND dialog, size_t entry, int command);

// The right-click menu of an entry, at a point of the screen.
void ShowPaletteMenu(HWND dialog, size_t entry, POINT at);

// What a command of that menu does to the entry, which must be below the
// palette's size: IDM_COPY_*, IDM_COMPARE (chosen again on the compared
// colour, back to white and black), IDM_REMOVE or IDM_UNDO.
void RunPaletteMenuCommand(HWND dialog, size_t entry, int command);
