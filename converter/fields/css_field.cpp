// The CSS field's reading and its note (see css_field.h).
#include "css_field.h"

#include <cstring>

#include "field_write.h"
#include "read_color.h"
#include "resource.h"

CssForm g_cssForm = CssForm::kRgb;

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
