// Test folders under the Wine prefix's temporary folder.
#include "test_folder.h"

std::string MakeTestFolder(const char* prefix) {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    for (unsigned n = GetTickCount();; ++n) {
        std::string folder = std::string(base) + prefix + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(n);
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
    }
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string FileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    std::string bytes;
    char block[65536];
    DWORD got;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0) bytes.append(block, got);
    CloseHandle(file);
    return bytes;
}

void RemoveTestFolder(const std::string& folder) {
    for (const std::string& name : FolderNames(folder)) {
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}
