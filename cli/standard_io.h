// The program's standard streams as raw bytes: the one part of reading and
// writing that differs between Windows and the other platforms.
#pragma once

#include <cstddef>

// Puts standard input, output and error in binary mode where the platform has a
// text mode, so that bytes pass unchanged and the program writes its own line ends.
void UseBinaryStandardStreams();

// Reads up to `size` bytes of standard input, as many as are there now (a typed
// line, what a pipe holds) rather than waiting for `size`: the count, 0 at the
// end of the input, -1 on an error.
long ReadStandardInput(char* into, size_t size);

// Write all `size` bytes; false on an error.
bool WriteStandardOutput(const char* data, size_t size);
bool WriteStandardError(const char* data, size_t size);

// What ends a line of the program's text: CR LF on Windows, as its console
// programs write, LF elsewhere.
extern const char kLineEnd[];
extern const size_t kLineEndLength;
