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

wchar_t* WidenAscii(const char* text, wchar_t* out) {
    while (*text) *out++ = static_cast<unsigned char>(*text++);
    return out;
}

// Rewriting a static repaints it: only a change is written (an empty text,
// for which GetWindowText says 0, included).
void WriteWideField(HWND dialog, int id, const wchar_t* text) {
    HWND control = DialogControl(dialog, id);
    wchar_t shown[kLineShownSize] = L"";
    GetWindowTextW(control, shown, kLineShownSize);
    if (lstrcmpW(shown, text) != 0) SetWindowTextW(control, text);
}
