// The palette's file with the Windows API. The new contents go to a temporary
// file beside the old one, which MoveFileExW then puts in its place: a rename
// within one folder, which the file system makes in one step. Paths come in
// the process's code page (UTF-8) and go to the wide calls as full paths with the \\?\ prefix, so that
// neither the ANSI code page nor the 260 characters of old Windows limit them.
#include <windows.h>
#include <aclapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

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

// Room for a full wide path with its prefix and a temporary file's ending.
constexpr DWORD kWidePathCapacity = 32768 + 64;

// `path`, in the process's code page (UTF-8 by the manifest on any Windows
// that takes it, the ANSI code page on older ones), as a full wide path with the \\?\ prefix (\\?\UNC\ for a
// share), in a buffer of kWidePathCapacity the caller frees; null with the
// error set when it can't be made.
wchar_t* WidePath(const char* path) {
    wchar_t* given = static_cast<wchar_t*>(std::malloc(2 * kWidePathCapacity * sizeof(wchar_t)));
    if (!given) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    wchar_t* full = given + kWidePathCapacity;
    const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, given, 32768);
    const DWORD fullLength = length > 0 ? GetFullPathNameW(given, 32768, full + 8, nullptr) : 0;
    if (length <= 0 || fullLength == 0 || fullLength >= 32768) {
        if (length > 0 && fullLength >= 32768) SetLastError(ERROR_FILENAME_EXCED_RANGE);
        std::free(given);
        return nullptr;
    }
    wchar_t* start = full + 8;
    if (start[0] == L'\\' && start[1] == L'\\') {
        if (start[2] != L'?' && start[2] != L'.') {  // \\server\share: \\?\UNC\server\share
            start -= 6;
            std::memcpy(start, L"\\\\?\\UNC", 7 * sizeof(wchar_t));
        }
    } else {
        start -= 4;
        std::memcpy(start, L"\\\\?\\", 4 * sizeof(wchar_t));
    }
    std::memmove(given, start, (std::wcslen(start) + 1) * sizeof(wchar_t));
    return given;
}

// "PATH.PID.tmp", or "PATH.PID-N.tmp" for the Nth try, into `out`, which has
// room for kWidePathCapacity characters.
void TemporaryName(const wchar_t* path, unsigned attempt, wchar_t* out) {
    char number[kColorTextCapacity];
    wchar_t* p = out + std::wcslen(path);
    std::memcpy(out, path, (p - out) * sizeof(wchar_t));
    *p++ = L'.';
    FormatDecimal(GetCurrentProcessId(), number);
    for (const char* d = number; *d; ++d) *p++ = static_cast<wchar_t>(*d);
    if (attempt > 0) {
        *p++ = L'-';
        FormatDecimal(attempt, number);
        for (const char* d = number; *d; ++d) *p++ = static_cast<wchar_t>(*d);
    }
    std::memcpy(p, L".tmp", 5 * sizeof(wchar_t));
}

