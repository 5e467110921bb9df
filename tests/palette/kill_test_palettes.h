// What the kill test's writer writes by turns and the test expects to find:
// two palettes, and a count of the writes the two processes share.
#pragma once

#include <windows.h>

#include "byte_buffer.h"

// The bytes of palette 0 or 1, of 500 and 600 colours.
void FormatKillTestPalette(int which, ByteBuffer* out);

// Writes begun and writes ended, in memory the test shares with the writer:
// a kill between the two landed in the middle of a write.
struct WriteCounts {
    volatile LONG begun;
    volatile LONG ended;
};
