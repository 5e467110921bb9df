// Text shown in the programs' output: in a message only printable ASCII
// appears; in JSON (palorin-cli's, and a palette saved as JSON) the text comes
// back as it is wherever it is valid UTF-8.
#pragma once

#include <cstddef>

#include "utf8.h"

enum class EscapeStyle {
    kMessage,  // for an error message: "\xHH" for every byte outside printable
               // ASCII, and "\\" for the backslash
    kJson,     // inside a JSON string: valid UTF-8 as it is, "\u00hh" for a
               // control character and DEL, "\\" and "\"", and U+FFFD for each
               // byte that is no part of a valid character, so that the output
               // is always valid UTF-8
};

// The most bytes one input byte can become.
constexpr size_t kMaxEscapedByteSize = 6;

// Writes `length` bytes of `text` at `out`, escaped in `style`; returns the end
// of what was written (no NUL). `out` needs room for length * kMaxEscapedByteSize
// bytes. A character cut short by `length` counts as invalid: a caller that
// writes a long text in slices ends each slice with WithoutCutCharacter.
char* PutEscaped(const char* text, size_t length, EscapeStyle style, char* out);
