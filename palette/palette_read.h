// Opening a palette file's bytes: a GIMP palette (.gpl), plain text, one
// colour a line, or the JSON and CSS that Save writes. A damaged file is refused with the line that is wrong.
#pragma once

#include <cstddef>

#include "palette.h"

// Why a file is no palette: the first line that is wrong, and why.
struct PaletteError {
    size_t line;         // counted from 1; 0 when the file as a whole is refused
    const char* reason;  // a static text: "not a colour", "a channel above 255", ...
};

// Reads the whole file, in time linear in its size, whatever the bytes. 1 with
// *palette replaced (its old memory freed); 0 with *palette untouched and
// *error set.
//
// A file whose first line is "GIMP Palette" (a UTF-8 byte order mark before it
// and blanks after it are allowed) is a GIMP palette. Its lines are kept as they
// are, as the palette's own, and a "Name:" or "Columns:" line before the first
// colour, a comment (first non-blank character '#'), and a blank line are
// passed over. A colour line is red, green and blue, 0-255 in decimal,
// separated by blanks or tabs, with blanks before them allowed, then
// optionally blanks and the colour's name, which runs to the end of the line
// without its trailing blanks.
//
// Any other file is plain text: each line, without its leading and trailing
// blanks and tabs, is a colour in a notation Palorin reads, or empty. The
// palette is then a new one (no header of its own) with a GIMP line for each
// colour, named as the converter names it.
//
// The JSON and the CSS custom properties that Save writes are read back, each
// as a new palette with the names the file gives (palette_read_exports.h).
//
// Lines end in LF or CR LF; a line that holds a NUL byte is refused.
int ReadPalette(const char* bytes, size_t size, Palette* palette, PaletteError* error);

// "line 12: not a colour", or the reason alone for line 0, cut to fit
// `capacity` bytes with the NUL: for a message naming the file around it.
void FormatPaletteError(const PaletteError& error, char* out, size_t capacity);
