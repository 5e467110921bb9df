// The palette's list view: a virtual list whose items the palette model gives
// on demand, each a swatch and "#rrggbb name", so that 500 colours cost no
// more than 5.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "color_record.h"

// Gives the list its one column and room for a swatch before each text.
void SetUpPaletteList(HWND dialog);

// Shows the palette as the model holds it, entry `selected` selected and in
// view (the first after an add), or none for -1; with it the status line, and
// the contrast line, which stops comparing with a colour that went.
void ShowPalette(HWND dialog, int selected);

// The text and image of an item the list asks for (LVN_GETDISPINFO).
void GivePaletteItem(const NMLVDISPINFOA* info);

// The list's custom drawing, which paints each item's swatch; the result for
// the dialog manager.
LRESULT OnPaletteCustomDraw(const NMLVCUSTOMDRAW* draw);

// The entry from `start` on, round to the top, whose list text ("#rrggbb
// name") or name begins with `typed`, in any letter case; -1 when none does.
int FindPaletteEntry(const char* typed, size_t start);

// Compares the contrast line with `colour`, or with white and black again for
// null (CompareWith), and marks the entries of that colour: "#ffffff white
// (compared)".
void ComparePaletteColour(HWND dialog, const ColorRecord* colour);

// The selected entries, in order, at most `capacity`; returns how many.
size_t SelectedPaletteEntries(HWND dialog, size_t* entries, size_t capacity);

// The entry with the focus rectangle, or -1.
int FocusedPaletteEntry(HWND dialog);

// The swatches show each colour as seen with colour-vision deficiency
// `vision` (a Vision), or as it is for -1; the colours themselves stay.
void ShowPaletteSeenAs(HWND dialog, int vision);
int PaletteSeenAs();
