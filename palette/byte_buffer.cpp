// Growing a byte buffer by doubling, so that appends take amortised constant time.
#include "byte_buffer.h"

#include <cstdlib>
#include <cstring>

bool ReserveBytes(ByteBuffer* buffer, size_t extra) {
    if (buffer->failed) return false;
    if (buffer->capacity - buffer->size >= extra) return true;
    if (extra > static_cast<size_t>(-1) / 2 - buffer->size) {
        buffer->failed = true;
        return false;
    }
    size_t capacity = buffer->capacity < 64 ? 64 : buffer->capacity;
    while (capacity - buffer->size < extra) capacity *= 2;
    char* grown = static_cast<char*>(std::realloc(buffer->data, capacity));
    if (!grown) {
        buffer->failed = true;
        return false;
    }
    buffer->data = grown;
    buffer->capacity = capacity;
    return true;
}

bool AppendBytes(ByteBuffer* buffer, const char* bytes, size_t length) {
    if (!ReserveBytes(buffer, length)) return false;
    if (length > 0) std::memcpy(buffer->data + buffer->size, bytes, length);
    buffer->size += length;
    return true;
}

bool AppendText(ByteBuffer* buffer, const char* text) {
    return AppendBytes(buffer, text, std::strlen(text));
}

bool AppendByte(ByteBuffer* buffer, char byte) { return AppendBytes(buffer, &byte, 1); }

void FreeByteBuffer(ByteBuffer* buffer) {
    std::free(buffer->data);
    *buffer = ByteBuffer{};
}
