// The version text of the version box, read at run time so that it can never
// disagree with the version resource.
#include "version_string.h"

namespace {

void EmptyBuffer(char* buffer, UINT capacity) {
    if (capacity > 0) buffer[0] = '\0';
}

// Formats the product version into `text` (32 bytes); returns 0 if the version
// data can't be read or holds no fixed file information.
int FormatProductVersion(const char* file, DWORD size, char* text) {
    void* data = GlobalAlloc(GMEM_FIXED, size);
    if (!data) return 0;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    int ok = GetFileVersionInfoA(file, 0, size, data) &&
             VerQueryValueA(data, "\\", reinterpret_cast<void**>(&info), &infoSize) && info &&
             infoSize >= sizeof(VS_FIXEDFILEINFO);
    if (ok) {
        int length = wsprintfA(text, "%d.%02d", HIWORD(info->dwProductVersionMS),
                               LOWORD(info->dwProductVersionMS));
        unsigned revision = HIWORD(info->dwProductVersionLS);
        if (revision > 1)
            wsprintfA(text + length, " Rev. %lx", static_cast<unsigned long>(revision));
    }
    GlobalFree(data);
    return ok;
}

}  // namespace

int GetVersionString(const char* path, char* buffer, UINT* capacity) {
    char module[MAX_PATH];
    const char* file = path;
    if (!file) {
        DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            EmptyBuffer(buffer, *capacity);
            *capacity = 0;
            return 0;
        }
        file = module;
    }
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file, &handle);
    char text[32];
    if (size == 0 || !FormatProductVersion(file, size, text)) {
        EmptyBuffer(buffer, *capacity);
        *capacity = 0;
        return 0;
    }
    UINT length = lstrlenA(text);
    if (length < *capacity) {
        lstrcpyA(buffer, text);
        *capacity = length;
        return 1;
    }
    EmptyBuffer(buffer, *capacity);
    *capacity = length;
    return 0;
}
