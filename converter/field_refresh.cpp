// The one routine every colour change ends in, and its counterpart for
// rejected input.
#include "field_refresh.h"

#include "converter_state.h"
#include "coordinates.h"
#include "dialog_control.h"
#include "named_colors.h"
#include "notation_format.h"
#include "picture_geometry.h"
#include "resource.h"

namespace {

typedef int (*ColorFormatter)(const ColorRecord&, char*);
typedef int (*ChannelFormatter)(unsigned, char*);

// Rewriting and repainting an edit control is what a colour change costs, so a
// field that already shows the text is left alone. Nothing is lost: the change
// notification of our own write would be ignored anyway.
void WriteField(HWND dialog, int id, const char* text) {
    char shown[kColorTextCapacity + 1];
    HWND field = DialogControl(dialog, id);
    // Our texts are shorter than the buffer, so a longer text never compares equal.
    GetWindowTextA(field, shown, sizeof shown);
    if (lstrcmpA(shown, text) != 0) SetWindowTextA(field, text);
}

void WriteColorText(HWND dialog, int id, ColorFormatter format, const ColorRecord& color) {
    char text[kColorTextCapacity];
    format(color, text);
    WriteField(dialog, id, text);
}

void WriteChannel(HWND dialog, int id, ChannelFormatter format, unsigned value) {
    char text[kColorTextCapacity];
    format(value, text);
    WriteField(dialog, id, text);
}

// Field writes in the order the user reads them, top left to bottom right.
void WriteFields(HWND dialog, const ColorRecord& color, UpdateMask mask, const HlsTriple& hls) {
    if (mask & UPD_HEX6) WriteColorText(dialog, IDC_HEX6, FormatHex6, color);
    if (mask & UPD_HEX3) WriteColorText(dialog, IDC_HEX3, FormatHex3, color);
    if (mask & UPD_PERCENT) WriteColorText(dialog, IDC_PERCENT, FormatPercentTriple, color);
    if (mask & UPD_DEC) {
        WriteChannel(dialog, IDC_DEC_R, FormatDecimalChannel, color.red);
        WriteChannel(dialog, IDC_DEC_G, FormatDecimalChannel, color.green);
        WriteChannel(dialog, IDC_DEC_B, FormatDecimalChannel, color.blue);
    }
    if (mask & UPD_HEXCH) {
        WriteChannel(dialog, IDC_HEX_R, FormatHexChannel, color.red);
        WriteChannel(dialog, IDC_HEX_G, FormatHexChannel, color.green);
        WriteChannel(dialog, IDC_HEX_B, FormatHexChannel, color.blue);
    }
    if (mask & UPD_TRIPLE) WriteColorText(dialog, IDC_TRIPLE, FormatDecimalTriple, color);
    if (mask & UPD_NAME) WriteField(dialog, IDC_NAME, FindColorName(color));
    if (mask & UPD_HLS) {
        WriteChannel(dialog, IDC_HLS_H, FormatDecimalChannel, hls.hue);
        WriteChannel(dialog, IDC_HLS_L, FormatDecimalChannel, hls.lightness);
        WriteChannel(dialog, IDC_HLS_S, FormatDecimalChannel, hls.saturation);
    }
}

void InvalidateDialogRect(HWND dialog, const RECT& rect) {
    RedrawWindow(dialog, &rect, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void InvalidateControl(HWND dialog, int id) {
    RECT rect;
    if (GetControlRectInDialog(dialog, id, &rect)) InvalidateDialogRect(dialog, rect);
}

void InvalidateArrowColumn(HWND dialog, uint16_t arrowSize) {
    RECT bar;
    if (GetControlRectInDialog(dialog, IDC_LUMBAR, &bar))
        InvalidateDialogRect(dialog, ArrowColumn(bar, arrowSize));
}

}  // namespace

void RefreshFields(HWND dialog, ColorRecord& color, UpdateMask mask, int32_t& idle,
                   uint16_t arrowSize, HlsTriple& hls) {
    idle = 0;
    if (mask & UPD_FROM_RGB)
        RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    else
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &color.red, &color.green, &color.blue);
    WriteFields(dialog, color, mask, hls);
    idle = 1;

    InvalidateControl(dialog, IDC_SWATCH);
    if (mask & UPD_PICKER) InvalidateControl(dialog, IDC_PICKER);
    if (mask & UPD_LUMBAR) InvalidateControl(dialog, IDC_LUMBAR);
    if (mask & UPD_ARROW) InvalidateArrowColumn(dialog, arrowSize);
}

void ClearFields(HWND dialog, UpdateMask mask, int32_t& idle) {
    static const struct {
        UpdateMask bit;
        int ids[3];
    } kFields[] = {
        {UPD_HEX6, {IDC_HEX6}},
        {UPD_HEX3, {IDC_HEX3}},
        {UPD_PERCENT, {IDC_PERCENT}},
        {UPD_DEC, {IDC_DEC_R, IDC_DEC_G, IDC_DEC_B}},
        {UPD_HEXCH, {IDC_HEX_R, IDC_HEX_G, IDC_HEX_B}},
        {UPD_TRIPLE, {IDC_TRIPLE}},
        {UPD_NAME, {IDC_NAME}},
        {UPD_HLS, {IDC_HLS_H, IDC_HLS_L, IDC_HLS_S}},
    };
    idle = 0;
    for (const auto& field : kFields) {
        if (!(mask & field.bit)) continue;
        for (int id : field.ids)
            if (id) WriteField(dialog, id, "");
    }
    idle = 1;
}

void RefreshConverter(HWND dialog, UpdateMask mask) {
    RefreshFields(dialog, *g_color, mask, g_fieldsIdle, g_arrowSize, g_hls);
}
