// Growing a palette's spans, entries and text, and the lines it writes itself
// (see palette_spans.h).
#include "palette_spans.h"

#include <cstdlib>
#include <cstring>

#include "notation_format.h"

namespace {

// Doubles `*capacity` until it holds `count` items of `size` bytes; false when
// memory runs out, with the array as it was.
bool GrowArray(void** items, size_t* capacity, size_t count, size_t size) {
    if (count <= *capacity) return true;
    size_t grown = *capacity < 16 ? 16 : *capacity;
    while (grown < count) grown *= 2;
    if (grown > static_cast<size_t>(-1) / size) return false;
    void* moved = std::realloc(*items, grown * size);
    if (!moved) return false;
    *items = moved;
    *capacity = grown;
    return true;
}

const char* LineEnd(const Palette& palette) { return palette.crLf ? "\r\n" : "\n"; }

}  // namespace

bool ReservePaletteSpans(Palette* palette, size_t count) {
    void* spans = palette->spans;
    void* entries = palette->entries;
    const bool grown = GrowArray(&spans, &palette->spanCapacity, count, sizeof(PaletteSpan)) &&
                       GrowArray(&entries, &palette->entryCapacity, count, sizeof(uint32_t));
    palette->spans = static_cast<PaletteSpan*>(spans);
    palette->entries = static_cast<uint32_t*>(entries);
    return grown;
}

void PushSpan(Palette* palette, const PaletteSpan& span) {
    palette->spans[palette->spanCount++] = span;
}

bool ReservePaletteText(Palette* palette, size_t more) {
    ByteBuffer* text = &palette->text;
    if (text->size + more <= kMaxPaletteText && ReserveBytes(text, more)) return true;
    text->failed = false;  // the palette stays usable
    return false;
}

bool AddColourLineText(Palette* palette, const ColorRecord& colour, const char* name,
                       size_t nameLength, PaletteSpan* span) {
    ByteBuffer* text = &palette->text;
    const size_t begin = text->size;
    if (!ReservePaletteText(palette, nameLength + 16)) return false;
    char line[kColorTextCapacity];
    const uint8_t channels[3] = {colour.red, colour.green, colour.blue};
    for (int i = 0; i < 3; ++i) {
        const int digits = FormatDecimalChannel(channels[i], line);
        for (int pad = digits; pad < 3; ++pad) AppendByte(text, ' ');
        AppendBytes(text, line, static_cast<size_t>(digits));
        if (i < 2) AppendByte(text, ' ');
    }
    size_t nameOffset = 0;
    if (nameLength > 0) {
        AppendByte(text, '\t');
        nameOffset = text->size - begin;
        AppendBytes(text, name, nameLength);
    }
    AppendText(text, LineEnd(*palette));
    *span = PaletteSpan{};
    span->begin = static_cast<uint32_t>(begin);
    span->length = static_cast<uint32_t>(text->size - begin);
    span->nameOffset = static_cast<uint32_t>(nameOffset);
    span->nameLength = static_cast<uint32_t>(nameLength);
    span->colour = ColorRecord{colour.blue, colour.green, colour.red, 0};
    span->isColour = true;
    return true;
}

bool AddLineEndText(Palette* palette, PaletteSpan* span) {
    ByteBuffer* text = &palette->text;
    const size_t begin = text->size;
    if (!ReservePaletteText(palette, 2)) return false;
    AppendText(text, LineEnd(*palette));
    *span = PaletteSpan{};
    span->begin = static_cast<uint32_t>(begin);
    span->length = static_cast<uint32_t>(text->size - begin);
    return true;
}

void IndexEntries(Palette* palette) {
    palette->entryCount = 0;
    for (size_t i = 0; i < palette->spanCount; ++i)
        if (palette->spans[i].isColour)
            palette->entries[palette->entryCount++] = static_cast<uint32_t>(i);
}
