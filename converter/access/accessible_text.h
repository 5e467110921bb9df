// Accessibility, the converter's room for screen readers. It stands on the
// window and the current colour; the fields tell it of each change.
// What a screen reader hears of the converter's controls, beyond what the
// platform's own accessible object for each says: the pictures' names, roles
// and values, and each text field's name as it reads on the dialog. The room
// owns the values screen readers were last told and the libraries it loads
// (oleacc_library.h); accessible_object.h makes the objects they are given.
#pragma once
#include <windows.h>

// Room for the longest name or value, with its NUL.
constexpr int kAccessibleTextSize = 64;

// The picker "Hue and saturation", the bar "Lightness", the swatch "Colour",
// the small swatches beside it "As seen with protanopia" and so on,
// the window of a pick from the screen "Pick from the screen";
// a text field is named by its group box and the label left of it, "RGB - dec R",
// or by its group box alone, "#RRGGBB". Writes `text` (kAccessibleTextSize
// bytes) and returns true; false where the platform's own name stands.
bool AccessibleName(HWND control, char* text);

// "As seen with protanopia" (deuteranopia, tritanopia) for the small swatches
// beside the main one, their tooltips' text too; `text` holds
// kAccessibleTextSize bytes.
void SeenSwatchName(int id, char* text);

// The picker "hue 120, saturation 240", the bar "120", the swatch and the
// window of a pick from the screen "#00ffff aqua" (the colour's name when it
// has one), each small swatch its colour "#6d5f00". False for the other controls, whose
// platform value stands (a field's text).
bool AccessibleValue(HWND control, char* text);

// A control's accessible description beyond what it shows (a file's whole
// path); `text` null or "" for none. Copied.
void SetAccessibleDescription(HWND control, const char* text);

// The description set for the control, or null.
const char* AccessibleDescription(HWND control);

// The name field's description: the line under it, "≈ steelblue (ΔE 0.2)"
// (`text` holds kAccessibleTextSize characters). False for the other
// controls, and while the line is empty.
bool NameFieldDescription(HWND control, wchar_t* text);

// The pictures' roles: the picker and the bar are sliders, the swatch a
// graphic. 0 for the other controls, whose platform role stands.
LONG AccessibleRole(HWND control);

// Tells screen readers (EVENT_OBJECT_VALUECHANGE) of each picture whose value
// changed since they were last told, so that a drag, a key, a typed colour or
// a pick is heard as it happens.
void AnnouncePictureValues(HWND dialog);
