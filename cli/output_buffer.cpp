// Gathering output into blocks.
#include "output_buffer.h"

#include <cstring>

#include "standard_io.h"

void Append(OutputBuffer* out, const char* data, size_t size) {
    if (out->capacity - out->used < size) {
        Flush(out);
        // Too long for the block even when empty: straight through.
        if (size > out->capacity) {
            if (!out->failed && !out->write(data, size)) out->failed = true;
            return;
        }
    }
    std::memcpy(out->data + out->used, data, size);
    out->used += size;
}

void AppendText(OutputBuffer* out, const char* text) { Append(out, text, std::strlen(text)); }

void AppendLineEnd(OutputBuffer* out) { Append(out, kLineEnd, kLineEndLength); }

bool Flush(OutputBuffer* out) {
    if (out->used > 0 && !out->failed && !out->write(out->data, out->used)) out->failed = true;
    out->used = 0;
    return !out->failed;
}
