// Splitting a byte stream into lines inside one fixed buffer.
#include "line_reader.h"

#include <cstdint>
#include <cstring>

#include "utf8.h"

namespace {

// The first LF in [p, stop), or stop; *holdsNul set when a NUL comes before it.
// Eight bytes at a time: one pass finds both, where two searches of every line
// cost a fifth of a run.
char* FindLineEnd(char* p, char* const stop, bool* holdsNul) {
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first byte is the lowest");
    constexpr uint64_t kOnes = 0x0101010101010101u, kHighBits = 0x8080808080808080u;
    constexpr uint64_t kLineFeeds = kOnes * '\n';
    while (stop - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        // (x - 1) & ~x sets the high bit of x's lowest zero byte, and perhaps of
        // bytes above it, but of none below: the lowest bit set is exact.
        const uint64_t lf = word ^ kLineFeeds;
        const uint64_t lfBits = (lf - kOnes) & ~lf & kHighBits;
        const uint64_t nulBits = (word - kOnes) & ~word & kHighBits;
        if (lfBits) {
            const int at = __builtin_ctzll(lfBits) / 8;
            if (nulBits && __builtin_ctzll(nulBits) / 8 < at) *holdsNul = true;
            return p + at;
        }
        if (nulBits) *holdsNul = true;
        p += 8;
    }
    for (; p != stop; ++p) {
        if (*p == '\n') return p;
        if (*p == '\0') *holdsNul = true;
    }
    return stop;
}

// Hands out buffer[begin, begin + length) and goes on reading at `next`. What
// a piece leaves behind of its line (a CR, part of a character) holds no LF.
int Give(LineReader* reader, size_t length, bool endsLine, size_t next, LinePiece* piece) {
    char* const text = reader->buffer + reader->begin;
    if (endsLine) text[length] = '\0';
    *piece = {text, length, endsLine, reader->scannedNul};
    reader->begin = next;
    reader->scanned = endsLine ? next : reader->end;
    reader->scannedNul = false;
    reader->inLongLine = !endsLine;
    return 1;
}

}  // namespace

void StartLineReader(LineReader* reader, ReadBytes read, void* context, char* buffer,
                     size_t capacity) {
    *reader = {read, context, buffer, capacity, 0, 0, 0, false, false, false, false};
}

int NextLinePiece(LineReader* reader, LinePiece* piece) {
    if (reader->failed) return 0;
    for (;;) {
        char* const start = reader->buffer + reader->begin;
        char* const stop = reader->buffer + reader->end;
        char* const lf = FindLineEnd(reader->buffer + reader->scanned, stop, &reader->scannedNul);
        reader->scanned = static_cast<size_t>(lf - reader->buffer);
        if (lf != stop) {
            const size_t length = static_cast<size_t>(lf - start);
            const size_t cr = length > 0 && lf[-1] == '\r' ? 1 : 0;
            return Give(reader, length - cr, true, reader->begin + length + 1, piece);
        }
        const size_t available = reader->end - reader->begin;
        if (reader->atEnd) {
            // The last line, without its LF, or the end of a long one.
            if (available == 0 && !reader->inLongLine) return 0;
            return Give(reader, available, true, reader->end, piece);
        }
        // The rest of the buffer is the start of a line: move it to the front.
        if (reader->begin > 0) {
            std::memmove(reader->buffer, start, available);
            reader->scanned -= reader->begin;
            reader->begin = 0;
            reader->end = available;
        }
        if (reader->end == reader->capacity) {
            // Longer than the buffer. A CR at its end stays for the next piece:
            // it is dropped if the LF comes next. So does a character the
            // buffer's end cuts in two.
            const size_t length = reader->buffer[reader->capacity - 1] == '\r'
                                      ? reader->capacity - 1
                                      : WithoutCutCharacter(reader->buffer, reader->capacity);
            return Give(reader, length, false, length, piece);
        }
        const long count = reader->read(reader->context, reader->buffer + reader->end,
                                        reader->capacity - reader->end);
        if (count < 0) {
            reader->failed = true;
            return 0;
        }
        if (count == 0)
            reader->atEnd = true;
        else
            reader->end += static_cast<size_t>(count);
    }
}
