// Writing a field's text (see field_write.h).
#include "field_write.h"

#include "dialog_control.h"

// Rewriting and repainting an edit control is what a colour change costs, so a
// field that already shows the text is left alone. Nothing is lost: the change
// notification of our own write would be ignored anyway.
void WriteField(HWND dialog, int id, const char* text) {
    char shown[kFieldShownSize + 1] = "";
    HWND field = DialogControl(dialog, id);
    // Our texts are shorter than the buffer, so a longer text never compares equal.
    GetWindowTextA(field, shown, sizeof shown);
    if (lstrcmpA(shown, text) != 0) SetWindowTextA(field, text);
}
