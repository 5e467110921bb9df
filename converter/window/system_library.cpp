// Loading the system's libraries (see system_library.h).
#include "system_library.h"

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH + 32];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryA(path);
}

FARPROC SystemFunction(const char* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    return module ? GetProcAddress(module, name) : nullptr;
}
