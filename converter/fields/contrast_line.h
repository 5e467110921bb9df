// The contrast line under the swatch: the WCAG contrast of the colour on white
// and on black, or against the palette colour chosen with Compare.
#pragma once
#include <windows.h>

#include "color_record.h"

// Writes the line for `color`: "4.54:1 AA on white · 4.62:1 AA on black", or
// "7.12:1 AAA against #123456" while a palette colour is compared with. The
// blanks within a phrase ("4.54:1 AA on white ·", "against #123456") are
// non-breaking: a line too wide for the control wraps between phrases only.
void ShowContrastLine(HWND dialog, const ColorRecord& color);

// ShowContrastLine for the converter's colour, unless the fields stand empty
// over a text that is no colour: after what was compared with changed.
void RefreshContrastLine(HWND dialog);

// Empties the line, as a text that is no colour empties the fields.
void ClearContrastLine(HWND dialog);

// The button under the line is shown while the colour falls short of AA
// against what it is compared with (white, unless a palette colour): "Use
// #767676 for AA", the nearest colour that reaches it (FixContrast). The
// colour it offers, null while it is hidden.
const ColorRecord* OfferedContrastFix(HWND dialog);

// What the line compares with: `colour` (a palette colour chosen with
// Compare), or white and black again for null. The line follows at once.
void CompareWith(HWND dialog, const ColorRecord* colour);

// The colour the line compares with, or null for white and black.
const ColorRecord* ComparedColour();

// True while the line compares with `colour`.
bool ComparingWith(const ColorRecord& colour);

// The colour compared with, for tests: valid while g_comparing.
extern bool g_comparing;
extern ColorRecord g_compareColour;
