// The palette's memory, its entries and what the list shows of them.
#include "palette.h"

#include <cstdlib>
#include <cstring>

#include "notation_format.h"
#include "utf8.h"

void FreePalette(Palette* palette) {
    FreeByteBuffer(&palette->text);
    std::free(palette->spans);
    std::free(palette->entries);
    *palette = Palette{};
}

size_t PaletteSize(const Palette& palette) { return palette.entryCount; }

ColorRecord PaletteColour(const Palette& palette, size_t entry) {
    return palette.spans[palette.entries[entry]].colour;
}

const char* PaletteName(const Palette& palette, size_t entry, size_t* length) {
    const PaletteSpan& span = palette.spans[palette.entries[entry]];
    *length = span.nameLength;
    return palette.text.data + span.begin + span.nameOffset;
}

size_t FormatPaletteEntry(const Palette& palette, size_t entry, char* out, size_t capacity) {
    char hex[kColorTextCapacity];
    size_t length = static_cast<size_t>(FormatHex6(PaletteColour(palette, entry), hex));
    std::memcpy(out, hex, length + 1);
    size_t nameLength;
    const char* name = PaletteName(palette, entry, &nameLength);
    if (nameLength > 0 && length + 1 < capacity) {
        out[length++] = ' ';
        // Cut short, never inside a character of a UTF-8 name.
        if (nameLength > capacity - 1 - length)
            nameLength = WithoutCutCharacter(name, capacity - 1 - length);
        std::memcpy(out + length, name, nameLength);
        length += nameLength;
        out[length] = '\0';
    }
    return length;
}

size_t FindPaletteColour(const Palette& palette, const ColorRecord& colour) {
    for (size_t entry = 0; entry < palette.entryCount; ++entry) {
        const ColorRecord& c = PaletteColour(palette, entry);
        if (c.red == colour.red && c.green == colour.green && c.blue == colour.blue) return entry;
    }
    return kNotInPalette;
}
