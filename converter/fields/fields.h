// The fields: the converter's text fields and what follows a change of the
// colour through them. Start here for "what happens when a field changes":
//   field_input    reads the group the user typed in, through
//   field_table    the one table of the fields (control, group bit, limit,
//                  how each shows and reads the colour), and ends in
//   field_refresh  the one routine every colour change ends in: the fields,
//                  the CSS note and the contrast line, then the pictures and
//                  screen readers hear of it.
// The room owns the idle flag (field_refresh.h), the CSS form chosen (css_field.h) and the
// colour the contrast line compares with (contrast_line.h). It stands on the
// current colour and accessibility; the pictures, the palette's view and the
// dialog stand on it.
#pragma once
#include <windows.h>

// The dialog opened: the fields take their text limits and the CSS forms, and
// notifications count from now on.
void StartFields(HWND dialog);

// The dialog is going away: the next one's contrast line starts on white and black.
void EndFields();
