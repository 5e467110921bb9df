// UTF-8: whether a character is valid and where one ends, so that JSON (of a
// palette file, or palorin-cli's) gives text back as it is and a long input
// line is cut between characters.
#pragma once

#include <cstddef>

// The length, 1 to 4, of the valid UTF-8 character that starts `text`, of which
// `available` bytes (at least 1) are there; 0 when its first byte starts none,
// the bytes after do not continue it, or `available` cuts it short. Valid means
// as RFC 3629 has it: no longer than it needs to be, no UTF-16 surrogate, nothing
// beyond U+10FFFF.
size_t Utf8CharacterLength(const char* text, size_t available);

// `length`, less the bytes at the end of `text` that begin a valid character
// whose rest lies beyond it: where a piece of a longer text may end without
// cutting a character in two. Nothing is taken off when that would leave nothing.
size_t WithoutCutCharacter(const char* text, size_t length);
