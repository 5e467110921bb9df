// The palette's file with POSIX calls. The new contents go to a temporary file
// beside the old one, which rename() then puts in its place in one step.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "notation_format.h"
#include "palette_file.h"

namespace {

const char kTooLarge[] = "The file is larger than 16 MB.";
const char kNoMemory[] = "There is not enough memory.";

void SetOwnProblem(FileProblem* problem, const char* text) {
    problem->code = 0;
    std::strcpy(problem->text, text);
}

void SetProblem(FileProblem* problem, int code) {
    problem->code = static_cast<unsigned long>(code);
    std::strncpy(problem->text, std::strerror(code), sizeof problem->text - 1);
    problem->text[sizeof problem->text - 1] = '\0';
}

bool WriteAll(int descriptor, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = write(descriptor, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Flushes the folder that holds `path`, so that the rename itself is on the
// disk; a failure here loses nothing already written, so it is not reported.
void SyncFolder(const char* path) {
    const char* slash = std::strrchr(path, '/');
    char folder[4096] = ".";
    if (slash && static_cast<size_t>(slash - path) < sizeof folder) {
        const size_t length = slash == path ? 1 : static_cast<size_t>(slash - path);
        std::memcpy(folder, path, length);
        folder[length] = '\0';
    }
    const int descriptor = open(folder, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

}  // namespace

int ReadWholeFile(const char* path, ByteBuffer* bytes, FileProblem* problem) {
    const int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        SetProblem(problem, errno);
        return 0;
    }
    bytes->size = 0;
    bytes->failed = false;
    struct stat status;
    int read = 0;
    if (fstat(descriptor, &status) != 0) {
        SetProblem(problem, errno);
    } else if (S_ISDIR(status.st_mode)) {
        SetProblem(problem, EISDIR);
    } else if (status.st_size > static_cast<off_t>(kMaxPaletteFileSize)) {
        SetOwnProblem(problem, kTooLarge);
    } else {
        // The size may change while reading: read on to the end, within the limit.
        size_t room = static_cast<size_t>(status.st_size) + 1;
        for (;;) {
            if (!ReserveBytes(bytes, room)) {
                SetOwnProblem(problem, kNoMemory);
                break;
            }
            const ssize_t got = ::read(descriptor, bytes->data + bytes->size,
                                       bytes->capacity - bytes->size);
            if (got < 0) {
                if (errno == EINTR) continue;
                SetProblem(problem, errno);
                break;
            }
            bytes->size += static_cast<size_t>(got);
            if (bytes->size > kMaxPaletteFileSize) {
                SetOwnProblem(problem, kTooLarge);
                break;
            }
            if (got == 0) {
                read = 1;
                break;
            }
            room = 64 * 1024;
        }
    }
    close(descriptor);
    return read;
}

int WriteFileAtomically(const char* path, const char* data, size_t size, FileProblem* problem) {
    // "PATH.PID.tmp", or "PATH.PID-N.tmp" when that name is taken.
    char temporary[4096 + 64];
    const size_t length = std::strlen(path);
    if (length > 4096) {
        SetProblem(problem, ENAMETOOLONG);
        return 0;
    }
    int descriptor = -1;
    for (unsigned attempt = 0; attempt < 16 && descriptor < 0; ++attempt) {
        std::memcpy(temporary, path, length);
        temporary[length] = '.';
        FormatDecimal(static_cast<unsigned long long>(getpid()), temporary + length + 1);
        if (attempt > 0) {
            std::strcat(temporary, "-");
            FormatDecimal(attempt, temporary + std::strlen(temporary));
        }
        std::strcat(temporary, ".tmp");
        descriptor = open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST) break;
    }
    if (descriptor < 0) {
        SetProblem(problem, errno);
        return 0;
    }
    // The new file keeps the old one's permissions.
    struct stat old;
    if (stat(path, &old) == 0) fchmod(descriptor, old.st_mode & 07777);
    bool written = WriteAll(descriptor, data, size) && fsync(descriptor) == 0;
    int error = errno;
    if (close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(temporary, path) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary);
        SetProblem(problem, error);
        return 0;
    }
    SyncFolder(path);
    return 1;
}
