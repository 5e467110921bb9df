// The CSS field's reading and its note: what reading a typed CSS colour
// changed. The form the field shows is chosen from a list (css_form_list.h).
#pragma once
#include <windows.h>

#include "color_record.h"
#include "css_format.h"

// What the CSS field shows; kept while the program runs.
extern CssForm g_cssForm;

// Which colour of light-dark() the field reads: "Dark" checked, the second.
extern ColourScheme g_cssScheme;

// Reads the CSS field's text as any colour the program knows (a colour outside
// sRGB mapped in), as the field table's reader of it; 1 with the channels set
// when it is one. What people paste is forgiven: blanks around the colour, a
// trailing ';', a whole declaration (`color: #f80;`) and a bare hex (`FF8800`)
// read as the colour they hold. Keeps the note ShowCssNote writes.
int ReadCssField(const char* text, ColorRecord* color);

// After the user typed into the CSS field: the note says that a colour outside
// sRGB was mapped in or an alpha dropped, why a CSS text was refused, where a
// text that is no colour stops being one, or nothing, as reading found.
void ShowCssNote(HWND dialog);
