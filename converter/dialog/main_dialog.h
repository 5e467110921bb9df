// The converter dialog (IDD_MAIN), the top room: its procedure switches on the
// message, then on the control, and hands each branch to the room it belongs
// to; control_procedure.h does the same for what the controls themselves
// receive. The room owns the keyboard hook of the palette's shortcuts.
#pragma once
#include <windows.h>

#include "color_record.h"

// Runs the converter modally with no owner on `color`, which it edits in place;
// the result is 0 when it ends, -1 when it could not be created.
INT_PTR RunConverter(HINSTANCE instance, ColorRecord* color);

// Registers the common controls the converter holds (its palette list); done
// by RunConverter, and before any other creation of the dialog.
void InitConverterControls();

// The converter's dialog procedure, for tests that create it themselves. Its
// creation parameter is the address of the ColorRecord.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
