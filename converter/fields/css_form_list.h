// The list of forms the CSS field shows the colour in, and its "Dark" check box.
#pragma once
#include <windows.h>

// Fills the list of forms and selects the one chosen last.
void FillCssForms(HWND dialog);

// The user chose another form: the field shows the colour in it, unless the
// fields stand empty over a text that is no colour.
void OnCssFormChange(HWND dialog);

// "Dark" was checked or cleared: the CSS field's text is read again with the
// colour scheme it now says.
void OnCssSchemeChange(HWND dialog);
