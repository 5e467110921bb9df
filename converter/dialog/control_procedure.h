// The converter's window procedure in front of its pictures' and its text
// fields' own: what statics and edits can't do by themselves. The picker and
// the luminance bar take the focus and the keys; each picture and each field
// answers a screen reader with the converter's names and values.
#pragma once
#include <windows.h>

// Puts the procedure in front of the swatch, the picker, the bar and every edit
// of the converter dialog. For the dialog's opening.
void SubclassConverterControls(HWND dialog);
