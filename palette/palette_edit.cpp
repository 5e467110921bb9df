// Adding a colour at the front and removing entries, touching no other line.
#include <cstring>

#include "named_colors.h"
#include "palette.h"
#include "palette_spans.h"

namespace {

bool EndsLine(const Palette& palette, const PaletteSpan& span) {
    return palette.text.data[span.begin + span.length - 1] == '\n';
}

// Gives a span that lacks its line end (the file's last line) one, as a copy at
// the end of the text; false when memory runs out.
bool CopyWithLineEnd(Palette* palette, PaletteSpan* span) {
    ByteBuffer* text = &palette->text;
    const size_t begin = text->size;
    if (!ReservePaletteText(palette, span->length + 2)) return false;
    AppendBytes(text, text->data + span->begin, span->length);
    AppendText(text, palette->crLf ? "\r\n" : "\n");
    span->begin = static_cast<uint32_t>(begin);
    span->length = static_cast<uint32_t>(text->size - begin);
    return true;
}

// Puts `span` at `at`, the spans from `at` up to (not including) `from` moving
// one place on; `from` == spanCount inserts.
void PlaceSpan(Palette* palette, const PaletteSpan& span, size_t at, size_t from) {
    PaletteSpan* spans = palette->spans;
    std::memmove(spans + at + 1, spans + at, (from - at) * sizeof *spans);
    spans[at] = span;
    if (from == palette->spanCount) ++palette->spanCount;
    IndexEntries(palette);
}

}  // namespace

PaletteChange AddPaletteColour(Palette* palette, const ColorRecord& colour) {
    const size_t found = FindPaletteColour(*palette, colour);
    if (found == 0) return PaletteChange::kNone;
    if (!ReservePaletteSpans(palette, palette->spanCount + 2)) return PaletteChange::kNoMemory;
    size_t front = palette->entryCount > 0 ? palette->entries[0] : palette->spanCount;
    PaletteSpan span;
    if (found != kNotInPalette) {
        const size_t from = palette->entries[found];
        span = palette->spans[from];
        if (!EndsLine(*palette, span) && !CopyWithLineEnd(palette, &span))
            return PaletteChange::kNoMemory;
        PlaceSpan(palette, span, front, from);
        return PaletteChange::kMoved;
    }
    const char* name = FindColorName(colour);
    if (!AddColourLineText(palette, colour, name, std::strlen(name), &span))
        return PaletteChange::kNoMemory;
    // Going last after a last line without its line end: that line gets one.
    if (front == palette->spanCount && front > 0 &&
        !EndsLine(*palette, palette->spans[front - 1])) {
        PaletteSpan lineEnd;
        if (!AddLineEndText(palette, &lineEnd)) return PaletteChange::kNoMemory;
        PushSpan(palette, lineEnd);
        ++front;
    }
    PlaceSpan(palette, span, front, palette->spanCount);
    return PaletteChange::kAdded;
}

size_t RemovePaletteEntries(Palette* palette, const size_t* entries, size_t count) {
    size_t removed = 0;
    for (size_t i = 0; i < count; ++i) {
        if (entries[i] >= palette->entryCount) continue;
        PaletteSpan& span = palette->spans[palette->entries[entries[i]]];
        if (span.marked) continue;
        span.marked = true;
        ++removed;
    }
    if (removed == 0) return 0;
    size_t kept = 0;
    for (size_t i = 0; i < palette->spanCount; ++i)
        if (!palette->spans[i].marked) palette->spans[kept++] = palette->spans[i];
    palette->spanCount = kept;
    IndexEntries(palette);
    return removed;
}
