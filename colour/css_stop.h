// Why a text is no CSS colour: the first place where it stops being one and
// what was expected there, for the converter's CSS field to show.
#pragma once

#include <cstddef>

// Writes "expected X after 'PREFIX'" (or "expected a colour at the start")
// into out[0, capacity) for text[0, length), a text the reader found to be no
// colour; text[length] must be a NUL. The prefix is the text up to the last
// token that still reads as part of a colour, only its end shown when long.
// Inside math functions and nested colours only the brackets are followed.
// False, with nothing written, when no such place is found (the text is
// wrong in a way only the full reader sees). Linear time, no recursion.
bool DescribeCssStop(const char* text, size_t length, char* out, size_t capacity);
