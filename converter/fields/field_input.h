// Live conversion of what the user types into the converter's fields.
#pragma once
#include <windows.h>

#include "field_table.h"

// Handles a user's change of `field`: when its group reads as a colour, the
// colour is set and every other field rewritten; otherwise the other fields are
// emptied. Either way the group's own texts are left as typed.
void OnFieldChange(HWND dialog, const ConverterField& field);

// A command from control `id`: a user's change of a field goes to
// OnFieldChange. The dialog's own writes come back here too; only the user's count.
void OnFieldCommand(HWND dialog, int id, int code);
