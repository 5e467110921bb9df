// The contrast line (see contrast_line.h). Its text is set in Unicode: the
// middle dot and the non-breaking space are outside ASCII, and the ANSI code
// page of a Japanese or Greek system has neither at 0xB7 and 0xA0.
#include "contrast_line.h"

#include "contrast.h"
#include "contrast_fix.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "field_write.h"
#include "notation_format.h"
#include "resource.h"

bool g_comparing = false;
ColorRecord g_compareColour = {};

namespace {

// The colour the fix button offers, while it is shown.
ColorRecord s_fix = {};

// Shown by its own style, whether or not the dialog is on the screen yet.
bool Shown(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

// Shows the button with the fix for `color`, or hides it when there is
// nothing to fix, or nothing reaches AA. A button hidden under the focus
// hands the focus on first.
void ShowFixButton(HWND dialog, const ColorRecord& color) {
    const ColorRecord white = {255, 255, 255, 0};
    const ColorRecord& against = g_comparing ? g_compareColour : white;
    HWND button = DialogControl(dialog, IDC_CONTRAST_FIX);
    const bool offered = ContrastHundredths(color, against) < kLevelAA &&
                         FixContrast(color, 1, against, 1, kLevelAA, &s_fix);
    // Each change of caption or of showing repaints under Wine: only changes are made.
    if (offered) {
        char caption[32] = "Use ";
        FormatHex6(s_fix, caption + 4);
        lstrcatA(caption, " for AA");
        WriteField(dialog, IDC_CONTRAST_FIX, caption);
    } else if (Shown(button) && GetFocus() == button) {  // GetFocus: a round trip under Wine
        SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
    }
    if (Shown(button) != offered) ShowWindow(button, offered ? SW_SHOWNA : SW_HIDE);
}

// Widens an ASCII phrase with its blanks made non-breaking: the static
// control wraps the line only between phrases, never within one.
wchar_t* PutPhrase(const char* phrase, wchar_t* out) {
    for (; *phrase; ++phrase) *out++ = *phrase == ' ' ? L'\u00a0' : static_cast<unsigned char>(*phrase);
    return out;
}

wchar_t* PutContrast(const ColorRecord& a, const ColorRecord& b, wchar_t* out) {
    char ratio[kContrastTextCapacity];
    FormatContrast(ContrastHundredths(a, b), ratio);
    return PutPhrase(ratio, out);
}

void SetLine(HWND dialog, const wchar_t* line) { WriteWideField(dialog, IDC_CONTRAST, line); }

}  // namespace

void ShowContrastLine(HWND dialog, const ColorRecord& color) {
    wchar_t line[kLineShownSize];
    wchar_t* p = line;
    if (g_comparing) {
        char against[kColorTextCapacity + 8] = "against ";
        FormatHex6(g_compareColour, against + 8);
        p = PutContrast(color, g_compareColour, p);
        *p++ = L' ';
        p = PutPhrase(against, p);
    } else {
        // The dot stays with the phrase before it.
        const ColorRecord white = {255, 255, 255, 0}, black = {0, 0, 0, 0};
        p = PutPhrase(" on white", PutContrast(color, white, p));
        *p++ = L'\u00a0';
        *p++ = L'\u00b7';
        *p++ = L' ';
        p = PutPhrase(" on black", PutContrast(color, black, p));
    }
    *p = L'\0';
    SetLine(dialog, line);
    ShowFixButton(dialog, color);
}

void RefreshContrastLine(HWND dialog) {
    // "Nega / Posi" is enabled exactly while the fields show a colour.
    if (IsWindowEnabled(DialogControl(dialog, IDC_NEGAPOSI)))
        ShowContrastLine(dialog, CurrentColour());
}

void ClearContrastLine(HWND dialog) {
    SetLine(dialog, L"");
    HWND button = DialogControl(dialog, IDC_CONTRAST_FIX);
    if (GetFocus() == button) SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
    if (Shown(button)) ShowWindow(button, SW_HIDE);
}

const ColorRecord* OfferedContrastFix(HWND dialog) {
    return Shown(DialogControl(dialog, IDC_CONTRAST_FIX)) ? &s_fix : nullptr;
}

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
