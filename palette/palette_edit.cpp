// Adding a colour at the front and removing entries, touching no other line.
#include <cstring>

#include "named_colors.h"
#include "palette.h"
#include "palette_spans.h"

namespace {

bool EndsLine(const Palette& palette, const PaletteSpan& span) {
    return palette.text.data[span.begin + span.length - 1] == '\n';
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
    const char* name = FindColorName(colour);
    return InsertPaletteColour(palette, colour, name, std::strlen(name), 0);
}

PaletteChange InsertPaletteColour(Palette* palette, const ColorRecord& colour, const char* name,
                                  size_t nameLength, size_t entry) {
    if (FindPaletteColour(*palette, colour) != kNotInPalette) return PaletteChange::kPresent;
    if (!ReservePaletteSpans(palette, palette->spanCount + 2)) return PaletteChange::kNoMemory;
    // Before the entry's line; past the last entry, after the last colour line
    // (at the end when there is none).
    size_t at = palette->spanCount;
    if (entry < palette->entryCount)
        at = palette->entries[entry];
    else if (palette->entryCount > 0)
        at = palette->entries[palette->entryCount - 1] + 1;
    PaletteSpan span;
    if (!AddColourLineText(palette, colour, name, nameLength, &span))
        return PaletteChange::kNoMemory;
    // Going last after a last line without its line end: that line gets one.
    if (at == palette->spanCount && at > 0 && !EndsLine(*palette, palette->spans[at - 1])) {
        PaletteSpan lineEnd;
        if (!AddLineEndText(palette, &lineEnd)) return PaletteChange::kNoMemory;
        PushSpan(palette, lineEnd);
        ++at;
    }
    PlaceSpan(palette, span, at, palette->spanCount);
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
