// The contrast line (see contrast_line.h). Its text is set in Unicode: the
// middle dot is the one character of the program outside ASCII, and the ANSI
// code page of a Japanese or Greek system has none at 0xB7.
#include "contrast_line.h"

#include "contrast.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "notation_format.h"
#include "resource.h"

bool g_comparing = false;
ColorRecord g_compareColour = {};

namespace {

// An ASCII text widened into `out`; returns the end.
wchar_t* Widen(const char* text, wchar_t* out) {
    while (*text) *out++ = static_cast<unsigned char>(*text++);
    return out;
}

wchar_t* PutContrast(const ColorRecord& a, const ColorRecord& b, wchar_t* out) {
    char ratio[kContrastTextCapacity];
    FormatContrast(ContrastHundredths(a, b), ratio);
    return Widen(ratio, out);
}

void SetLine(HWND dialog, const wchar_t* line) {
    HWND control = DialogControl(dialog, IDC_CONTRAST);
    wchar_t shown[96] = L"";
    // Rewriting a static repaints it: only a change is written (an empty
    // line, for which GetWindowText says 0, included).
    GetWindowTextW(control, shown, 96);
    if (lstrcmpW(shown, line) == 0) return;
    SetWindowTextW(control, line);
}

}  // namespace

void ShowContrastLine(HWND dialog, const ColorRecord& color) {
    wchar_t line[96];
    wchar_t* p = line;
    if (g_comparing) {
        char hex[kColorTextCapacity];
        FormatHex6(g_compareColour, hex);
        p = Widen(hex, Widen(" against ", PutContrast(color, g_compareColour, p)));
    } else {
        const ColorRecord white = {255, 255, 255, 0}, black = {0, 0, 0, 0};
        p = Widen(" on white ", PutContrast(color, white, p));
        *p++ = L'\u00b7';
        *p++ = L' ';
        p = Widen(" on black", PutContrast(color, black, p));
    }
    *p = L'\0';
    SetLine(dialog, line);
}

void RefreshContrastLine(HWND dialog) {
    // "Nega / Posi" is enabled exactly while the fields show a colour.
    if (IsWindowEnabled(DialogControl(dialog, IDC_NEGAPOSI)))
        ShowContrastLine(dialog, CurrentColour());
}

void ClearContrastLine(HWND dialog) { SetLine(dialog, L""); }

void CompareWith(HWND dialog, const ColorRecord* colour) {
    g_comparing = colour != nullptr;
    if (colour) g_compareColour = *colour;
    RefreshContrastLine(dialog);
}

bool ComparingWith(const ColorRecord& colour) {
    return g_comparing && g_compareColour.red == colour.red &&
           g_compareColour.green == colour.green && g_compareColour.blue == colour.blue;
}

const ColorRecord* ComparedColour() { return g_comparing ? &g_compareColour : nullptr; }
