// The palette's file as a thing of its own: the palette, the file it is kept
// in, what that file was when last read or written, the changes made since
// and not yet written, and the last problem. Other programs and other copies
// of this one may change the file meanwhile: a write first takes in what they
// wrote and applies this palette's own changes to it, so that every colour
// either side added is kept.
#pragma once

#include <cstddef>

#include "palette.h"
#include "palette_file.h"
#include "palette_read.h"

// A change of the palette, as it is applied again to a file another wrote.
struct PaletteEdit {
    bool added;  // added; else removed
    ColorRecord colour;
};

// A change the user may take back: an add, or one colour of a removal with
// its name and where it stood. The changes of one command share a group.
struct PaletteUndo {
    bool added;
    ColorRecord colour;
    size_t entry;  // where a removed colour stood, counted before that command
    char* name;    // a removed colour's name, UTF-8; null for none
    size_t nameLength;
    unsigned group;
};

// Zero-initialised: a new, empty palette with no file. FreePaletteDocument
// releases its memory.
struct PaletteDocument {
    Palette palette;
    char file[kPathCapacity];  // the GIMP palette every change is written to; "" for none
    FileStamp stamp;           // the file as last read or written
    PaletteEdit* edits;        // the changes not yet written, oldest first
    size_t editCount;
    size_t editCapacity;
    PaletteUndo* undo;         // the user's changes, oldest first, for Ctrl+Z
    size_t undoCount;
    size_t undoCapacity;
    unsigned undoGroup;
    bool writeFailed;      // the last write failed, and `problem` says why
    FileProblem problem;
};

void FreePaletteDocument(PaletteDocument* document);

enum class OpenResult { kOpened, kNotRead, kNoPalette };

// Reads the file at `path` into the document, which it replaces only when it
// is a palette: a GIMP palette is the document's file from then on; any other
// is a new palette of its colours with no file. kNotRead with *problem set,
// kNoPalette with *error set, and the document as it was.
OpenResult OpenPaletteDocument(PaletteDocument* document, const char* path, FileProblem* problem,
                               PaletteError* error);

// The palette's changes, remembered until they are written. An add in
// `group` (from NewUndoGroup) is taken back by one Ctrl+Z with the others of
// that group; 0 makes it a command of its own.
PaletteChange AddToDocument(PaletteDocument* document, const ColorRecord& colour,
                            unsigned group = 0);
unsigned NewUndoGroup(PaletteDocument* document);
size_t RemoveFromDocument(PaletteDocument* document, const size_t* entries, size_t count);

// Takes back the user's last command (an add, or a removal of one or more
// colours: they return where they stood, with their names), as a change like
// any other. False when there is nothing to take back; a colour another
// program removed or added meanwhile is left as it is.
bool UndoDocumentChange(PaletteDocument* document);

// Writes the palette to its file, when it has one, as a GIMP palette. A file
// another changed since it was read or written is read again first, and the
// changes not yet written are applied to it: an add adds, a removal removes
// that colour if it is still there; the palette becomes what is written. A file
// replaced by what is no palette is not written over. 1 when written (or there
// is no file); 0 with `writeFailed` and `problem` set, the palette and its
// changes kept for the next try.
int WritePaletteDocument(PaletteDocument* document);

// When the file changed since it was read or written: the palette becomes the
// file as it is now, with the changes not yet written applied to it (and
// written, when there are any). True when the palette changed.
bool ReloadPaletteDocument(PaletteDocument* document);

// The document's file is now `path`, as it stands, with nothing left to write:
// after the palette was saved there.
void SetDocumentFile(PaletteDocument* document, const char* path);
