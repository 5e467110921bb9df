// The palette's file on disk: read whole, and written so that it is always
// either the old file or the new one, never half of either. Each platform's
// calls are in a file of their own.
#pragma once

#include <cstddef>

#include "byte_buffer.h"

// Larger files are refused before anything is read, and never written: a
// palette is a few kilobytes, Palorin holds the whole file in memory, and what
// it writes it must be able to read again.
constexpr size_t kMaxPaletteFileSize = 16 * 1024 * 1024;

// Room for the longest path the files take, in UTF-8 bytes with the NUL. Paths
// are UTF-8 (on Windows the programs' code page is UTF-8, set by their
// manifests), and may be longer than the 260 characters of old Windows.
constexpr size_t kPathCapacity = 32768;

// What went wrong, in words for a message box: the system's own message
// ("The system cannot find the path specified.") or one of this program's
// ("The file is larger than 16 MB."), NUL-terminated.
struct FileProblem {
    char text[256];
    unsigned long code;  // the system's error code (GetLastError, errno); 0 for this program's
};

// 1 with *bytes holding the whole file (the buffer's old bytes replaced; the
// caller frees it); 0 with *problem set and the buffer freed when the file is
// missing, unreadable or larger than kMaxPaletteFileSize. Other programs may keep the file open meanwhile.
int ReadWholeFile(const char* path, ByteBuffer* bytes, FileProblem* problem);

// Replaces the file at `path` (or creates it) with `size` bytes of `data`: they
// go to a new temporary file in the same folder, which is flushed to the disk
// and then takes the file's place in one step, so that a reader, a crash or a
// kill finds the old file or the new one, whole. 1 on success; 0 with *problem
// set, the old file untouched and the temporary file removed. A write that
// succeeds also removes the temporary files a crash left beside the file. More than
// kMaxPaletteFileSize bytes are refused before anything is written: "too large
// to keep: N bytes".
//
// The caller writes only after a change: a palette merely opened and closed
// leaves its file alone, time stamps and all.
int WriteFileAtomically(const char* path, const char* data, size_t size, FileProblem* problem);

// 1 when `path` names a file that exists (not a folder).
int IsExistingFile(const char* path);

// What a file was when last seen: which file it is (its volume and its number
// there, so that a replace shows even within one tick of the clock), its size
// and its last write. All zeros for a file that is not there.
struct FileStamp {
    unsigned long long volume;
    unsigned long long index;
    unsigned long long size;
    unsigned long long writeTime;
};

// The stamp of the file at `path` as it is now.
FileStamp StampOfFile(const char* path);

// True when both stamps are of the same file as it was.
bool SameStamp(const FileStamp& a, const FileStamp& b);

// The file at `path` held against other copies of the program that would
// write it, from before its stamp is checked until it is replaced: the next
// one waits, then finds the file as this one left it. Readers go on reading,
// and the replace is not held up. Null when it could not be held within a few
// seconds (the caller writes all the same).
struct FileHold;
FileHold* HoldFile(const char* path);
void ReleaseFile(FileHold* hold);
