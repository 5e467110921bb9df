// Reading the clipboard's text at start. Each step that fails gives its own code,
// and one clean-up undoes exactly what the steps before it did. (Codes are
// returned rather than thrown: exception support would quadruple the program.)
#include "clipboard_text.h"

#include <windows.h>

#include <cstring>

namespace {

// The failure codes, one for each step of the reading, and success.
constexpr int kOpenFailed = 0;
constexpr int kNoText = 1;
constexpr int kNoHandle = 2;
constexpr int kLockFailed = 3;
constexpr int kNoMemory = 4;
constexpr int kCopied = 5;

// The text's length, never counting past the block's end: a block written
// without its terminating NUL must not be read beyond its size.
size_t BoundedLength(const char* text, SIZE_T blockSize) {
    const void* end = std::memchr(text, '\0', blockSize);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - text) : blockSize;
}

// Runs the steps in order and stops at the first that fails. On kCopied, *copy
// holds the text and the clipboard is still open with *data locked.
int CopySteps(HANDLE* data, char** copy) {
    if (!OpenClipboard(nullptr)) return kOpenFailed;
    if (!IsClipboardFormatAvailable(CF_TEXT)) return kNoText;
    *data = GetClipboardData(CF_TEXT);
    if (!*data) return kNoHandle;
    const char* text = static_cast<const char*>(GlobalLock(*data));
    if (!text) return kLockFailed;
    size_t length = BoundedLength(text, GlobalSize(*data));
    *copy = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1));
    if (!*copy) return kNoMemory;
    std::memcpy(*copy, text, length);
    (*copy)[length] = '\0';
    return kCopied;
}

}  // namespace

char* CopyClipboardText() {
    HANDLE data = nullptr;
    char* copy = nullptr;
    switch (CopySteps(&data, &copy)) {
    case kOpenFailed:
        MessageBoxA(nullptr, "Clipboard Open Error.", nullptr, MB_ICONWARNING | MB_OK);
        break;
    case kLockFailed:
    case kNoMemory:
    case kCopied:
        GlobalUnlock(data);
        CloseClipboard();
        break;
    case kNoText:
    case kNoHandle:
        CloseClipboard();
        break;
    }
    return copy;
}

void FreeClipboardText(char* text) {
    if (text) HeapFree(GetProcessHeap(), 0, text);
}
