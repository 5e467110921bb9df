// Reading each field or group of fields as a colour. Every reader works on a
// copy of the colour, so a rejected text never leaves a half-read colour behind
// for the next repaint to show.
#include "field_input.h"

#include "converter_state.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "named_colors.h"
#include "notation_parse.h"
#include "resource.h"

namespace {

constexpr int kFieldTextSize = 24;

typedef int (*TextReader)(const char* text, ColorRecord* color);

int ReadHex6(const char* text, ColorRecord* color) { return ParseHexNotation(text, color) == 2; }

// Each # field takes only its own form: '#00f' in the #RRGGBB field is not yet a colour.
int ReadHex3(const char* text, ColorRecord* color) { return ParseHexNotation(text, color) == 1; }

int ReadTextField(HWND dialog, int id, TextReader read, ColorRecord* color) {
    char text[kFieldTextSize];
    GetWindowTextA(DialogControl(dialog, id), text, sizeof text);
    return read(text, color);
}

// A channel typed in decimal. The platform's own integer reading would take a
// pasted '1e2' as 1, and blanks or a sign as well; here only digits count.
int ReadDecimalChannel(HWND dialog, int id, int limit, uint8_t* value) {
    char text[kFieldTextSize];
    GetWindowTextA(DialogControl(dialog, id), text, sizeof text);
    return ParseDecimalChannel(text, limit, value);
}

int ReadHexChannelField(HWND dialog, int id, uint8_t* value) {
    char text[kFieldTextSize];
    GetWindowTextA(DialogControl(dialog, id), text, sizeof text);
    return ParseHexChannel(text, value);
}

// The three fields of a group are read in order and the first that fails
// rejects the group.
int ReadDecimalGroup(HWND dialog, ColorRecord* color) {
    return ReadDecimalChannel(dialog, IDC_DEC_R, 255, &color->red) &&
           ReadDecimalChannel(dialog, IDC_DEC_G, 255, &color->green) &&
           ReadDecimalChannel(dialog, IDC_DEC_B, 255, &color->blue);
}

int ReadHexGroup(HWND dialog, ColorRecord* color) {
    return ReadHexChannelField(dialog, IDC_HEX_R, &color->red) &&
           ReadHexChannelField(dialog, IDC_HEX_G, &color->green) &&
           ReadHexChannelField(dialog, IDC_HEX_B, &color->blue);
}

int ReadHlsGroup(HWND dialog, ColorRecord* color) {
    HlsTriple typed;
    if (!ReadDecimalChannel(dialog, IDC_HLS_H, kHlsScale - 1, &typed.hue) ||
        !ReadDecimalChannel(dialog, IDC_HLS_L, kHlsScale, &typed.lightness) ||
        !ReadDecimalChannel(dialog, IDC_HLS_S, kHlsScale, &typed.saturation))
        return 0;
    HlsToRgb(typed.hue, typed.lightness, typed.saturation, &color->red, &color->green,
             &color->blue);
    return 1;
}

// Reads the field or group that `id` belongs to into `color`; returns 0 if it
// holds no colour. `mask` becomes every field but that field or group.
int ReadFieldGroup(HWND dialog, int id, ColorRecord* color, UpdateMask* mask) {
    switch (id) {
    case IDC_HEX6:
        *mask = ~UPD_HEX6;
        return ReadTextField(dialog, id, ReadHex6, color);
    case IDC_HEX3:
        *mask = ~UPD_HEX3;
        return ReadTextField(dialog, id, ReadHex3, color);
    case IDC_PERCENT:
        *mask = ~UPD_PERCENT;
        return ReadTextField(dialog, id, ParsePercentTriple, color);
    case IDC_TRIPLE:
        *mask = ~UPD_TRIPLE;
        return ReadTextField(dialog, id, ParseDecimalTriple, color);
    case IDC_NAME:
        *mask = ~UPD_NAME;
        return ReadTextField(dialog, id, LookupColorName, color);
    case IDC_DEC_R:
    case IDC_DEC_G:
    case IDC_DEC_B:
        *mask = ~UPD_DEC;
        return ReadDecimalGroup(dialog, color);
    case IDC_HEX_R:
    case IDC_HEX_G:
    case IDC_HEX_B:
        *mask = ~UPD_HEXCH;
        return ReadHexGroup(dialog, color);
    default:
        *mask = ~UPD_HLS;
        return ReadHlsGroup(dialog, color);
    }
}

}  // namespace

void OnFieldChange(HWND dialog, int id) {
    ColorRecord typed = *g_color;
    UpdateMask mask = 0;
    int accepted = ReadFieldGroup(dialog, id, &typed, &mask);
    if (accepted) {
        *g_color = typed;
        RefreshConverter(dialog, mask);
    } else {
        ClearFields(dialog, mask, g_fieldsIdle);
    }
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), accepted);
}
