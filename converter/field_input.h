// Live conversion of what the user types into the converter's fields.
#pragma once
#include <windows.h>

// Handles a user's change of field `id`: an accepted text sets the colour and
// rewrites every other field; a rejected one empties them. Either way the
// field's own text is left as typed.
void OnFieldChange(HWND dialog, int id);
