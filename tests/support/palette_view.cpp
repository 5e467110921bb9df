// The palette as shown and as stored (see palette_view.h).
#include "palette_view.h"

#include <commctrl.h>

#include <cstdio>

#include "palette.h"
#include "palette_file.h"
#include "palette_read.h"
#include "resource.h"

std::vector<std::string> ListedColours(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PALETTE);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        items.push_back(text);
    }
    return items;
}

std::vector<int> SelectedItems(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PALETTE);
    std::vector<int> items;
    for (LRESULT i = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
         i >= 0; i = SendMessageA(list, LVM_GETNEXTITEM, i, LVNI_SELECTED))
        items.push_back(static_cast<int>(i));
    return items;
}

void SelectItems(HWND dialog, const std::vector<int>& items) {
    HWND list = GetDlgItem(dialog, IDC_PALETTE);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    for (size_t i = 0; i < items.size(); ++i) {
        state.state = LVIS_SELECTED | (i == 0 ? LVIS_FOCUSED : 0);
        SendMessageA(list, LVM_SETITEMSTATE, items[i], reinterpret_cast<LPARAM>(&state));
    }
}

std::vector<std::string> FileColours(const std::string& path) {
    ByteBuffer bytes = {};
    FileProblem problem = {};
    if (!ReadWholeFile(path.c_str(), &bytes, &problem)) return {std::string("unreadable: ") + problem.text};
    Palette palette = {};
    PaletteError error = {};
    const bool read = ReadPalette(bytes.data, bytes.size, &palette, &error) != 0;
    FreeByteBuffer(&bytes);
    if (!read) {
        char why[128];
        FormatPaletteError(error, why, sizeof why);
        return {std::string("no palette: ") + why};
    }
    std::vector<std::string> colours;
    for (size_t i = 0; i < PaletteSize(palette); ++i) {
        char text[256];
        FormatPaletteEntry(palette, i, text, sizeof text);
        colours.push_back(text);
    }
    FreePalette(&palette);
    return colours;
}

bool WriteTestFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    return CloseHandle(file) && whole;
}

std::string FileIdentity(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!known) return "";
    char text[96];
    snprintf(text, sizeof text, "volume %lx index %lx:%lx size %lu time %lx:%lx",
             info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow, info.nFileSizeLow,
             info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
    return text;
}
