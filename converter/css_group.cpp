// The CSS group (see css_group.h).
#include "css_group.h"

#include <cstring>

#include "converter_state.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "read_color.h"
#include "resource.h"

void FillCssForms(HWND dialog) {
    HWND list = DialogControl(dialog, IDC_CSS_FORM);
    for (int form = 0; form < kCssFormCount; ++form)
        SendMessageA(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(CssFormName(static_cast<CssForm>(form))));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(g_cssForm), 0);
}

void OnCssFormChange(HWND dialog) {
    const LRESULT chosen = SendMessageA(DialogControl(dialog, IDC_CSS_FORM), CB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= kCssFormCount) return;
    g_cssForm = static_cast<CssForm>(chosen);
    // "Nega / Posi" is enabled exactly while the fields show a colour.
    if (IsWindowEnabled(DialogControl(dialog, IDC_NEGAPOSI))) RewriteConverter(dialog, UPD_CSS);
}

namespace {

// What reading the field's last text changed, kept for its note.
char s_note[kCssRefusalCapacity] = "";

}  // namespace

int ReadCssField(const char* text, ColorRecord* color) {
    ColourReading reading;
    const CssReadResult result =
        ReadAnyColorWithoutNul(text, std::strlen(text), GamutMode::kMap, &reading);
    const char* note = "";
    if (result == CssReadResult::kRefused) {
        note = reading.refusal;
    } else if (result == CssReadResult::kColour) {
        const bool dropped = reading.alpha < 255;
        note = reading.mapped ? (dropped ? "Mapped into sRGB, alpha dropped" : "Mapped into sRGB")
                              : (dropped ? "Alpha dropped" : "");
        color->red = reading.color.red;
        color->green = reading.color.green;
        color->blue = reading.color.blue;
    }
    lstrcpynA(s_note, note, sizeof s_note);
    return result == CssReadResult::kColour;
}

void ShowCssNote(HWND dialog) { WriteField(dialog, IDC_CSS_NOTE, s_note); }
