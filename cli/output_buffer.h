// An output stream's bytes gathered into large blocks: a run makes one write
// per block rather than one per line.
#pragma once

#include <cstddef>

struct OutputBuffer {
    bool (*write)(const char* data, size_t size);  // the stream's own write
    char* data;                                    // `capacity` bytes, owned by the caller
    size_t capacity;
    size_t used;
    bool failed;  // a write failed: the rest of the output is dropped
};

// Large enough that a write costs little per line, small enough to stay in cache.
constexpr size_t kOutputBlockSize = 64 * 1024;

// Writes what is gathered; false once any write of this stream has failed.
bool Flush(OutputBuffer* out);

// Room for at least `size` bytes (at most the capacity) at the returned place;
// Commit then takes what was written there. Inline: called for every line.
inline char* Reserve(OutputBuffer* out, size_t size) {
    if (out->capacity - out->used < size) Flush(out);
    return out->data + out->used;
}

inline void Commit(OutputBuffer* out, const char* end) {
    out->used = static_cast<size_t>(end - out->data);
}

void Append(OutputBuffer* out, const char* data, size_t size);
// A NUL-terminated text, without its NUL.
void AppendText(OutputBuffer* out, const char* text);
void AppendLineEnd(OutputBuffer* out);
