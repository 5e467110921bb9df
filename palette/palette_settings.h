// The small settings file kept beside the user's own palette (palorin.ini):
// which palette was opened or saved last, so that the next start opens it
// again. Its text only; palette_file.h reads and writes it like a palette.
#pragma once

#include <cstddef>

// "[Palette]", then "Last=" and the path (UTF-8), each line ending in CR LF,
// into `out`; false when it does not fit `capacity` with its NUL or the path
// holds a line end.
bool FormatSettings(const char* lastPalette, char* out, size_t capacity);

// The path of the settings' "Last=" line under [Palette] into `path`
// (`capacity` bytes with its NUL); false when there is none, or it is empty
// or too long.
bool ReadLastPalette(const char* bytes, size_t size, char* path, size_t capacity);
