// The CSS field's reading and its note (see css_field.h).
#include "css_field.h"

#include <cstring>

#include "css_stop.h"
#include "field_write.h"
#include "read_color.h"
#include "resource.h"

CssForm g_cssForm = CssForm::kRgb;
ColourScheme g_cssScheme = ColourScheme::kLight;

namespace {

// What reading the field's last text changed, kept for its note.
char s_note[kCssRefusalCapacity] = "";

// The field's longest text, with room for a '#' before a bare hex.
constexpr size_t kCssFieldCapacity = 258;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool IsHex(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

bool IsPropertyChar(char c) {
    return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '-' || c == '_';
}

// The colour a pasted text holds, into `out`: blanks around it, a trailing
// ';' and a declaration's "name:" taken off, '#' put before a bare hex.
// Returns what was forgiven, for the note, or null when nothing was.
const char* Forgiven(const char* text, char* out) {
    const char* begin = text;
    const char* end = text + std::strlen(text);
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
    const char* what = begin != text || *end ? "Blanks dropped" : nullptr;
    if (end > begin && end[-1] == ';') {
        --end;
        while (end > begin && IsBlank(end[-1])) --end;
        what = "Read without its ';'";
    }
    const char* name = begin;
    while (name < end && IsPropertyChar(*name)) ++name;
    if (name > begin && name < end && *name == ':') {
        begin = name + 1;
        while (begin < end && IsBlank(*begin)) ++begin;
        what = "Read the declaration's value";
    }
    const size_t length = static_cast<size_t>(end - begin);
    bool hex = length == 3 || length == 4 || length == 6 || length == 8;
    for (const char* p = begin; hex && p < end; ++p) hex = IsHex(*p);
    // A bare hex that is no name of the converter's (no name is all hex digits).
    char* p = out;
    if (hex) {
        *p++ = '#';
        what = "Read as a hex colour";
    }
    std::memcpy(p, begin, length);
    p[length] = '\0';
    return what;
}

}  // namespace

int ReadCssField(const char* text, ColorRecord* color) {
    ColourReading reading;
    CssReadResult result =
        ReadAnyColorWithoutNul(text, std::strlen(text), GamutMode::kMap, &reading, g_cssScheme);
    const char* forgiven = nullptr;
    const char* read = text;  // the text last read, for the reason it is no colour
    char pasted[kCssFieldCapacity];
    if (result == CssReadResult::kNotAColour && std::strlen(text) < kCssFieldCapacity - 2) {
        forgiven = Forgiven(text, pasted);
        if (forgiven) read = pasted;
        if (forgiven && pasted[0])
            result = ReadAnyColorWithoutNul(pasted, std::strlen(pasted), GamutMode::kMap, &reading,
                                            g_cssScheme);
    }
    char note[kCssRefusalCapacity] = "";
    if (result == CssReadResult::kNotAColour && read[0]) {
        DescribeCssStop(read, std::strlen(read), note, sizeof note);
    } else if (result == CssReadResult::kRefused) {
        lstrcpynA(note, reading.refusal, sizeof note);
    } else if (result == CssReadResult::kColour) {
        const bool dropped = reading.alpha < 255;
        const char* changed = reading.mapped ? (dropped ? "mapped into sRGB, alpha dropped" : "mapped into sRGB")
                                             : (dropped ? "alpha dropped" : "");
        if (forgiven) {
            lstrcpynA(note, forgiven, sizeof note);
            if (*changed) {
                lstrcatA(note, "; ");
                lstrcatA(note, changed);
            }
        } else if (*changed) {
            lstrcpynA(note, changed, sizeof note);
            note[0] = static_cast<char>(note[0] - 'a' + 'A');  // "Mapped into sRGB"
        }
        color->red = reading.color.red;
        color->green = reading.color.green;
        color->blue = reading.color.blue;
    }
    lstrcpynA(s_note, note, sizeof s_note);
    return result == CssReadResult::kColour;
}

void ShowCssNote(HWND dialog) { WriteField(dialog, IDC_CSS_NOTE, s_note); }
