// Running the real, modal quick result box in this process and acting on it
// from inside its own message loop, as a user's input would arrive.
#pragma once
#include <windows.h>

#include <string>

#include "color_record.h"

// What a user does once the box is up: looks at it and ends it somehow.
using BoxAction = void (*)(HWND box);

struct QuickConvertRun {
    int result;         // what QuickConvert returned
    bool boxShown;      // whether the box came up at all
    std::string shown;  // the text of its result field
};

// Calls QuickConvert on `text` and, once the box shows, reads its text and does
// `action`, which must end the box.
QuickConvertRun QuickConvertThen(const char* text, ColorRecord* record, BoxAction action);

// Actions: the "Exit" and "Main Dialog" buttons, pressed as a click would.
void PressExit(HWND box);
void PressMainDialog(HWND box);
