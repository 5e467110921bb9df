// The palette's files: the one it opens with, Open, Save, a dropped file,
// and writing the palette's own file after every change.
#pragma once
#include <windows.h>
#include <shellapi.h>

// The palette a converter opens with: a file named on the command line, or
// else palorin.gpl beside palorin.exe when there is one. Null for the latter.
void SetStartPalette(const char* path);
void OpenStartPalette(HWND dialog);

// After every change of a palette that has a file: all of it, at once, so
// that nothing is lost when the program ends, crashes or is killed. A failure
// keeps the palette and the old file and says so once.
void WritePaletteFile(HWND dialog);

// A warning of up to four parts, in a message box over the dialog.
void SayAboutPalette(HWND dialog, const char* first, const char* second = "",
                     const char* third = "", const char* fourth = "");

// The platform's Open and Save dialogs, and a file dropped on the converter.
// Save is true when the palette was saved.
void OpenPaletteByDialog(HWND dialog);
bool SavePaletteByDialog(HWND dialog);
void OpenDroppedPalette(HWND dialog, HDROP drop);

// Whether the converter may close: when colours are not written (writes fail,
// or the palette has no file), the user is asked to save them elsewhere
// first, or to close without them, or not to close.
bool MayClosePalette(HWND dialog);

// Saves the palette in the format of the name's extension (.gpl, .css, .json,
// .txt); a GIMP palette saved becomes the palette's file. A failure is said in
// a message. True when written.
bool SavePaletteFile(HWND dialog, const char* path);

// Opens a palette file, replacing the palette in the window; a file that is no
// palette is refused with a message (none when `quiet`), and nothing changes.
// True when opened.
bool OpenPaletteFile(HWND dialog, const char* path, bool quiet);
