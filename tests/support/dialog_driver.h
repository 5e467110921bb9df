// Driving real dialogs from tests with the messages the platform sends.
#pragma once
#include <windows.h>
#include <string>

#include "color_record.h"

// The converter, created modeless from its real template and shown; the caller
// destroys it with DestroyWindow. A test may put its own procedure in front of
// the converter's.
HWND OpenConverter(ColorRecord* color, DLGPROC procedure = nullptr);

// The user's own palette and settings of the converters this test process
// opens: a folder of the process's own, removed when it ends, not the Wine
// user's, which test programs running side by side would share. OpenConverter
// chooses it first; a test that chose another goes back to it with this.
void UseProcessPaletteHome();

std::string ControlText(HWND control);
std::string FieldText(HWND dialog, int id);

// Replaces a field's text as a program would (WM_SETTEXT, which sends EN_CHANGE).
void SetFieldText(HWND dialog, int id, const char* text);

// Types `text` into the control one character at a time (WM_CHAR), with the
// caret at the end, as a user would; text limits and digit-only styles apply.
void TypeText(HWND control, const char* text);

// Enter pressed in the focused control, delivered through the dialog manager.
void PressEnter(HWND dialog);

// Delivers whatever was posted to this thread's windows.
void PumpMessages();
