// The palette as CSS custom properties, with names made safe and unique.
#pragma once

#include "byte_buffer.h"
#include "palette.h"

// Appends ":root {", a "  --name: #rrggbb;" line a colour and "}" (see
// FormatPalette); false when memory ran out.
bool FormatCss(const Palette& palette, ByteBuffer* out);
