// Writing the palette's file, taking in what other programs wrote to it
// meanwhile (see palette_document.h).
#include <cstring>

#include "palette_document.h"
#include "palette_format.h"

namespace {

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
