// The accessibility libraries (oleacc, and oleaut32 for its strings), loaded
// when a screen reader first asks for an accessible object: a run without one
// never loads them, and the program's start stays as quick as it was.
#pragma once
#include <windows.h>
#include <oleacc.h>

struct OleaccLibrary {
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    BSTR(WINAPI* sysAllocString)(const OLECHAR*);
};

// The functions, loaded once for the process; null when a library or one of
// its functions is missing.
const OleaccLibrary* Oleacc();

// IID_IAccessible, written out here: the one in MinGW's import libraries
// resolves to other bytes when linked statically.
extern const GUID kIidIAccessible;
