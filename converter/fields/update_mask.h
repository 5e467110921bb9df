// The flag word that tells the field refresh what to rewrite and repaint, and in
// which direction to convert.
#pragma once
#include <cstdint>

typedef uint32_t UpdateMask;

constexpr UpdateMask UPD_HEX6 = 0x0001;      // #RRGGBB field
constexpr UpdateMask UPD_HEX3 = 0x0002;      // #RGB field
constexpr UpdateMask UPD_PERCENT = 0x0004;   // (R%,G%,B%) field
constexpr UpdateMask UPD_DEC = 0x0008;       // decimal R, G, B fields
constexpr UpdateMask UPD_HEXCH = 0x0010;     // hexadecimal R, G, B fields
constexpr UpdateMask UPD_TRIPLE = 0x0020;    // (R,G,B) field
constexpr UpdateMask UPD_NAME = 0x0040;      // colour-name field
constexpr UpdateMask UPD_HLS = 0x0080;       // H, L, S fields
constexpr UpdateMask UPD_PICKER = 0x0100;    // hue/saturation picker
constexpr UpdateMask UPD_LUMBAR = 0x0200;    // luminance bar
constexpr UpdateMask UPD_ARROW = 0x0400;     // arrow column beside the bar
constexpr UpdateMask UPD_CSS = 0x0800;       // CSS field, in the form chosen, and its note
constexpr UpdateMask UPD_CONTRAST = 0x1000;  // the contrast line
constexpr UpdateMask UPD_FROM_RGB = 0x8000;  // set: HLS from the colour; clear: colour from HLS

// The masks the dialog uses. Typed input leaves out the group being typed in,
// so the user's own text is never rewritten under the caret.
constexpr UpdateMask MASK_ALL = 0xFFFFFFFF;
// A picker drag rewrites the fields and the bar from HLS; a bar drag the fields
// and the arrow. Neither repaints the picker: a picker drag keeps its marker
// hidden, and a bar drag changes neither hue nor saturation.
constexpr UpdateMask MASK_PICKER_DRAG = ~(UPD_FROM_RGB | UPD_PICKER | UPD_ARROW);
constexpr UpdateMask MASK_LUMBAR_DRAG = ~(UPD_FROM_RGB | UPD_PICKER | UPD_LUMBAR);
constexpr UpdateMask MASK_PICKER_ONLY = UPD_PICKER;  // colour from HLS, picker repainted
// A key on the picker: as a drag, and the picker too, for its marker to move.
constexpr UpdateMask MASK_PICKER_KEY = MASK_PICKER_DRAG | UPD_PICKER;

static_assert(MASK_PICKER_DRAG == 0xFFFF7AFF && MASK_LUMBAR_DRAG == 0xFFFF7CFF,
              "the drag masks leave out the direction bit, the picker and the dragged part");
