// The converter's window procedure in front of its pictures' own: what statics
// can't do by themselves. The picker and the luminance bar take the focus and
// the keys.
#pragma once
#include <windows.h>

// Puts the procedure in front of the picker and the bar. For the dialog's opening.
void SubclassConverterControls(HWND dialog);