// A new file of that name, for writing only by this handle; INVALID_HANDLE_VALUE
// with the error as GetLastError says when none could be made.
HANDLE CreateTemporaryFile(const wchar_t* path, wchar_t* name) {
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        TemporaryName(path, attempt, name);
        HANDLE file = CreateFileW(name, GENERIC_WRITE | DELETE | WRITE_DAC, 0, nullptr, CREATE_NEW,
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
    wchar_t* wide = WidePath(path);
    HANDLE file = wide ? CreateFileW(wide, GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)
                       : INVALID_HANDLE_VALUE;
    const DWORD openError = GetLastError();
    std::free(wide);
    if (file == INVALID_HANDLE_VALUE) {
        FreeByteBuffer(bytes);
        SetProblem(problem, openError);
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

namespace {

// The temporary file in the place of `path`. A file open in another program
// (a reader, a virus scanner, the indexer) can't be replaced for the moment
// it is open: try again for up to two seconds before giving up; a read-only
// file is not waited for.
bool ReplaceByRename(const wchar_t* temporary, const wchar_t* path) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(path);
        const bool readOnly =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || readOnly ||
            attempt == 100) {
            SetLastError(error);
            return false;
        }
        Sleep(20);
    }
}

// What the replaced file had of its own and the new one should keep: its
// attributes (hidden, say), its creation time and its permissions. The call
// that replaces a file keeping them, ReplaceFileW, is not used: under Wine it
// leaves backup files beside the file and replaces a folder.
struct FileKeeps {
    FILE_BASIC_INFO basic;
    PACL permissions;                 // in `descriptor`
    PSECURITY_DESCRIPTOR descriptor;  // freed with LocalFree
    bool found;
};

FileKeeps KeepsOf(const wchar_t* path) {
    FileKeeps keeps = {};
    HANDLE file = CreateFileW(path, READ_CONTROL | FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return keeps;
    keeps.found = GetFileInformationByHandleEx(file, FileBasicInfo, &keeps.basic, sizeof keeps.basic);
    if (GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                        &keeps.permissions, nullptr, &keeps.descriptor) != ERROR_SUCCESS)
        keeps.descriptor = nullptr;
    CloseHandle(file);
    return keeps;
}

// Gives the new file what the old one kept; what can't be given is not worth
// failing the write for: the colours are what matters.
void GiveKeeps(HANDLE file, const FileKeeps& keeps) {
    if (keeps.found) {
        FILE_BASIC_INFO basic = {};
        basic.CreationTime = keeps.basic.CreationTime;
        const DWORD kept = keeps.basic.FileAttributes &
                           (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        basic.FileAttributes = kept ? kept : FILE_ATTRIBUTE_NORMAL;
        SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
    }
    if (keeps.descriptor)
        SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                        keeps.permissions, nullptr);
}

// A link's target in place of the link (\\?\ form, as WidePath gives), so
// that the file it points to is written and the link stays a link. A path
// that can't be opened (a new file) stays as it is.
void FollowLinks(wchar_t* path) {
    HANDLE file = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    wchar_t* target = static_cast<wchar_t*>(std::malloc(kWidePathCapacity * sizeof(wchar_t)));
    const DWORD length = target ? GetFinalPathNameByHandleW(file, target, kWidePathCapacity - 64,
                                                            FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)
                                : 0;
    CloseHandle(file);
    if (length > 0 && length < kWidePathCapacity - 64) std::memcpy(path, target, (length + 1) * sizeof(wchar_t));
    std::free(target);
}

// The bytes to a new temporary file beside `path`, flushed, then in its place.
bool WriteAndReplace(const wchar_t* path, wchar_t* temporary, const char* data, size_t size) {
    HANDLE file = CreateTemporaryFile(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Without it a kill may leave the temporary file behind, but the write
    // itself is as safe: go on.
    const bool deletesItself = SetDeleteOnClose(file, TRUE);
    const FileKeeps keeps = KeepsOf(path);
    GiveKeeps(file, keeps);
    if (keeps.descriptor) LocalFree(keeps.descriptor);
    const bool written = WriteAll(file, data, size) && FlushFileBuffers(file) &&
                         (!deletesItself || SetDeleteOnClose(file, FALSE));
    DWORD error = GetLastError();
    CloseHandle(file);
    if (written && ReplaceByRename(temporary, path)) return true;
    if (written) error = GetLastError();
    if (written || !deletesItself) DeleteFileW(temporary);
    SetLastError(error);
    return false;
}

// True when `name` is "BASE.PID.tmp" or "BASE.PID-N.tmp", the name of one of
// our temporary files for the file named `base`.
bool IsTemporaryNameOf(const wchar_t* name, const wchar_t* base) {
    const size_t length = std::wcslen(base);
    if (std::wcsncmp(name, base, length) != 0 || name[length] != L'.') return false;
    const wchar_t* p = name + length + 1;
    bool digits = false, dash = false;
    for (; (*p >= L'0' && *p <= L'9') || (*p == L'-' && digits && !dash); ++p) {
        if (*p == L'-') {
            dash = true;
            digits = false;
        } else {
            digits = true;
        }
    }
    return digits && std::wcscmp(p, L".tmp") == 0;
}

// The temporary files a write cut short by a crash or a power cut left beside
// the file (a kill leaves none: they delete themselves). A temporary file
// another copy is writing is open without sharing, so it is not deleted.
void RemoveLeftTemporaries(const wchar_t* path, wchar_t* scratch) {
    const wchar_t* slash = std::wcsrchr(path, L'\\');
    if (!slash) return;
    const size_t folder = static_cast<size_t>(slash - path) + 1;
    std::memcpy(scratch, path, std::wcslen(path) * sizeof(wchar_t));
    std::memcpy(scratch + std::wcslen(path), L".*.tmp", 7 * sizeof(wchar_t));
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(scratch, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!IsTemporaryNameOf(found.cFileName, slash + 1) ||
            folder + std::wcslen(found.cFileName) + 1 > kWidePathCapacity)
            continue;
        std::memcpy(scratch + folder, found.cFileName, (std::wcslen(found.cFileName) + 1) * sizeof(wchar_t));
        DeleteFileW(scratch);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

int WriteFileAtomically(const char* path, const char* data, size_t size, FileProblem* problem) {
    if (!FitsTheSizeLimit(size, problem)) return 0;
    wchar_t* wide = WidePath(path);
    if (wide) FollowLinks(wide);
    wchar_t* temporary =
        wide ? static_cast<wchar_t*>(std::malloc(kWidePathCapacity * sizeof(wchar_t))) : nullptr;
    const bool written = temporary && WriteAndReplace(wide, temporary, data, size);
    if (!written) SetProblem(problem, wide && !temporary ? ERROR_NOT_ENOUGH_MEMORY : GetLastError());
    if (written) RemoveLeftTemporaries(wide, temporary);
    std::free(temporary);
    std::free(wide);
    return written;
}

int IsExistingFile(const char* path) {
    wchar_t* wide = WidePath(path);
    const DWORD attributes = wide ? GetFileAttributesW(wide) : INVALID_FILE_ATTRIBUTES;
    std::free(wide);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileStamp StampOfFile(const char* path) {
    FileStamp stamp = {};
    wchar_t* wide = WidePath(path);
    HANDLE file = wide ? CreateFileW(wide, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr)
                       : INVALID_HANDLE_VALUE;
    std::free(wide);
    BY_HANDLE_FILE_INFORMATION info;
    if (file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &info)) {
        stamp.volume = info.dwVolumeSerialNumber + 1ull;  // never all zeros
        stamp.index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        stamp.size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        stamp.writeTime = (static_cast<unsigned long long>(info.ftLastWriteTime.dwHighDateTime) << 32) |
                          info.ftLastWriteTime.dwLowDateTime;
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return stamp;
}

// A mutex of the session named after the file's full path, not the file
// itself: a file held open could not be replaced on every Windows. A copy
// that ended while it held the mutex leaves it abandoned, which the next one
// takes all the same.
FileHold* HoldFile(const char* path) {
    wchar_t* wide = WidePath(path);
    if (!wide) return nullptr;
    // FNV-1a of the path in upper case, which Windows's file names ignore.
    unsigned long long hash = 14695981039346656037ull;
    CharUpperW(wide);
    for (const wchar_t* c = wide; *c; ++c) hash = (hash ^ static_cast<unsigned>(*c)) * 1099511628211ull;
    std::free(wide);
    wchar_t name[64] = L"Local\\Palorin palette ";
    wchar_t* p = name + std::wcslen(name);
    for (int shift = 60; shift >= 0; shift -= 4) *p++ = L"0123456789abcdef"[(hash >> shift) & 15];
    *p = L'\0';
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
    if (!mutex) return nullptr;
    const DWORD waited = WaitForSingleObject(mutex, 3000);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return nullptr;
    }
    return static_cast<FileHold*>(static_cast<void*>(mutex));
}

void ReleaseFile(FileHold* hold) {
    if (!hold) return;
    HANDLE mutex = static_cast<HANDLE>(static_cast<void*>(hold));
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}
