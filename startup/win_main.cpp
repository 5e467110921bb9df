// Palorin's entry point: the quick conversion of the command line or else the
// clipboard, then the converter. The process's one colour lives in this frame.
#include <windows.h>

#include "clipboard_text.h"
#include "color_record.h"
#include "command_line.h"
#include "main_dialog.h"
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ColorRecord color = {};
    const char* text = CommandLineText(GetCommandLineA());
    if (*text && QuickConvert(instance, text, &color)) return 0;
    // A colour on the command line leaves the clipboard alone, whatever the user chose.
    if (color.notation == kNotationNone && QuickConvertClipboard(instance, &color)) return 0;
    RunConverter(instance, &color);
    return 0;
}
