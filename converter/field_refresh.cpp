// The one routine every colour change ends in, and its counterpart for
// rejected input.
#include "field_refresh.h"

#include "accessible_text.h"
#include "contrast_line.h"
#include "converter_state.h"
#include "coordinates.h"
#include "dialog_control.h"
#include "field_table.h"
#include "notation_format.h"
#include "picture_geometry.h"
#include "resource.h"

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

namespace {

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

// The fields and pictures of `mask` as the colour and HLS stand.
void ShowColor(HWND dialog, const ColorRecord& color, UpdateMask mask, int32_t& idle,
               uint16_t arrowSize, const HlsTriple& hls) {
    idle = 0;
    for (const ConverterField& field : kConverterFields) {
        if (!(mask & field.bit)) continue;
        char text[kFieldShownSize];
        FormatField(field, color, hls, text);
        WriteField(dialog, field.id, text);
    }
    // A CSS text the program wrote needed no change in reading.
    if (mask & UPD_CSS) WriteField(dialog, IDC_CSS_NOTE, "");
    if (mask & UPD_CONTRAST) ShowContrastLine(dialog, color);
    idle = 1;

    InvalidateControl(dialog, IDC_SWATCH);
    if (mask & UPD_PICKER) InvalidateControl(dialog, IDC_PICKER);
    if (mask & UPD_LUMBAR) InvalidateControl(dialog, IDC_LUMBAR);
    if (mask & UPD_ARROW) InvalidateArrowColumn(dialog, arrowSize);
}

}  // namespace

void RefreshFields(HWND dialog, ColorRecord& color, UpdateMask mask, int32_t& idle,
                   uint16_t arrowSize, HlsTriple& hls) {
    if (mask & UPD_FROM_RGB)
        RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    else
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &color.red, &color.green, &color.blue);
    ShowColor(dialog, color, mask, idle, arrowSize, hls);
}

void ClearFields(HWND dialog, UpdateMask mask, int32_t& idle) {
    idle = 0;
    for (const ConverterField& field : kConverterFields)
        if (mask & field.bit) WriteField(dialog, field.id, "");
    if (mask & UPD_CSS) WriteField(dialog, IDC_CSS_NOTE, "");
    if (mask & UPD_CONTRAST) ClearContrastLine(dialog);
    idle = 1;
}

void RefreshConverter(HWND dialog, UpdateMask mask) {
    RefreshFields(dialog, *g_color, mask, g_fieldsIdle, g_arrowSize, g_hls);
    AnnouncePictureValues(dialog);
}

void RewriteConverter(HWND dialog, UpdateMask mask) {
    ShowColor(dialog, *g_color, mask, g_fieldsIdle, g_arrowSize, g_hls);
    AnnouncePictureValues(dialog);
}
