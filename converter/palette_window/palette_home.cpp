// Where the user's own palette lives (see palette_home.h).
#include "palette_home.h"

#include <windows.h>

#include <cstring>

#include "palette_file.h"
#include "palette_settings.h"
#include "system_library.h"

namespace {

// The folder, found once; "" until then or when none can be had.
char s_home[kPathCapacity] = "";
bool s_homeFound = false;

// The last palette as the settings hold it, to write them only on a change.
char s_last[kPathCapacity] = "";
bool s_lastRead = false;

// The thread that finds the folder and reads the settings while the dialog is
// being built (loading shell32 takes a few milliseconds); null once joined.
HANDLE s_ahead = nullptr;

constexpr char kPaletteName[] = "palorin.gpl";
constexpr char kSettingsName[] = "palorin.ini";

// `folder` with "\" and `name` after it into `path`, false when too long.
bool Join(const char* folder, const char* name, char* path) {
    const size_t length = std::strlen(folder);
    if (length + 1 + std::strlen(name) + 1 > kPathCapacity) return false;
    std::memcpy(path, folder, length);
    path[length] = '\\';
    std::strcpy(path + length + 1, name);
    return true;
}

// The program's folder, when palorin.gpl stands beside palorin.exe.
bool PortableFolder(char* folder) {
    const DWORD length = GetModuleFileNameA(nullptr, folder, kPathCapacity);
    if (length == 0 || length >= kPathCapacity) return false;
    char* slash = std::strrchr(folder, '\\');
    if (!slash) return false;
    *slash = '\0';
    char beside[kPathCapacity];
    return Join(folder, kPaletteName, beside) && IsExistingFile(beside);
}

// Palorin in the roaming application-data folder, as the platform's
// known-folder call gives it (shell32, loaded only here).
bool ApplicationDataFolder(char* folder) {
    typedef HRESULT(WINAPI * KnownFolderPath)(REFGUID, DWORD, HANDLE, PWSTR*);
    typedef void(WINAPI * FreeTaskMemory)(void*);
    static const GUID kRoamingAppData = {
        0x3eb685db, 0x65f9, 0x4cf6, {0xa0, 0x3a, 0xe3, 0xef, 0x65, 0x72, 0x9f, 0x3d}};
    const auto path = reinterpret_cast<KnownFolderPath>(
        reinterpret_cast<void (*)()>(SystemFunction("shell32.dll", "SHGetKnownFolderPath")));
    const auto free = reinterpret_cast<FreeTaskMemory>(
        reinterpret_cast<void (*)()>(SystemFunction("ole32.dll", "CoTaskMemFree")));
    PWSTR wide = nullptr;
    if (!path || !free || FAILED(path(kRoamingAppData, 0, nullptr, &wide))) return false;
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, folder, kPathCapacity - 8, nullptr, nullptr);
    free(wide);
    if (length <= 0) return false;
    std::strcat(folder, "\\Palorin");
    return true;
}

const char* Home() {
    if (!s_homeFound) {
        s_homeFound = true;
        if (!PortableFolder(s_home) && !ApplicationDataFolder(s_home)) s_home[0] = '\0';
    }
    return s_home;
}

bool SettingsPath(char* path) {
    return Home()[0] && Join(Home(), kSettingsName, path);
}

// The last palette's path as the settings hold it, read once.
const char* Last() {
    if (!s_lastRead) {
        s_lastRead = true;
        s_last[0] = '\0';
        char settings[kPathCapacity];
        ByteBuffer bytes = {};
        FileProblem problem = {};
        if (SettingsPath(settings) && IsExistingFile(settings) &&
            ReadWholeFile(settings, &bytes, &problem)) {
            if (!ReadLastPalette(bytes.data, bytes.size, s_last, kPathCapacity)) s_last[0] = '\0';
            FreeByteBuffer(&bytes);
        }
    }
    return s_last;
}

DWORD WINAPI FindAhead(void*) {
    Last();
    return 0;
}

// After this, what the thread found is this room's as if found here.
void JoinAhead() {
    if (!s_ahead) return;
    WaitForSingleObject(s_ahead, INFINITE);
    CloseHandle(s_ahead);
    s_ahead = nullptr;
}

}  // namespace

void FindPaletteHomeAhead() {
    if (s_ahead || s_lastRead) return;
    // Without the thread, the same is found when first needed.
    s_ahead = CreateThread(nullptr, 0, FindAhead, nullptr, 0, nullptr);
}

void UsePaletteHome(const char* folder) {
    JoinAhead();
    lstrcpynA(s_home, folder ? folder : "", kPathCapacity);
    s_homeFound = folder != nullptr;
    s_lastRead = false;
}

bool DefaultPalettePath(char* path) {
    JoinAhead();
    return Home()[0] && Join(Home(), kPaletteName, path);
}

void MakePaletteHome() {
    JoinAhead();
    if (!Home()[0]) return;
    WCHAR wide[kPathCapacity];
    if (MultiByteToWideChar(CP_ACP, 0, Home(), -1, wide, kPathCapacity) > 0)
        CreateDirectoryW(wide, nullptr);  // there already: nothing to do
}

bool LastPalette(char* path) {
    JoinAhead();
    if (!Last()[0]) return false;
    std::strcpy(path, s_last);
    return true;
}

void RememberLastPalette(const char* path) {
    char last[kPathCapacity];
    if (LastPalette(last) && lstrcmpiA(last, path) == 0) return;
    char defaultPalette[kPathCapacity];
    // The default palette needs no settings, as long as none name another.
    if (!s_last[0] && DefaultPalettePath(defaultPalette) && lstrcmpiA(defaultPalette, path) == 0) return;
    char settings[kPathCapacity];
    char text[kPathCapacity + 32];
    FileProblem problem = {};
    if (!SettingsPath(settings) || !FormatSettings(path, text, sizeof text)) return;
    MakePaletteHome();
    if (WriteFileAtomically(settings, text, std::strlen(text), &problem))
        lstrcpynA(s_last, path, kPathCapacity);
}
