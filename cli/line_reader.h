// Lines of any length from a byte stream, read in large blocks into one buffer
// that never grows: a line that fits comes back whole and NUL-terminated; a
// longer one comes back in pieces, so memory stays the same whatever the input.
#pragma once

#include <cstddef>

// Reads up to `size` bytes into `into`: the count, 0 at the end, -1 on an error.
using ReadBytes = long (*)(void* context, char* into, size_t size);

struct LineReader {
    ReadBytes read;
    void* context;    // passed to `read`
    char* buffer;     // capacity + 1 bytes, owned by the caller
    size_t capacity;  // at least 2
    size_t begin;     // the unread bytes are buffer[begin, end)
    size_t end;
    size_t scanned;   // buffer[begin, scanned) holds no LF: a slow input is
                      // not searched again from `begin` after each read
    bool scannedNul;  // and a NUL is among those bytes
    bool atEnd;       // `read` has reported the end
    bool failed;      // `read` has reported an error, and is not asked again
    bool inLongLine;  // the pieces given so far have not ended their line
};

// A line, or a piece of one longer than the buffer. A line ends at LF; one CR
// right before the LF is dropped with it; the last line may lack its LF. A
// piece that does not end its line does not end inside a UTF-8 character
// either (see WithoutCutCharacter), so that each can be shown on its own.
struct LinePiece {
    char* text;     // in the reader's buffer, valid until the next call
    size_t length;  // nothing else is trimmed
    bool endsLine;  // false: more of the same line follows
    bool holdsNul;  // a NUL byte is among the piece's `length` bytes
};

void StartLineReader(LineReader* reader, ReadBytes read, void* context, char* buffer,
                     size_t capacity);

// 1 with the next piece; 0 at the end of the input, or on a read error (then
// `failed` is set, and every later call is 0 too). A line comes in one piece when it fits in the capacity with
// its LF, else in several. A piece that ends its line is followed by a NUL.
int NextLinePiece(LineReader* reader, LinePiece* piece);
