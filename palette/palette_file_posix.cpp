// The palette's file with POSIX calls. The new contents go to a temporary file
// beside the old one, which rename() then puts in its place in one step.
#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "notation_format.h"
#include "palette_file.h"
#include "write_all_posix.h"
#include "palette_file_read.h"

namespace {

void SetProblem(FileProblem* problem, int code) {
    problem->code = static_cast<unsigned long>(code);
    std::strncpy(problem->text, std::strerror(code), sizeof problem->text - 1);
    problem->text[sizeof problem->text - 1] = '\0';
}

long ReadChunk(void* file, char* into, size_t size) {
    for (;;) {
        const ssize_t got = read(*static_cast<int*>(file), into, size);
        if (got >= 0 || errno != EINTR) return static_cast<long>(got);
    }
}

// The folder that holds `path`, into `folder` (`capacity` bytes): "." for a
// bare name, and for one whose folder's name does not fit.
void FolderOf(const char* path, char* folder, size_t capacity) {
    const char* slash = std::strrchr(path, '/');
    std::strcpy(folder, ".");
    if (slash && static_cast<size_t>(slash - path) < capacity) {
        const size_t length = slash == path ? 1 : static_cast<size_t>(slash - path);
        std::memcpy(folder, path, length);
        folder[length] = '\0';
    }
}

// Flushes the folder that holds `path`, so that the rename itself is on the
// disk; a failure here loses nothing already written, so it is not reported.
void SyncFolder(const char* path) {
    char folder[4096];
    FolderOf(path, folder, sizeof folder);
    const int descriptor = open(folder, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

}  // namespace

int ReadWholeFile(const char* path, ByteBuffer* bytes, FileProblem* problem) {
    int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        SetProblem(problem, errno);
        return 0;
    }
    struct stat status;
    ReadEnd end = ReadEnd::kFailed;
    if (fstat(descriptor, &status) != 0) {
        SetProblem(problem, errno);
    } else if (S_ISDIR(status.st_mode)) {
        SetProblem(problem, EISDIR);
    } else if (status.st_size > static_cast<off_t>(kMaxPaletteFileSize)) {
        SetTooLarge(problem);
    } else {
        end = ReadToEnd(ReadChunk, &descriptor, static_cast<size_t>(status.st_size), bytes, problem);
        if (end == ReadEnd::kFailed) SetProblem(problem, errno);
    }
    close(descriptor);
    // What was read of a file that could not be read whole is of no use.
    if (end != ReadEnd::kWhole) FreeByteBuffer(bytes);
    return end == ReadEnd::kWhole;
}

int WriteFileAtomically(const char* given, const char* data, size_t size, FileProblem* problem) {
    if (!FitsTheSizeLimit(size, problem)) return 0;
    // Through a link, the file it points to is written and the link stays.
    char target[PATH_MAX];
    const char* path = realpath(given, target) ? target : given;
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

int IsExistingFile(const char* path) {
    struct stat status;
    return stat(path, &status) == 0 && !S_ISDIR(status.st_mode);
}

FileStamp StampOfFile(const char* path) {
    FileStamp stamp = {};
    struct stat status;
    if (stat(path, &status) != 0) return stamp;
    stamp.volume = static_cast<unsigned long long>(status.st_dev) + 1;  // never all zeros
    stamp.index = static_cast<unsigned long long>(status.st_ino);
    stamp.size = static_cast<unsigned long long>(status.st_size);
    stamp.writeTime = static_cast<unsigned long long>(status.st_mtim.tv_sec) * 1000000000ull +
                      static_cast<unsigned long long>(status.st_mtim.tv_nsec);
    return stamp;
}

// An exclusive lock of the folder that holds the file: a lock of the file
// itself would stay with the old file when the replace gives its name to the
// new one, and let the next copy in before this one had seen what it wrote.
FileHold* HoldFile(const char* path) {
    char folder[4096];
    FolderOf(path, folder, sizeof folder);
    const int descriptor = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return reinterpret_cast<FileHold*>(static_cast<intptr_t>(descriptor) + 1);
        usleep(10000);
    }
    close(descriptor);
    return nullptr;
}

void ReleaseFile(FileHold* hold) {
    if (hold) close(static_cast<int>(reinterpret_cast<intptr_t>(hold) - 1));
}
