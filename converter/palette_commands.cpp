// The palette's commands (see palette_commands.h). The palette model knows
// the file's lines; this file knows the window, the dialogs and the disk.
#include "palette_commands.h"

#include <commdlg.h>

#include <cstring>

#include "contrast_line.h"
#include "converter_state.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "field_table.h"
#include "named_colors.h"
#include "notation_format.h"
#include "palette_file.h"
#include "palette_format.h"
#include "palette_list.h"
#include "palette_read.h"
#include "resource.h"

namespace {

constexpr char kCaption[] = "Palorin";

// The file the next converter opens with, from the command line.
char s_startPalette[MAX_PATH] = "";

// palorin.gpl in palorin.exe's folder: where a palette is kept with no
// registry and no settings.
bool PaletteBesideProgram(char* path) {
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    char* slash = std::strrchr(path, '\\');
    char* folder = slash ? slash + 1 : path;
    if (folder - path + sizeof "palorin.gpl" > MAX_PATH) return false;
    std::strcpy(folder, "palorin.gpl");
    return true;
}

// A message box of up to four parts.
void Say(HWND dialog, const char* first, const char* second = "", const char* third = "",
         const char* fourth = "") {
    char text[2 * MAX_PATH + 512];
    text[0] = '\0';
    const char* const parts[] = {first, second, third, fourth};
    for (const char* part : parts) {
        if (std::strlen(text) + std::strlen(part) < sizeof text) lstrcatA(text, part);
    }
    MessageBoxA(dialog, text, kCaption, MB_OK | MB_ICONWARNING);
}

// The palette in `format` to the file at `path`, replacing it whole at once;
// false with *problem set when it could not.
bool WritePaletteTo(const char* path, PaletteFormat format, FileProblem* problem) {
    char title[MAX_PATH];
    PaletteTitleOfFileName(path, title, sizeof title);
    ByteBuffer bytes = {};
    const bool written = FormatPalette(g_palette, format, title, &bytes) &&
                         WriteFileAtomically(path, bytes.data, bytes.size, problem);
    if (!written && !problem->text[0]) lstrcpyA(problem->text, "Not enough memory.");
    FreeByteBuffer(&bytes);
    return written;
}

// After every change of a palette that has a file: all of it, at once, so
// that nothing is lost when the program ends, crashes or is killed. A failure
// keeps the palette and the old file and says so once.
void WritePaletteFile(HWND dialog) {
    if (!g_paletteFile[0]) return;
    FileProblem problem = {};
    const bool written = WritePaletteTo(g_paletteFile, PaletteFormat::kGimp, &problem);
    if (!written && !g_paletteWriteFailed)
        Say(dialog, g_paletteFile, ": ", problem.text,
            "\r\n\r\nThe palette is kept here, and written again at the next change.");
    g_paletteWriteFailed = !written;
}

// The palette changed: the list, the contrast line (a compared colour may
// have gone) and the file.
void PaletteChanged(HWND dialog, bool front) {
    if (g_comparing && FindPaletteColour(g_palette, g_compareColour) == kNotInPalette) {
        g_comparing = false;
        RefreshContrastLine(dialog);
    }
    ShowPalette(dialog, front);
    WritePaletteFile(dialog);
}

// The text of an entry in a copy command's notation, into `out`.
void FormatCopy(const ColorRecord& c, int command, char* out) {
    HlsTriple hls;
    switch (command) {
    case IDM_COPY_HEX3:
        FormatHex3(c, out);
        break;
    case IDM_COPY_PERCENT:
        FormatPercentTriple(c, out);
        break;
    case IDM_COPY_TRIPLE:
        FormatDecimalTriple(c, out);
        break;
    case IDM_COPY_NAME:
        lstrcpyA(out, FindColorName(c));
        break;
    case IDM_COPY_HLS:
        RgbToHls(c.red, c.green, c.blue, &hls.hue, &hls.lightness, &hls.saturation);
        FormatHlsTriple(hls, out);
        break;
    case IDM_COPY_CSS:
        FormatCssColor(g_cssForm, c, 255, out);
        break;
    default:
        FormatHex6(c, out);
        break;
    }
}

bool PutOnClipboard(HWND dialog, const char* text) {
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    if (bytes) {
        std::memcpy(bytes, text, size);
        GlobalUnlock(memory);
    }
    if (!bytes || !OpenClipboard(dialog)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);
    CloseClipboard();
    return put;
}

// Save's file name: the palette's own file, or palorin.gpl beside the program.
void SuggestedSaveName(char* path) {
    if (g_paletteFile[0])
        lstrcpynA(path, g_paletteFile, MAX_PATH);
    else if (!PaletteBesideProgram(path))
        lstrcpyA(path, "palorin.gpl");
}

// Filters in the order of the formats a name's extension chooses.
constexpr char kSaveFilters[] =
    "GIMP palette (*.gpl)\0*.gpl\0CSS custom properties (*.css)\0*.css\0JSON (*.json)\0*.json\0"
    "Text, one #rrggbb a line (*.txt)\0*.txt\0";
const char* const kFilterExtensions[] = {".gpl", ".css", ".json", ".txt"};

// The contrast line compares with this colour.
bool ComparingWith(const ColorRecord& c) {
    return g_comparing && std::memcmp(&g_compareColour, &c, 3) == 0;
}

}  // namespace

