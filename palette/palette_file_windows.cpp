// The palette's file with the Windows API. The new contents go to a temporary
// file beside the old one, which MoveFileExA then puts in its place: a rename
// within one folder, which the file system makes in one step.
#include <windows.h>

#include <cstring>

#include "notation_format.h"
#include "palette_file.h"
#include "palette_file_read.h"

namespace {

// The system's message for the error, without its line break.
void SetProblem(FileProblem* problem, DWORD code) {
    problem->code = code;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, problem->text, sizeof problem->text, nullptr);
    while (length > 0 && (problem->text[length - 1] == '\n' || problem->text[length - 1] == '\r' ||
                          problem->text[length - 1] == ' '))
        --length;
    problem->text[length] = '\0';
    if (length == 0) {
        std::strcpy(problem->text, "Windows error ");
        FormatDecimal(code, problem->text + std::strlen(problem->text));
        std::strcat(problem->text, ".");
    }
}

// "PATH.PID.tmp", or "PATH.PID-N.tmp" for the Nth try: false when it won't fit.
bool TemporaryName(const char* path, unsigned attempt, char* out, size_t capacity) {
    char number[kColorTextCapacity];
    const size_t length = std::strlen(path);
    if (length + 2 * sizeof number + 8 > capacity) return false;
    std::memcpy(out, path, length);
    out[length] = '.';
    FormatDecimal(GetCurrentProcessId(), out + length + 1);
    if (attempt > 0) {
        FormatDecimal(attempt, number);
        std::strcat(out, "-");
        std::strcat(out, number);
    }
    std::strcat(out, ".tmp");
    return true;
}

// A new file of that name, for writing only by this handle; INVALID_HANDLE_VALUE
// with the error as GetLastError says when none could be made.
HANDLE CreateTemporaryFile(const char* path, char* name, size_t capacity) {
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        if (!TemporaryName(path, attempt, name, capacity)) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return INVALID_HANDLE_VALUE;
        }
        HANDLE file = CreateFileA(name, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// While set, the system deletes the file when its last handle closes, also
// when the process is killed, so that a kill mid-write leaves no temporary file.
bool SetDeleteOnClose(HANDLE file, BOOLEAN deleteFile) {
    FILE_DISPOSITION_INFO disposition = {deleteFile};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

long ReadChunk(void* file, char* into, size_t size) {
    DWORD got = 0;
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    return ReadFile(file, into, chunk, &got, nullptr) ? static_cast<long>(got) : -1;
}

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

int ReadWholeFile(const char* path, ByteBuffer* bytes, FileProblem* problem) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SetProblem(problem, GetLastError());
        return 0;
    }
    LARGE_INTEGER size;
    ReadEnd end = ReadEnd::kFailed;
    if (!GetFileSizeEx(file, &size)) {
        SetProblem(problem, GetLastError());
    } else if (size.QuadPart > static_cast<LONGLONG>(kMaxPaletteFileSize)) {
        SetTooLarge(problem);
    } else {
        end = ReadToEnd(ReadChunk, file, static_cast<size_t>(size.QuadPart), bytes, problem);
        if (end == ReadEnd::kFailed) SetProblem(problem, GetLastError());
    }
    CloseHandle(file);
    // What was read of a file that could not be read whole is of no use.
    if (end != ReadEnd::kWhole) FreeByteBuffer(bytes);
    return end == ReadEnd::kWhole;
}

int WriteFileAtomically(const char* path, const char* data, size_t size, FileProblem* problem) {
    char temporary[MAX_PATH + 64];
    HANDLE file = CreateTemporaryFile(path, temporary, sizeof temporary);
    if (file == INVALID_HANDLE_VALUE) {
        SetProblem(problem, GetLastError());
        return 0;
    }
    // Without it a kill may leave the temporary file behind, but the write
    // itself is as safe: go on.
    const bool deletesItself = SetDeleteOnClose(file, TRUE);
    const bool written = WriteAll(file, data, size) && FlushFileBuffers(file) &&
                         (!deletesItself || SetDeleteOnClose(file, FALSE));
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!written) {
        if (!deletesItself) DeleteFileA(temporary);
        SetProblem(problem, error);
        return 0;
    }
    if (!MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD moveError = GetLastError();
        DeleteFileA(temporary);
        SetProblem(problem, moveError);
        return 0;
    }
    return 1;
}
