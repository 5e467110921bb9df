// Palorin's entry point: the quick conversion of the command line or else the
// clipboard, then the converter. The process's one colour lives in this frame.
#include <windows.h>

#include "clipboard_text.h"
#include "color_record.h"
#include "command_line.h"
#include "main_dialog.h"
#include "palette_file.h"
#include "palette_files.h"
#include "quick_convert.h"

namespace {

// 1 when the user ended the quick result box of the clipboard's colour with "Exit".
int QuickConvertClipboard(HINSTANCE instance, ColorRecord* color) {
    char* text = CopyClipboardText();
    if (!text) return 0;
    int end = QuickConvert(instance, text, color);
    FreeClipboardText(text);
    return end;
}

// 1 with `path` set when `text`, without quotation marks around it, names an
// existing file: a palette to open the converter with.
int NamesAFile(const char* text, char* path) {
    const size_t length = lstrlenA(text);
    const bool quoted = length >= 2 && text[0] == '"' && text[length - 1] == '"';
    if (length == 0 || length - (quoted ? 2 : 0) >= kPathCapacity) return 0;
    lstrcpynA(path, text + (quoted ? 1 : 0), static_cast<int>(length - (quoted ? 2 : 0) + 1));
    return IsExistingFile(path);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ColorRecord color = {};
    const char* text = CommandLineText(GetCommandLineA());
    if (*text && QuickConvert(instance, text, &color)) return 0;
    // A command line that is no colour but a palette file opens the converter with it.
    static char palette[kPathCapacity];
    if (color.notation == kNotationNone && *text && NamesAFile(text, palette)) {
        SetStartPalette(palette);
        RunConverter(instance, &color);
        return 0;
    }
    // A colour on the command line leaves the clipboard alone, whatever the user chose.
    if (color.notation == kNotationNone && QuickConvertClipboard(instance, &color)) return 0;
    RunConverter(instance, &color);
    return 0;
}
