// Writing to a POSIX file descriptor until every byte is out. The palette's
// file and palorin-cli's standard streams, in the native builds, both write
// through it.
#pragma once

#include <cstddef>

// Writes all `size` bytes of `data`, again after a signal interrupts a write;
// false on any other failure, with errno as the failing write left it.
bool WriteAll(int descriptor, const char* data, size_t size);
