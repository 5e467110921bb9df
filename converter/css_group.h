// The converter's CSS group: the form its field shows, chosen from a list, and
// the note that says what reading a typed CSS colour changed.
#pragma once
#include <windows.h>

// Fills the list of forms and selects the one chosen last.
void FillCssForms(HWND dialog);

// The user chose another form: the field shows the colour in it, unless the
// fields stand empty over a text that is no colour.
void OnCssFormChange(HWND dialog);

// After the user typed `text` into the CSS field: the note says that a colour
// outside sRGB was mapped in or an alpha dropped, why a CSS text was refused,
// or nothing.
void ShowCssNote(HWND dialog, const char* text);
