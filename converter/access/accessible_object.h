// What a screen reader finds when it asks one of the converter's controls for
// its accessible object: the platform's own object for the control, with the
// name, role and value the converter gives it (accessible_text.h).
#pragma once
#include <windows.h>

// Answers WM_GETOBJECT sent to `control`: true, with `result` for the
// message, when it asks for the control's client object and one could be made;
// false to leave the message to the control's own procedure.
bool AnswerGetObject(HWND control, WPARAM flags, LPARAM objectId, LRESULT* result);
