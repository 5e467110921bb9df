// Quick conversion: a start-up text that is a colour is shown in the quick result box.
#include "quick_convert.h"

#include <cstring>

#include "quick_dialog.h"
#include "read_color.h"

int QuickConvert(HINSTANCE instance, const char* text, ColorRecord* record) {
    ColourReading reading;
    if (ReadAnyColorWithoutNul(text, std::strlen(text), GamutMode::kMap, &reading) !=
        CssReadResult::kColour)
        return 0;
    *record = reading.color;
    return RunQuickBox(instance, record) == 0 ? 1 : 0;
}
