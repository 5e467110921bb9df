// What the user does with the palette: add, recall, remove, copy, compare,
// open, save and drop; and writing the palette's file after every change.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <cstddef>

#include "color_record.h"

// The palette a converter opens with: a file named on the command line, or
// else palorin.gpl beside palorin.exe when there is one. Null for the latter.
void SetStartPalette(const char* path);
void OpenStartPalette(HWND dialog);

// The colour at the front of the palette (Add, Ctrl+D, a kept pick): added, or
// moved there when the palette has it.
void AddColourToPalette(HWND dialog, const ColorRecord& color);

// The entry becomes the current colour: every field, the HLS from the colour,
// the pictures.
void RecallPaletteEntry(HWND dialog, size_t entry);

// Removes the selected entries.
void RemoveSelectedEntries(HWND dialog);

// Copies the entry in the notation of an IDM_COPY_ command to the clipboard.
void CopyPaletteEntry(HWND dialog, size_t entry, int command);

// The right-click menu of an entry, at a point of the screen.
void ShowPaletteMenu(HWND dialog, size_t entry, POINT at);

// What a command of that menu does to the entry, which must be below the
// palette's size: IDM_COPY_*, IDM_COMPARE (chosen again on the compared
// colour, back to white and black) or IDM_REMOVE.
void RunPaletteMenuCommand(HWND dialog, size_t entry, int command);

// The platform's Open and Save dialogs, and a file dropped on the converter.
void OpenPaletteByDialog(HWND dialog);
void SavePaletteByDialog(HWND dialog);
void OpenDroppedPalette(HWND dialog, HDROP drop);

// Saves the palette in the format of the name's extension (.gpl, .css, .json,
// .txt); a GIMP palette saved becomes the palette's file. A failure is said in
// a message. True when written.
bool SavePaletteFile(HWND dialog, const char* path);

// Opens a palette file, replacing the palette in the window; a file that is no
// palette is refused with a message (none when `quiet`), and nothing changes.
// True when opened.
bool OpenPaletteFile(HWND dialog, const char* path, bool quiet);
