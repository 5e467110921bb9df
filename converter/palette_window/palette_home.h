// Where the user's own palette lives, and the settings file beside it: the
// program's folder when a palorin.gpl stands there (a portable copy), else
// Palorin in the user's roaming application-data folder.
#pragma once

// The folder for a converter opened in this process from now on, instead of
// the one found (null: found again): tests of the dialog in their own process
// give one of their own.
void UsePaletteHome(const char* folder);

// Starts finding the folder and reading the settings on a thread of their own,
// for a converter about to be built; whatever asks for them next waits for it.
void FindPaletteHomeAhead();

// The user's own palette, palorin.gpl in that folder, into `path`
// (kPathCapacity bytes); false when no folder can be had.
bool DefaultPalettePath(char* path);

// Makes the folder when it is not there yet (at the palette's first change).
void MakePaletteHome();

// The palette last opened or saved, from the settings, into `path`
// (kPathCapacity bytes); false when none is remembered.
bool LastPalette(char* path);

// Remembers the palette last opened or saved for the next start; the settings
// file is written only when that changes. A failure is not worth a word: the
// next start opens the default palette.
void RememberLastPalette(const char* path);
