// What a pick from the screen tells its owner, and how.
#pragma once
#include <windows.h>

// How a pick tells its owner what happens. Points are physical screen pixels;
// a colour is CLR_INVALID where no pixel can be read. When kept or restored is
// called the pick has already ended.
struct PickReport {
    void* context;
    // The pick point moved, or the magnifier around it changed.
    void (*moved)(void* context, POINT point, COLORREF color);
    void (*kept)(void* context, POINT point, COLORREF color);
    void (*restored)(void* context);
    // What a screen reader finds when it asks the pick's window for its
    // accessible object (WM_GETOBJECT): true with `result` set when the owner
    // answers; null, or false, for the platform's own answer. The window tells
    // screen readers that its value changed at every move.
    bool (*answer)(void* context, HWND window, WPARAM flags, LPARAM objectId, LRESULT* result);
};
