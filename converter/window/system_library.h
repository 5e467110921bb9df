// Loading one of the system's libraries when first needed, rather than at every
// start, from the system folder only.
#pragma once
#include <windows.h>

// The library `name` ("comdlg32.dll") from the system folder, by its full path:
// a copy of the same name beside the program, or in the current folder, is
// never loaded. It stays loaded until the process ends. Null on failure.
HMODULE LoadSystemLibrary(const char* name);

// The function `name` of the system library `library`, or null.
FARPROC SystemFunction(const char* library, const char* name);
