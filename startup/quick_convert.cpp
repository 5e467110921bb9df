// Quick conversion: a start-up text that is a colour is shown in the quick result box.
#include "quick_convert.h"

#include "quick_dialog.h"
#include "read_color.h"

int QuickConvert(HINSTANCE instance, const char* text, ColorRecord* record) {
    if (!ReadColor(text, record)) return 0;
    return RunQuickBox(instance, record) == 0 ? 1 : 0;
}
