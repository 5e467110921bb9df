// The palette's files (see palette_files.h). The palette model knows the
// file's lines; this file knows the dialogs and the disk.
#include "palette_files.h"

#include <commdlg.h>

#include <cstring>

#include "contrast_line.h"
#include "palette_file.h"
#include "palette_format.h"
#include "palette_home.h"
#include "palette_list.h"
#include "palette_read.h"
#include "palette_state.h"
#include "palette_status.h"
#include "system_library.h"

namespace {

constexpr char kCaption[] = "Palorin";

// The file the next converter opens with, from the command line.
char s_startPalette[kPathCapacity] = "";

// The palette in `format` to the file at `path`, replacing it whole at once;
// false with *problem set when it could not.
bool WritePaletteTo(const char* path, PaletteFormat format, FileProblem* problem) {
    char title[kPathCapacity];
    PaletteTitleOfFileName(path, title, sizeof title);
    ByteBuffer bytes = {};
    const bool written = FormatPalette(g_document.palette, format, title, &bytes) &&
                         WriteFileAtomically(path, bytes.data, bytes.size, problem);
    if (!written && !problem->text[0]) lstrcpyA(problem->text, "Not enough memory.");
    FreeByteBuffer(&bytes);
    return written;
}

// Save's file name: the palette's own file, or the user's own palette.
void SuggestedSaveName(char* path) {
    if (g_document.file[0])
        lstrcpynA(path, g_document.file, kPathCapacity);
    else if (!DefaultPalettePath(path))
        lstrcpyA(path, "palorin.gpl");
}

// Filters in the order of the formats a name's extension chooses.
constexpr char kSaveFilters[] =
    "GIMP palette (*.gpl)\0*.gpl\0CSS custom properties (*.css)\0*.css\0JSON (*.json)\0*.json\0"
    "Text, one #rrggbb a line (*.txt)\0*.txt\0";
const char* const kFilterExtensions[] = {".gpl", ".css", ".json", ".txt"};

}  // namespace

void SayAboutPalette(HWND dialog, const char* first, const char* second, const char* third,
                     const char* fourth) {
    char text[kPathCapacity + 512];
    text[0] = '\0';
    const char* const parts[] = {first, second, third, fourth};
    for (const char* part : parts) {
        if (std::strlen(text) + std::strlen(part) < sizeof text) lstrcatA(text, part);
    }
    MessageBoxA(dialog, text, kCaption, MB_OK | MB_ICONWARNING);
}

void WritePaletteFile(HWND dialog) {
    const bool failedBefore = g_document.writeFailed;
    // The user's own palette's folder is made at its first change.
    char defaultPalette[kPathCapacity];
    if (g_document.file[0] && DefaultPalettePath(defaultPalette) &&
        lstrcmpiA(defaultPalette, g_document.file) == 0)
        MakePaletteHome();
    const bool written = WritePaletteDocument(&g_document);
    if (written) NoteGonePalette(nullptr);
    if (!written && !failedBefore)
        SayAboutPalette(dialog, g_document.file, ": ", g_document.problem.text,
                        "\r\n\r\nThe palette is kept here, and written again at the next change.");
}

void SetStartPalette(const char* path) {
    lstrcpynA(s_startPalette, path ? path : "", kPathCapacity);
}

void OpenStartPalette(HWND dialog) {
    if (s_startPalette[0]) {
        OpenPaletteFile(dialog, s_startPalette, false);
        return;
    }
    // The palette last opened or saved, as an editor reopens its last document;
    // when it can't be, the user's own palette, and the status line says so.
    char path[kPathCapacity];
    char gone[kPathCapacity] = "";
    if (LastPalette(path)) {
        if (IsExistingFile(path) && OpenPaletteFile(dialog, path, true)) return;
        lstrcpynA(gone, path, kPathCapacity);
    }
    // The user's own palette is written first at its first change.
    if (DefaultPalettePath(path)) {
        if (!IsExistingFile(path))
            SetDocumentFile(&g_document, path);
        else
            OpenPaletteFile(dialog, path, false);
    }
    NoteGonePalette(gone);
    ShowPalette(dialog, -1);
}

bool SavePaletteFile(HWND dialog, const char* path) {
    PaletteFormat format;
    if (!PaletteFormatOfFileName(path, &format)) {
        SayAboutPalette(dialog, path,
                        ": not saved; a palette is saved as .gpl, .css, .json or .txt.");
        return false;
    }
    FileProblem problem = {};
    if (!WritePaletteTo(path, format, &problem)) {
        SayAboutPalette(dialog, path, ": ", problem.text);
        return false;
    }
    // A GIMP palette saved is the palette's file from now on.
    if (format == PaletteFormat::kGimp) {
        SetDocumentFile(&g_document, path);
        RememberLastPalette(path);
        ShowPalette(dialog, -1);
    }
    return true;
}

