// The one routine every change of the converter's colour ends in: the fields,
// the CSS note and the contrast line show the colour, and the rooms above hear
// of it. Its counterpart empties the fields for a text that is no colour.
#pragma once
#include <windows.h>

#include <cstdint>

#include "color_record.h"
#include "hls.h"
#include "update_mask.h"

// Sent to the dialog once the fields show a colour, with the UpdateMask in
// wParam: the pictures, which stand on the fields, repaint what it names.
constexpr UINT WM_COLOUR_SHOWN = WM_APP + 1;

// 1 while the fields are the user's: 0 while the dialog writes them itself,
// so that the change notifications of its own writes are ignored; 0 also
// before the dialog has opened and found its colour.
extern int32_t g_fieldsIdle;

// Converts between the colour and `hls` in the direction UPD_FROM_RGB gives,
// rewrites the fields whose bits are set and has the swatch (always) and the
// pictures whose bits are set repainted. `idle` is 0 while the fields are
// written, so the change notifications they send back are ignored.
void RefreshFields(HWND dialog, ColorRecord& color, UpdateMask mask, int32_t& idle, HlsTriple& hls);

// Empties the fields whose bits are set; changes neither colour nor pictures.
void ClearFields(HWND dialog, UpdateMask mask, int32_t& idle);

// RefreshFields on the converter's current colour; screen readers hear of
// the pictures whose values changed.
void RefreshConverter(HWND dialog, UpdateMask mask);

// Rewrites the fields and marks the pictures of `mask` from the converter's
// colour and HLS as they stand, converting neither into the other: for putting
// back a colour and HLS that were kept together. Screen readers hear of it too.
void RewriteConverter(HWND dialog, UpdateMask mask);
