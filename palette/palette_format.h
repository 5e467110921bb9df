// A palette's file in each format it is saved in, chosen by the file name's
// extension.
#pragma once

#include <cstddef>

#include "byte_buffer.h"
#include "palette.h"

enum class PaletteFormat {
    kGimp,  // .gpl: the palette's own lines
    kCss,   // .css: ":root {", then "  --name: #rrggbb;" a colour, then "}"
    kJson,  // .json: [{"hex": "#rrggbb", "name": "..." or null}, ...], an object a line
    kText,  // .txt: "#rrggbb" a line
};

// 1 with *format set for a file name ending in .gpl, .css, .json or .txt, in
// any letter case; 0 for any other name.
int PaletteFormatOfFileName(const char* fileName, PaletteFormat* format);

// The file name without its folder and its extension, "brand" for
// "C:\work\brand.gpl", cut to fit `capacity` bytes with the NUL: the title a
// new palette is given in its GIMP header.
void PaletteTitleOfFileName(const char* fileName, char* out, size_t capacity);

// Replaces out's bytes with the palette's file in the format; 1, or 0 when
// memory ran out (out's bytes are then unusable). Lines end in LF, except the
// lines of a GIMP palette read from a file, which stay as they were.
//
// GIMP: a palette read from a GIMP palette writes its lines back as they are. A
// new one (or one read from plain text) starts "GIMP Palette", then
// "Name: TITLE" unless `title` is empty or holds anything but ASCII (GIMP then
// names the palette after its file).
//
// CSS: each colour a custom property on :root, named after the colour's name
// in lower case, ASCII letters and digits kept and each run of anything else
// one '-' ("Dark Blue" becomes --dark-blue). A colour without such a name is
// --color-rrggbb; a name already given gets _2, _3, ... in palette order.
//
// JSON: "name" is null for a colour without one. A name's valid UTF-8 is kept;
// quotes, backslashes, control characters and bytes of no valid UTF-8
// sequence (as Latin-1) are escaped, so the output is always valid JSON.
int FormatPalette(const Palette& palette, PaletteFormat format, const char* title,
                  ByteBuffer* out);
