// Standard streams on POSIX systems: no text mode, lines end in LF.
#include <errno.h>
#include <unistd.h>

#include "standard_io.h"
#include "write_all_posix.h"

const char kLineEnd[] = "\n";
const size_t kLineEndLength = 1;

void UseBinaryStandardStreams() {}

long ReadStandardInput(char* into, size_t size) {
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, into, size);
        if (count >= 0 || errno != EINTR) return static_cast<long>(count);
    }
}

bool WriteStandardOutput(const char* data, size_t size) {
    return WriteAll(STDOUT_FILENO, data, size);
}

bool WriteStandardError(const char* data, size_t size) {
    return WriteAll(STDERR_FILENO, data, size);
}
