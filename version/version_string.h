// Reading a program's version from its version resource.
#pragma once
#include <windows.h>

// Writes "major.minor" (minor zero-padded to two digits, and " Rev. n" in hex when
// the third number is above 1) of `path`'s product version, or of this program
// when `path` is null. On entry *capacity is the buffer's size; on success it
// becomes the text's length and the result is 1. The result is 0 with an empty
// buffer when there is no version, it can't be read, or the text doesn't fit;
// *capacity then becomes 0, or the length the text needs.
int GetVersionString(const char* path, char* buffer, UINT* capacity);