void SetStartPalette(const char* path) { lstrcpynA(s_startPalette, path ? path : "", MAX_PATH); }

void OpenStartPalette(HWND dialog) {
    if (s_startPalette[0]) {
        OpenPaletteFile(dialog, s_startPalette, false);
        return;
    }
    char beside[MAX_PATH];
    if (PaletteBesideProgram(beside) && GetFileAttributesA(beside) != INVALID_FILE_ATTRIBUTES)
        OpenPaletteFile(dialog, beside, false);
}

void AddColourToPalette(HWND dialog, const ColorRecord& color) {
    switch (AddPaletteColour(&g_palette, color)) {
    case PaletteChange::kAdded:
    case PaletteChange::kMoved:
        PaletteChanged(dialog, true);
        break;
    case PaletteChange::kNone:
        ShowPalette(dialog, true);
        break;
    case PaletteChange::kNoMemory:
        Say(dialog, "Not enough memory to add the colour.");
        break;
    }
}

void RecallPaletteEntry(HWND dialog, size_t entry) {
    if (entry >= PaletteSize(g_palette)) return;
    const ColorRecord c = PaletteColour(g_palette, entry);
    g_color->red = c.red;
    g_color->green = c.green;
    g_color->blue = c.blue;
    RefreshConverter(dialog, MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

void RemoveSelectedEntries(HWND dialog) {
    const size_t size = PaletteSize(g_palette);
    if (size == 0) return;
    size_t* entries = static_cast<size_t*>(HeapAlloc(GetProcessHeap(), 0, size * sizeof(size_t)));
    if (!entries) return;
    const size_t count = SelectedPaletteEntries(dialog, entries, size);
    const size_t first = count > 0 ? entries[0] : 0;
    const bool removed = count > 0 && RemovePaletteEntries(&g_palette, entries, count) > 0;
    HeapFree(GetProcessHeap(), 0, entries);
    if (!removed) return;
    // The selection moves to the colour that now stands where the first one went.
    PaletteChanged(dialog, false);
    const size_t left = PaletteSize(g_palette);
    if (left > 0) {
        LVITEMA next = {};
        next.stateMask = next.state = LVIS_SELECTED | LVIS_FOCUSED;
        const size_t at = first < left ? first : left - 1;
        SendMessageA(DialogControl(dialog, IDC_PALETTE), LVM_SETITEMSTATE, at, reinterpret_cast<LPARAM>(&next));
    }
}

void CopyPaletteEntry(HWND dialog, size_t entry, int command) {
    if (entry >= PaletteSize(g_palette)) return;
    char text[kFieldShownSize];
    FormatCopy(PaletteColour(g_palette, entry), command, text);
    if (text[0]) PutOnClipboard(dialog, text);
}

void ShowPaletteMenu(HWND dialog, size_t entry, POINT at) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    const ColorRecord c = PaletteColour(g_palette, entry);
    const bool named = FindColorName(c)[0] != '\0';
    AppendMenuA(menu, MF_STRING, IDM_COPY_HEX6, "Copy as #RRGGBB");
    AppendMenuA(menu, MF_STRING, IDM_COPY_HEX3, "Copy as #RGB");
    AppendMenuA(menu, MF_STRING, IDM_COPY_PERCENT, "Copy as (R%,G%,B%)");
    AppendMenuA(menu, MF_STRING, IDM_COPY_TRIPLE, "Copy as (R,G,B)");
    AppendMenuA(menu, MF_STRING | (named ? 0 : MF_GRAYED), IDM_COPY_NAME, "Copy as colour name");
    AppendMenuA(menu, MF_STRING, IDM_COPY_HLS, "Copy as H,L,S");
    AppendMenuA(menu, MF_STRING, IDM_COPY_CSS, "Copy as CSS");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | (ComparingWith(c) ? MF_CHECKED : 0), IDM_COMPARE, "Compare");
    AppendMenuA(menu, MF_STRING, IDM_REMOVE, "Remove");
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
    DestroyMenu(menu);
    RunPaletteMenuCommand(dialog, entry, command);
}

