// A palette: the lines of its file as read, each colour pointing at its line, so
// that writing it back after an edit changes only the lines the edit touched.
// Pure C++, no window system: the converter shows it and tells it what changed.
//
// How the converter uses it (the calls are in this header, palette_read.h,
// palette_format.h and palette_file.h):
//   - Start: `Palette palette = {};` is a new, empty palette with no file.
//   - Open: ReadWholeFile, then ReadPalette. Either refusal leaves the palette
//     as it was; the message is FileProblem::text, or "line 12: not a colour"
//     from FormatPaletteError. A palette read with `ownHeader` set came from a
//     GIMP palette: that file becomes the palette's file.
//   - Show: PaletteSize items; FormatPaletteEntry gives item i's text and
//     PaletteColour its swatch. Nothing here changes without an edit call.
//   - Edit: AddPaletteColour (Add, Ctrl+D, a kept pick) and
//     RemovePaletteEntries (Delete, Remove). When one reports a change and the
//     palette has a file: FormatPalette(kGimp, title of the file's name), then
//     WriteFileAtomically. A failed write keeps the palette and leaves the old
//     file whole; the next change writes everything again. Without a change,
//     nothing is written, so opening and closing leaves the file untouched.
//   - Save: PaletteFormatOfFileName picks the format, FormatPalette and
//     WriteFileAtomically write it; a .gpl saved becomes the palette's file.
//   - End, or before replacing the palette: FreePalette.
// Entries are numbered 0 .. PaletteSize() - 1 in the palette's order, the
// front first; each edit may renumber them and move their bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_buffer.h"
#include "color_record.h"

// A span of the file: one colour line, or the other lines (header, comments,
// blank lines) between two colours, kept as one.
struct PaletteSpan {
    uint32_t begin;       // in Palette::text
    uint32_t length;      // whole lines with their line ends; only the file's last span may lack one
    uint32_t nameOffset;  // a colour line's name, counted from `begin`
    uint32_t nameLength;  // 0 for a colour without a name
    ColorRecord colour;   // a colour line's channels; `notation` is 0
    bool isColour;
    bool marked;          // scratch of RemovePaletteEntries, false between calls
};

// A zero-initialised Palette is a new, empty one. The palette owns its memory:
// FreePalette releases it.
struct Palette {
    ByteBuffer text;        // the file's bytes as read, then the bytes of lines added since
    PaletteSpan* spans;     // the file in order
    size_t spanCount;
    size_t spanCapacity;
    uint32_t* entries;      // the index in `spans` of each colour, in the palette's order
    size_t entryCount;
    size_t entryCapacity;
    bool ownHeader;  // read from a GIMP palette, whose header the spans hold; a palette
                     // without one is given a header when written as a GIMP palette
    bool crLf;       // the file's lines end in CR LF, so lines added to it do too
};

// Releases the palette's memory and leaves it new and empty.
void FreePalette(Palette* palette);

// The number of colours.
size_t PaletteSize(const Palette& palette);

// The entry's channels (`notation` 0). `entry` must be below PaletteSize.
ColorRecord PaletteColour(const Palette& palette, size_t entry);

// The entry's name as its line gives it, *length bytes, not NUL-terminated and
// never holding a NUL; *length 0 for a colour without a name. The bytes belong to
// the palette and stay valid until its next edit.
const char* PaletteName(const Palette& palette, size_t entry, size_t* length);

// The text of the entry's list item: "#rrggbb", and a blank and the name when it
// has one, cut to fit `capacity` bytes with the NUL (capacity at least 8), never
// inside a UTF-8 character.
// Returns the length written.
size_t FormatPaletteEntry(const Palette& palette, size_t entry, char* out, size_t capacity);

// The first entry with the colour's channels, or kNotInPalette.
constexpr size_t kNotInPalette = static_cast<size_t>(-1);
size_t FindPaletteColour(const Palette& palette, const ColorRecord& colour);

enum class PaletteChange {
    kAdded,     // a new line at the front, named as the converter names the colour
    kPresent,   // the palette has the colour already, where it stands: nothing changed
    kNoMemory,  // the palette is as it was
};

// Puts a colour the palette lacks at its front: a new line before the file's
// first colour line (at the end when it has none), in the file's own layout.
// A colour it has stays where it stands: the order of the file is its owner's.
PaletteChange AddPaletteColour(Palette* palette, const ColorRecord& colour);

// Puts a colour the palette lacks before its entry `entry` (after the last one
// when `entry` is past the end), with that name (UTF-8, no line end in it):
// a removed colour back where it stood. A colour it has stays where it stands.
PaletteChange InsertPaletteColour(Palette* palette, const ColorRecord& colour, const char* name,
                                  size_t nameLength, size_t entry);

// Removes the given entries (any order; repeats and numbers past the end are
// ignored) and their lines; every other line stays as it was. Returns how many
// entries went: 0 means nothing changed. Needs no memory.
size_t RemovePaletteEntries(Palette* palette, const size_t* entries, size_t count);
