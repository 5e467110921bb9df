// The converter dialog (IDD_MAIN).
#pragma once
#include <windows.h>

// Dialog procedure of the converter. Start it with DialogBoxParamA and the
// address of a ColorRecord as the parameter; the dialog edits that record in
// place and ends with 0.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