void RunPaletteMenuCommand(HWND dialog, size_t entry, int command) {
    if (command == IDM_COMPARE) {
        // Chosen again on the same colour, Compare goes back to white and black.
        const ColorRecord c = PaletteColour(g_palette, entry);
        g_comparing = !ComparingWith(c);
        g_compareColour = c;
        RefreshContrastLine(dialog);
    } else if (command == IDM_REMOVE) {
        const size_t only[] = {entry};
        if (RemovePaletteEntries(&g_palette, only, 1) > 0) PaletteChanged(dialog, false);
    } else if (command != 0) {
        CopyPaletteEntry(dialog, entry, command);
    }
}

bool SavePaletteFile(HWND dialog, const char* path) {
    PaletteFormat format;
    if (!PaletteFormatOfFileName(path, &format)) {
        Say(dialog, path, ": not saved; a palette is saved as .gpl, .css, .json or .txt.");
        return false;
    }
    FileProblem problem = {};
    if (!WritePaletteTo(path, format, &problem)) {
        Say(dialog, path, ": ", problem.text);
        return false;
    }
    // A GIMP palette saved is the palette's file from now on.
    if (format == PaletteFormat::kGimp) {
        lstrcpynA(g_paletteFile, path, MAX_PATH);
        g_paletteWriteFailed = false;
    }
    return true;
}

bool OpenPaletteFile(HWND dialog, const char* path, bool quiet) {
    ByteBuffer bytes = {};
    FileProblem problem = {};
    if (!ReadWholeFile(path, &bytes, &problem)) {
        if (!quiet) Say(dialog, path, ": ", problem.text);
        return false;
    }
    // The palette is replaced only by a file read whole as one.
    PaletteError error = {};
    const bool read = ReadPalette(bytes.data, bytes.size, &g_palette, &error) != 0;
    FreeByteBuffer(&bytes);
    if (!read) {
        char why[128];
        FormatPaletteError(error, why, sizeof why);
        if (!quiet) Say(dialog, path, " is no palette: ", why);
        return false;
    }
    // A GIMP palette is the palette's file; a list of colours is a new palette.
    lstrcpynA(g_paletteFile, g_palette.ownHeader ? path : "", MAX_PATH);
    g_paletteWriteFailed = false;
    g_comparing = false;
    RefreshContrastLine(dialog);
    ShowPalette(dialog, false);
    return true;
}

void OpenPaletteByDialog(HWND dialog) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Palettes (*.gpl, *.txt)\0*.gpl;*.txt\0All files\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&open)) OpenPaletteFile(dialog, path, false);
}

void SavePaletteByDialog(HWND dialog) {
    char path[MAX_PATH];
    SuggestedSaveName(path);
    OPENFILENAMEA save = {};
    save.lStructSize = sizeof save;
    save.hwndOwner = dialog;
    save.lpstrFilter = kSaveFilters;
    save.nFilterIndex = 1;
    save.lpstrFile = path;
    save.nMaxFile = sizeof path;
    save.lpstrDefExt = "gpl";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&save)) return;
    // A name whose extension is no format's takes the one of the filter chosen.
    PaletteFormat format;
    if (!PaletteFormatOfFileName(path, &format)) {
        const DWORD filter = save.nFilterIndex >= 1 && save.nFilterIndex <= 4 ? save.nFilterIndex : 1;
        // A name too long to take it is refused below, with a message.
        if (std::strlen(path) + 6 <= sizeof path) lstrcatA(path, kFilterExtensions[filter - 1]);
    }
    SavePaletteFile(dialog, path);
}

void OpenDroppedPalette(HWND dialog, HDROP drop) {
    char path[MAX_PATH];
    if (DragQueryFileA(drop, 0, path, sizeof path)) OpenPaletteFile(dialog, path, false);
    DragFinish(drop);
}
