// Preparing the clipboard for the start-up tests.
#include "clipboard_setup.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// All tests of a run share one Wine session and its clipboard, and any
// palorin.exe started later would offer what a test left there: the clipboard
// is emptied when the tests that fill it end.
class EmptyClipboardAtEnd : public testing::Environment {
    void TearDown() override {
        if (!OpenClipboard(nullptr)) return;
        EmptyClipboard();
        CloseClipboard();
    }
};

testing::Environment* const g_emptyClipboardAtEnd =
    testing::AddGlobalTestEnvironment(new EmptyClipboardAtEnd);

// Opens the clipboard for this process and empties it.
bool OpenEmptied(HWND owner) {
    if (!OpenClipboard(owner)) return false;
    if (EmptyClipboard()) return true;
    CloseClipboard();
    return false;
}

}  // namespace

HGLOBAL PutTextOnClipboard(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    if (!OpenEmptied(nullptr)) {
        GlobalFree(block);
        return nullptr;
    }
    HANDLE set = SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    if (!set) GlobalFree(block);
    return static_cast<HGLOBAL>(set);
}

HGLOBAL PutTextOnClipboard(const char* text) {
    return PutTextOnClipboard(text, std::strlen(text) + 1);
}

bool PutImageOnClipboard() {
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    if (!bitmap) return false;
    if (!OpenEmptied(nullptr)) {
        DeleteObject(bitmap);
        return false;
    }
    bool set = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    CloseClipboard();
    if (!set) DeleteObject(bitmap);
    return set;
}

ClipboardHolder::ClipboardHolder()
    : window(CreateWindowA("STATIC", "clipboard holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           nullptr, nullptr)),
      open(false) {
    if (!window || !OpenClipboard(window)) return;
    open = GetOpenClipboardWindow() == window;
    if (!open) CloseClipboard();
}

ClipboardHolder::~ClipboardHolder() {
    if (open) CloseClipboard();
    if (window) DestroyWindow(window);
}
