// The converter's CSS group: the form its field shows, chosen from a list, and
// the note that says what reading a typed CSS colour changed.
#pragma once
#include <windows.h>

#include "color_record.h"

// Fills the list of forms and selects the one chosen last.
void FillCssForms(HWND dialog);

// The user chose another form: the field shows the colour in it, unless the
// fields stand empty over a text that is no colour.
void OnCssFormChange(HWND dialog);

// Reads the CSS field's text as any colour the program knows (a colour outside
// sRGB mapped in), as the field table's reader of it; 1 with the channels set
// when it is one. Keeps the note ShowCssNote writes.
int ReadCssField(const char* text, ColorRecord* color);

// After the user typed into the CSS field: the note says that a colour outside
// sRGB was mapped in or an alpha dropped, why a CSS text was refused, or
// nothing, as reading the text found.
void ShowCssNote(HWND dialog);
