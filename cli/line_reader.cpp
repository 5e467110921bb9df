// Splitting a byte stream into lines inside one fixed buffer.
#include "line_reader.h"

#include <cstring>

namespace {

// Hands out buffer[begin, begin + length) and goes on reading at `next`.
int Give(LineReader* reader, size_t length, bool endsLine, size_t next, LinePiece* piece) {
    char* const text = reader->buffer + reader->begin;
    if (endsLine) text[length] = '\0';
    *piece = {text, length, endsLine};
    reader->begin = next;
    reader->inLongLine = !endsLine;
    return 1;
}

}  // namespace

void StartLineReader(LineReader* reader, ReadBytes read, void* context, char* buffer,
                     size_t capacity) {
    *reader = {read, context, buffer, capacity, 0, 0, false, false, false};
}

int NextLinePiece(LineReader* reader, LinePiece* piece) {
    for (;;) {
        char* const start = reader->buffer + reader->begin;
        const size_t available = reader->end - reader->begin;
        if (char* lf = static_cast<char*>(std::memchr(start, '\n', available))) {
            const size_t length = static_cast<size_t>(lf - start);
            const size_t cr = length > 0 && lf[-1] == '\r' ? 1 : 0;
            return Give(reader, length - cr, true, reader->begin + length + 1, piece);
        }
        if (reader->atEnd) {
            // The last line, without its LF, or the end of a long one.
            if (available == 0 && !reader->inLongLine) return 0;
            return Give(reader, available, true, reader->end, piece);
        }
        // The rest of the buffer is the start of a line: move it to the front.
        if (reader->begin > 0) {
            std::memmove(reader->buffer, start, available);
            reader->begin = 0;
            reader->end = available;
        }
        if (reader->end == reader->capacity) {
            // Longer than the buffer. A CR at its end stays for the next piece:
            // it is dropped if the LF comes next.
            const size_t cr = reader->buffer[reader->capacity - 1] == '\r' ? 1 : 0;
            return Give(reader, reader->capacity - cr, false, reader->capacity - cr, piece);
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
