// A growable run of bytes on the C heap: the palette's text and the files it
// writes. Plain malloc and realloc, so that the programs carry no C++ library
// containers and report a lack of memory instead of ending.
#pragma once

#include <cstddef>

// A zero-initialised buffer is empty and owns nothing.
struct ByteBuffer {
    char* data;       // `capacity` bytes, owned by the buffer
    size_t size;      // bytes in use
    size_t capacity;
    bool failed;      // an append ran out of memory and was dropped; sticky
};

// Room for `extra` more bytes beyond `size`; false, with the buffer as it was
// and `failed` set, when memory runs out.
bool ReserveBytes(ByteBuffer* buffer, size_t extra);

// Appends `length` bytes; false (and `failed`) when memory ran out. After a
// failure further appends do nothing, so a writer checks once at the end.
bool AppendBytes(ByteBuffer* buffer, const char* bytes, size_t length);
bool AppendText(ByteBuffer* buffer, const char* text);
bool AppendByte(ByteBuffer* buffer, char byte);

// Releases the bytes; the buffer is empty again and may be reused.
void FreeByteBuffer(ByteBuffer* buffer);