bool OpenPaletteFile(HWND dialog, const char* path, bool quiet) {
    // The palette is replaced only by a file read whole as one. A GIMP palette
    // is the palette's file; a list of colours is a new palette.
    FileProblem problem = {};
    PaletteError error = {};
    switch (OpenPaletteDocument(&g_document, path, &problem, &error)) {
    case OpenResult::kNotRead:
        if (!quiet) SayAboutPalette(dialog, path, ": ", problem.text);
        return false;
    case OpenResult::kNoPalette: {
        char why[128];
        FormatPaletteError(error, why, sizeof why);
        if (!quiet) SayAboutPalette(dialog, path, " is no palette: ", why);
        return false;
    }
    case OpenResult::kOpened:
        break;
    }
    if (g_document.file[0]) RememberLastPalette(g_document.file);
    NoteGonePalette(nullptr);
    CompareWith(dialog, nullptr);
    ShowPalette(dialog, -1);
    return true;
}

namespace {

// The file dialogs and the dropped files' names come from comdlg32 and shell32,
// loaded when first used and kept: imported, both would load at every start,
// and comdlg32 brings the print spooler, whose start lists the printers.
typedef BOOL(WINAPI* FileDialog)(OPENFILENAMEA*);
typedef UINT(WINAPI* DroppedName)(HDROP, UINT, char*, UINT);
typedef void(WINAPI* DropDone)(HDROP);

// The function `name` of `library` as type F, or null when it can't be had.
template <typename F>
F LoadedFunction(const char* library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(SystemFunction(library, name)));
}

// The file dialog `name` run with `dialog`, false when cancelled or not available.
bool RunFileDialog(const char* name, OPENFILENAMEA* dialog) {
    const FileDialog run = LoadedFunction<FileDialog>("comdlg32.dll", name);
    return run && run(dialog);
}

}  // namespace

void OpenPaletteByDialog(HWND dialog) {
    char path[kPathCapacity] = "";
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter =
        "Palettes (*.gpl, *.txt, *.css, *.json)\0*.gpl;*.txt;*.css;*.json\0All files\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (RunFileDialog("GetOpenFileNameA", &open)) OpenPaletteFile(dialog, path, false);
}

bool SavePaletteByDialog(HWND dialog) {
    char path[kPathCapacity];
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
    if (!RunFileDialog("GetSaveFileNameA", &save)) return false;
    // A name whose extension is no format's takes the one of the filter chosen.
    PaletteFormat format;
    if (!PaletteFormatOfFileName(path, &format)) {
        const DWORD filter =
            save.nFilterIndex >= 1 && save.nFilterIndex <= 4 ? save.nFilterIndex : 1;
        // A name too long to take it is refused below, with a message.
        if (std::strlen(path) + 6 <= sizeof path) lstrcatA(path, kFilterExtensions[filter - 1]);
    }
    return SavePaletteFile(dialog, path);
}

namespace {

HHOOK s_boxHook = nullptr;

// The close question's buttons say what they do: its box is the first window
// this thread activates once the hook is set.
LRESULT CALLBACK NameCloseButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextW(box, IDYES, L"&Save\x2026");
        SetDlgItemTextW(box, IDNO, L"Do&n't Save");
        UnhookWindowsHookEx(s_boxHook);
        s_boxHook = nullptr;
        return 0;
    }
    return CallNextHookEx(s_boxHook, code, wParam, lParam);
}

}  // namespace

bool MayClosePalette(HWND dialog) {
    if (g_document.editCount == 0) return true;
    char text[kPathCapacity + 128];
    if (g_document.file[0]) {
        lstrcpyA(text, "The palette could not be written to ");
        lstrcatA(text, g_document.file);
        lstrcatA(text, ". Save it elsewhere before closing?");
    } else {
        lstrcpyA(text, "The palette's colours are kept in no file. Save them before closing?");
    }
    s_boxHook = SetWindowsHookExA(WH_CBT, NameCloseButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxA(dialog, text, kCaption, MB_YESNOCANCEL | MB_ICONWARNING);
    if (s_boxHook) UnhookWindowsHookEx(s_boxHook);
    s_boxHook = nullptr;
    if (answer == IDYES) return SavePaletteByDialog(dialog);
    return answer == IDNO;
}

void OpenDroppedPalette(HWND dialog, HDROP drop) {
    const DroppedName name = LoadedFunction<DroppedName>("shell32.dll", "DragQueryFileA");
    const DropDone done = LoadedFunction<DropDone>("shell32.dll", "DragFinish");
    char path[kPathCapacity];
    if (name && name(drop, 0, path, sizeof path)) OpenPaletteFile(dialog, path, false);
    if (done) done(drop);
}
