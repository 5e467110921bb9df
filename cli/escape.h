// Input bytes shown in the program's output, where only printable ASCII may appear.
#pragma once

#include <cstddef>

enum class EscapeStyle {
    kMessage,  // for an error message: "\xHH", and "\\" for the backslash
    kJson,     // inside a JSON string: "\u00hh", "\\" and "\""
};

// The most bytes one input byte can become.
constexpr size_t kMaxEscapedByteSize = 6;

// Writes `length` bytes of `text` at `out`, printable ASCII as it is and every
// other byte escaped; returns the end of what was written (no NUL). `out` needs
// room for length * kMaxEscapedByteSize bytes.
char* PutEscaped(const char* text, size_t length, EscapeStyle style, char* out);
