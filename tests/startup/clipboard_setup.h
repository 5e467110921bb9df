// Preparing the clipboard for the start-up tests, as another program would.
// A test program that links this empties the clipboard when its tests end.
#pragma once
#include <windows.h>

#include <cstddef>

// Replaces the clipboard's contents with a CF_TEXT block of exactly these bytes:
// add the NUL to `size` for a terminated text. Returns the block (now owned by
// the clipboard), or null on failure.
HGLOBAL PutTextOnClipboard(const void* bytes, size_t size);
HGLOBAL PutTextOnClipboard(const char* text);

// Replaces the clipboard's contents with a small bitmap and no text.
bool PutImageOnClipboard();

// Keeps the clipboard open, with a window of this process as the opener, for as
// long as it lives: another program can't open it meanwhile. `open` is true only
// when the platform reports that window as the clipboard's opener.
struct ClipboardHolder {
    ClipboardHolder();
    ~ClipboardHolder();
    HWND window;
    bool open;
};
