// Reading a whole file in large blocks, stopping at the size limit.
#include "palette_file_read.h"

#include <cstring>

#include "notation_format.h"

namespace {

void SetOwnProblem(FileProblem* problem, const char* text) {
    problem->code = 0;
    std::strcpy(problem->text, text);
}

}  // namespace

void SetTooLarge(FileProblem* problem) { SetOwnProblem(problem, "The file is larger than 16 MB."); }

bool FitsTheSizeLimit(size_t size, FileProblem* problem) {
    if (size <= kMaxPaletteFileSize) return true;
    char text[64] = "too large to keep: ";
    FormatDecimal(size, text + std::strlen(text));
    std::strcat(text, " bytes");
    SetOwnProblem(problem, text);
    return false;
}

ReadEnd ReadToEnd(ReadFileBytes read, void* file, size_t expected, ByteBuffer* bytes,
                  FileProblem* problem) {
    bytes->size = 0;
    bytes->failed = false;
    // The size may change while reading: read on to the end, within the limit.
    size_t room = expected + 1;
    for (;;) {
        if (!ReserveBytes(bytes, room)) {
            SetOwnProblem(problem, "There is not enough memory.");
            return ReadEnd::kNoMemory;
        }
        const long got = read(file, bytes->data + bytes->size, bytes->capacity - bytes->size);
        if (got < 0) return ReadEnd::kFailed;
        if (got == 0) return ReadEnd::kWhole;
        bytes->size += static_cast<size_t>(got);
        if (bytes->size > kMaxPaletteFileSize) {
            SetTooLarge(problem);
            return ReadEnd::kTooLarge;
        }
        room = 64 * 1024;
    }
}

bool SameStamp(const FileStamp& a, const FileStamp& b) {
    return a.volume == b.volume && a.index == b.index && a.size == b.size &&
           a.writeTime == b.writeTime;
}
