// The palette's file as a thing of its own (see palette_document.h).
#include "palette_document.h"

#include <cstdlib>
#include <cstring>

#include "palette_format.h"

namespace {

// The change, for the next write to apply to what the file holds then. Kept
// also while the palette has no file: they are what a close would lose.
bool Remember(PaletteDocument* document, bool added, const ColorRecord& colour) {
    if (document->editCount == document->editCapacity) {
        const size_t capacity = document->editCapacity ? 2 * document->editCapacity : 16;
        void* grown = std::realloc(document->edits, capacity * sizeof(PaletteEdit));
        if (!grown) return false;
        document->edits = static_cast<PaletteEdit*>(grown);
        document->editCapacity = capacity;
    }
    ColorRecord channels = colour;
    channels.notation = 0;
    document->edits[document->editCount++] = {added, channels};
    return true;
}

// The change for Ctrl+Z to take back. Without memory for it the change still
// stands; only it can't be taken back.
void RememberForUndo(PaletteDocument* document, const PaletteUndo& change) {
    if (document->undoCount == document->undoCapacity) {
        const size_t capacity = document->undoCapacity ? 2 * document->undoCapacity : 16;
        void* grown = std::realloc(document->undo, capacity * sizeof(PaletteUndo));
        if (!grown) {
            std::free(change.name);
            return;
        }
        document->undo = static_cast<PaletteUndo*>(grown);
        document->undoCapacity = capacity;
    }
    document->undo[document->undoCount++] = change;
}

// The removed entry's colour, name and place, for Ctrl+Z to put back.
PaletteUndo RemovalOf(const PaletteDocument& document, size_t entry, unsigned group) {
    PaletteUndo change = {false, PaletteColour(document.palette, entry), entry, nullptr, 0, group};
    size_t length = 0;
    const char* name = PaletteName(document.palette, entry, &length);
    change.name = length ? static_cast<char*>(std::malloc(length)) : nullptr;
    if (change.name) {
        std::memcpy(change.name, name, length);
        change.nameLength = length;
    }
    return change;
}

// The changes of the last group taken back from the palette, oldest first:
// removed colours go back in the order of their places.
bool TakeBack(PaletteDocument* document, const PaletteUndo& change) {
    if (!change.added) {
        if (InsertPaletteColour(&document->palette, change.colour, change.name, change.nameLength,
                                change.entry) != PaletteChange::kAdded)
            return false;
        return Remember(document, true, change.colour);
    }
    const size_t entry = FindPaletteColour(document->palette, change.colour);
    if (entry == kNotInPalette || !Remember(document, false, change.colour)) return false;
    return RemovePaletteEntries(&document->palette, &entry, 1) > 0;
}

}  // namespace

void FreePaletteDocument(PaletteDocument* document) {
    FreePalette(&document->palette);
    std::free(document->edits);
    for (size_t i = 0; i < document->undoCount; ++i) std::free(document->undo[i].name);
    std::free(document->undo);
    *document = PaletteDocument{};
}

OpenResult OpenPaletteDocument(PaletteDocument* document, const char* path, FileProblem* problem,
                               PaletteError* error) {
    // Read while no other copy writes it, so that its stamp is of these bytes
    // (and, on Windows, so that the reading does not hold up a copy's replace).
    FileHold* hold = HoldFile(path);
    const FileStamp stamp = StampOfFile(path);
    ByteBuffer bytes = {};
    const bool got = ReadWholeFile(path, &bytes, problem);
    ReleaseFile(hold);
    if (!got) return OpenResult::kNotRead;
    Palette read = {};
    const bool isPalette = ReadPalette(bytes.data, bytes.size, &read, error) != 0;
    FreeByteBuffer(&bytes);
    if (!isPalette) return OpenResult::kNoPalette;
    FreePaletteDocument(document);
    document->palette = read;
    if (read.ownHeader) {
        std::strncpy(document->file, path, kPathCapacity - 1);
        document->stamp = stamp;
    }
    return OpenResult::kOpened;
}

unsigned NewUndoGroup(PaletteDocument* document) { return ++document->undoGroup; }

PaletteChange AddToDocument(PaletteDocument* document, const ColorRecord& colour, unsigned group) {
    const PaletteChange change = AddPaletteColour(&document->palette, colour);
    if (change == PaletteChange::kAdded && !Remember(document, true, colour)) {
        const size_t front[] = {0};
        RemovePaletteEntries(&document->palette, front, 1);
        return PaletteChange::kNoMemory;
    }
    if (change == PaletteChange::kAdded)
        RememberForUndo(document,
                        {true, colour, 0, nullptr, 0, group ? group : NewUndoGroup(document)});
    return change;
}

size_t RemoveFromDocument(PaletteDocument* document, const size_t* entries, size_t count) {
    // Each colour once, however often its entry is named; none past the end.
    const size_t size = PaletteSize(document->palette);
    bool* named = static_cast<bool*>(std::calloc(size ? size : 1, sizeof(bool)));
    if (!named) return 0;
    for (size_t i = 0; i < count; ++i)
        if (entries[i] < size) named[entries[i]] = true;
    bool remembered = true;
    for (size_t entry = 0; entry < size && remembered; ++entry)
        remembered = !named[entry] || Remember(document, false, PaletteColour(document->palette, entry));
    // For Ctrl+Z, in the order of their places: put back in that order, each
    // goes where it stood.
    const unsigned group = ++document->undoGroup;
    for (size_t entry = 0; entry < size && remembered; ++entry)
        if (named[entry]) RememberForUndo(document, RemovalOf(*document, entry, group));
    std::free(named);
    return remembered ? RemovePaletteEntries(&document->palette, entries, count) : 0;
}

bool UndoDocumentChange(PaletteDocument* document) {
    if (document->undoCount == 0) return false;
    const unsigned group = document->undo[document->undoCount - 1].group;
    size_t first = document->undoCount;
    while (first > 0 && document->undo[first - 1].group == group) --first;
    bool changed = false;
    for (size_t i = first; i < document->undoCount; ++i) {
        changed = TakeBack(document, document->undo[i]) || changed;
        std::free(document->undo[i].name);
    }
    document->undoCount = first;
    return changed;
}

