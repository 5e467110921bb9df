// The palette's file as a thing of its own (see palette_document.h).
#include "palette_document.h"

#include <cstdlib>
#include <cstring>

#include "palette_format.h"

namespace {

// A palette with no file has nothing to take in: its changes are not kept.
bool Remember(PaletteDocument* document, bool added, const ColorRecord& colour) {
    if (!document->file[0]) return true;
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

void SetOwnProblem(PaletteDocument* document, const char* text) {
    document->problem.code = 0;
    std::strncpy(document->problem.text, text, sizeof document->problem.text - 1);
    document->problem.text[sizeof document->problem.text - 1] = '\0';
}

// The file as it is now, with this palette's changes not yet written applied
// to it, into *merged; false when it can't be read or is no palette.
bool MergeWithFile(PaletteDocument* document, Palette* merged) {
    ByteBuffer bytes = {};
    FileProblem problem = {};
    PaletteError error = {};
    if (!ReadWholeFile(document->file, &bytes, &problem)) {
        document->problem = problem;
        return false;
    }
    const bool read = ReadPalette(bytes.data, bytes.size, merged, &error) && merged->ownHeader;
    FreeByteBuffer(&bytes);
    if (!read) {
        FreePalette(merged);
        SetOwnProblem(document, "another program made it something that is no palette; "
                                "save the palette elsewhere to keep it");
        return false;
    }
    for (size_t i = 0; i < document->editCount; ++i) {
        const PaletteEdit& edit = document->edits[i];
        if (edit.added) {
            AddPaletteColour(merged, edit.colour);
        } else {
            const size_t entry = FindPaletteColour(*merged, edit.colour);
            if (entry != kNotInPalette) RemovePaletteEntries(merged, &entry, 1);
        }
    }
    return true;
}

void TakePalette(PaletteDocument* document, Palette* merged) {
    FreePalette(&document->palette);
    document->palette = *merged;
    *merged = Palette{};
}

}  // namespace

void FreePaletteDocument(PaletteDocument* document) {
    FreePalette(&document->palette);
    std::free(document->edits);
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

PaletteChange AddToDocument(PaletteDocument* document, const ColorRecord& colour) {
    const PaletteChange change = AddPaletteColour(&document->palette, colour);
    if (change == PaletteChange::kAdded && !Remember(document, true, colour)) {
        const size_t front[] = {0};
        RemovePaletteEntries(&document->palette, front, 1);
        return PaletteChange::kNoMemory;
    }
    return change;
}

size_t RemoveFromDocument(PaletteDocument* document, const size_t* entries, size_t count) {
    // Each colour once, however often its entry is named; none past the end.
    for (size_t i = 0; i < count; ++i) {
        if (entries[i] >= PaletteSize(document->palette)) continue;
        bool named = false;
        for (size_t j = 0; j < i; ++j) named = named || entries[j] == entries[i];
        if (!named && !Remember(document, false, PaletteColour(document->palette, entries[i])))
            return 0;
    }
    return RemovePaletteEntries(&document->palette, entries, count);
}

int WritePaletteDocument(PaletteDocument* document) {
    if (!document->file[0]) return 1;
    FileHold* hold = HoldFile(document->file);
    const FileStamp now = StampOfFile(document->file);
    // A file gone is written anew with this palette; one changed is taken in first.
    bool ready = true;
    if (now.volume != 0 && !SameStamp(now, document->stamp)) {
        Palette merged = {};
        ready = MergeWithFile(document, &merged);
        if (ready) TakePalette(document, &merged);
    }
    ByteBuffer bytes = {};
    if (ready) {
        char title[kPathCapacity];
        PaletteTitleOfFileName(document->file, title, sizeof title);
        document->problem = FileProblem{};
        ready = FormatPalette(document->palette, PaletteFormat::kGimp, title, &bytes) &&
                WriteFileAtomically(document->file, bytes.data, bytes.size, &document->problem);
        if (!ready && !document->problem.text[0]) SetOwnProblem(document, "Not enough memory.");
    }
    FreeByteBuffer(&bytes);
    if (ready) {
        document->stamp = StampOfFile(document->file);
        document->editCount = 0;
    }
    ReleaseFile(hold);
    document->writeFailed = !ready;
    return ready;
}

bool ReloadPaletteDocument(PaletteDocument* document) {
    if (!document->file[0]) return false;
    const FileStamp now = StampOfFile(document->file);
    if (now.volume == 0 || SameStamp(now, document->stamp)) return false;
    if (document->editCount > 0) {
        WritePaletteDocument(document);
        return true;
    }
    FileHold* hold = HoldFile(document->file);
    const FileStamp stamp = StampOfFile(document->file);
    Palette merged = {};
    const bool read = MergeWithFile(document, &merged);
    ReleaseFile(hold);
    if (!read) return false;
    TakePalette(document, &merged);
    document->stamp = stamp;
    return true;
}

void SetDocumentFile(PaletteDocument* document, const char* path) {
    std::strncpy(document->file, path, kPathCapacity - 1);
    document->file[kPathCapacity - 1] = '\0';
    document->stamp = StampOfFile(path);
    document->editCount = 0;
    document->writeFailed = false;
}
