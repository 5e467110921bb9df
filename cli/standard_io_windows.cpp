// Standard streams on Windows: binary mode, so that the C runtime neither turns
// CR LF into LF on reading nor ends the input at a Ctrl+Z byte; the program
// writes CR LF itself.
#include <fcntl.h>
#include <io.h>

#include <climits>

#include "standard_io.h"

namespace {

// The runtime's reads and writes take an unsigned int count.
unsigned ChunkSize(size_t size) { return size > INT_MAX ? INT_MAX : static_cast<unsigned>(size); }

bool WriteAll(int descriptor, const char* data, size_t size) {
    while (size > 0) {
        const int written = _write(descriptor, data, ChunkSize(size));
        if (written < 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

const char kLineEnd[] = "\r\n";
const size_t kLineEndLength = 2;

void UseBinaryStandardStreams() {
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
    _setmode(2, _O_BINARY);
}

long ReadStandardInput(char* into, size_t size) { return _read(0, into, ChunkSize(size)); }

bool WriteStandardOutput(const char* data, size_t size) { return WriteAll(1, data, size); }

bool WriteStandardError(const char* data, size_t size) { return WriteAll(2, data, size); }
