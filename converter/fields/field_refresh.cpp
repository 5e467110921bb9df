// The one routine every colour change ends in, and its counterpart for
// rejected input (see field_refresh.h).
#include "field_refresh.h"

#include "accessible_text.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "field_repaint.h"
#include "field_table.h"
#include "nearest_line.h"
#include "resource.h"

int32_t g_fieldsIdle;  // 1 from the dialog's opening on

namespace {

// The fields of `mask` as the colour and HLS stand; then the pictures.
void ShowColor(HWND dialog, const ColorRecord& color, UpdateMask mask, int32_t& idle,
               const HlsTriple& hls) {
    idle = 0;
    BeginFieldBatch();
    for (const ConverterField& field : kConverterFields) {
        if (!(mask & field.bit)) continue;
        char text[kFieldShownSize];
        FormatField(field, color, hls, text);
        WriteField(dialog, field.id, text);
    }
    EndFieldBatch(dialog);
    // A CSS text the program wrote needed no change in reading.
    if (mask & UPD_CSS) WriteField(dialog, IDC_CSS_NOTE, "");
    if (mask & UPD_CONTRAST) ShowContrastLine(dialog, color);
    // Not a field anyone types in: it follows every change, whatever the mask.
    ShowNearestLine(dialog, color);
    idle = 1;
    SendMessageA(dialog, WM_COLOUR_SHOWN, mask, 0);
}

}  // namespace

void RefreshFields(HWND dialog, ColorRecord& color, UpdateMask mask, int32_t& idle,
                   HlsTriple& hls) {
    if (mask & UPD_FROM_RGB)
        RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    else
        HlsToRgb(hls.hue, hls.lightness, hls.saturation, &color.red, &color.green, &color.blue);
    ShowColor(dialog, color, mask, idle, hls);
}

void ClearFields(HWND dialog, UpdateMask mask, int32_t& idle) {
    idle = 0;
    BeginFieldBatch();
    for (const ConverterField& field : kConverterFields)
        if (mask & field.bit) WriteField(dialog, field.id, "");
    EndFieldBatch(dialog);
    if (mask & UPD_CSS) WriteField(dialog, IDC_CSS_NOTE, "");
    if (mask & UPD_CONTRAST) ClearContrastLine(dialog);
    ClearNearestLine(dialog);
    idle = 1;
}

void RefreshConverter(HWND dialog, UpdateMask mask) {
    RefreshFields(dialog, CurrentColour(), mask, g_fieldsIdle, CurrentHls());
    AnnouncePictureValues(dialog);
}

void RewriteConverter(HWND dialog, UpdateMask mask) {
    ShowColor(dialog, CurrentColour(), mask, g_fieldsIdle, CurrentHls());
    AnnouncePictureValues(dialog);
}
