// Bringing the converter's fields and pictures in line with the colour.
#pragma once
#include <windows.h>
#include <cstdint>
#include "color_record.h"
#include "hls.h"
#include "update_mask.h"

// Converts between the colour and `hls` in the direction UPD_FROM_RGB gives,
// rewrites the fields whose bits are set and marks the swatch (always) and the
// pictures whose bits are set for repainting. `idle` is 0 while the fields are
// written, so the change notifications they send back are ignored.
void RefreshFields(HWND dialog, ColorRecord& color, UpdateMask mask, int32_t& idle,
                   uint16_t arrowSize, HlsTriple& hls);

// Sets the text of control `id`, unless it shows that text already.
void WriteField(HWND dialog, int id, const char* text);

// Empties the fields whose bits are set; changes neither colour nor pictures.
void ClearFields(HWND dialog, UpdateMask mask, int32_t& idle);

// RefreshFields on the converter's own window state; screen readers hear of
// the pictures whose values changed.
void RefreshConverter(HWND dialog, UpdateMask mask);

// Rewrites the fields and marks the pictures of `mask` from the converter's
// colour and HLS as they stand, converting neither into the other: for putting
// back a colour and HLS that were kept together. Screen readers hear of it too.
void RewriteConverter(HWND dialog, UpdateMask mask);
