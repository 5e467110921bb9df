// What both platforms' file reading shares: reading on to the end of a file
// within the size limit, and this program's own messages.
#pragma once

#include <cstddef>

#include "palette_file.h"

// Reads up to `size` bytes at `into`: the count, 0 at the end, -1 on an error
// (the platform's error code then says which).
using ReadFileBytes = long (*)(void* file, char* into, size_t size);

enum class ReadEnd { kWhole, kFailed, kTooLarge, kNoMemory };

// Reads the file to its end into *bytes (its old bytes replaced), `expected`
// bytes or however many there turn out to be, at most kMaxPaletteFileSize. On
// kTooLarge and kNoMemory *problem is set; on kFailed the caller sets it from
// the platform's error.
ReadEnd ReadToEnd(ReadFileBytes read, void* file, size_t expected, ByteBuffer* bytes,
                  FileProblem* problem);

// Sets *problem to "The file is larger than 16 MB."
void SetTooLarge(FileProblem* problem);

// False, with *problem "too large to keep: N bytes", for more than a file may
// hold to be read again.
bool FitsTheSizeLimit(size_t size, FileProblem* problem);
