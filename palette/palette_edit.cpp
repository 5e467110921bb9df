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
    if (FindPaletteColour(*palette, colour) != kNotInPalette) return PaletteChange::kPresent;
    if (!ReservePaletteSpans(palette, palette->spanCount + 2)) return PaletteChange::kNoMemory;
    size_t front = palette->entryCount > 0 ? palette->entries[0] : palette->spanCount;
    PaletteSpan span;
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
