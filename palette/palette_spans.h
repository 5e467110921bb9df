// What reading and editing a palette share: growing its spans and entries, and
// the one layout of a colour line the palette writes itself.
#pragma once

#include <cstddef>

#include "palette.h"

// The most bytes a palette's text may hold: its offsets are 32 bits.
constexpr size_t kMaxPaletteText = 0x7fffffff;

// Room for `count` spans and `count` entries in all; false when memory runs out,
// with the palette as it was.
bool ReservePaletteSpans(Palette* palette, size_t count);

// Room for `more` bytes of text, within the palette's limit; false when memory
// runs out or the limit would be passed, the palette staying usable.
bool ReservePaletteText(Palette* palette, size_t more);

// Appends a span; its room must have been reserved.
void PushSpan(Palette* palette, const PaletteSpan& span);

// Appends a colour line in GIMP's own layout, "%3d %3d %3d\tname" (no tab
// without a name), and the palette's line end to the text, and describes it in
// *span. False when memory runs out; the palette's lines are untouched.
bool AddColourLineText(Palette* palette, const ColorRecord& colour, const char* name,
                       size_t nameLength, PaletteSpan* span);

// The palette's line end to the text, as a span of its own: false when memory ran out.
bool AddLineEndText(Palette* palette, PaletteSpan* span);

// Numbers the colour spans again after an edit; needs the room reserved.
void IndexEntries(Palette* palette);
