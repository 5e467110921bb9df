// Quick conversion: which notation a start-up text is read as, and the box.
#include "quick_convert.h"

#include "named_colors.h"
#include "notation_parse.h"
#include "quick_dialog.h"

namespace {

// 1 with the record set when `text` is a colour, 0 with it untouched otherwise.
// A text that starts with '#' or '(' is never looked up as a name.
int ReadColor(const char* text, ColorRecord* record) {
    switch (text[0]) {
    case '#':
        if (!ParseHexNotation(text, record)) return 0;
        record->notation = kNotationHash;
        return 1;
    case '(':
        if (!ParseDecimalTriple(text, record) && !ParsePercentTriple(text, record)) return 0;
        break;
    default:
        if (!LookupColorName(text, record)) return 0;
        break;
    }
    record->notation = kNotationTripleOrName;
    return 1;
}

}  // namespace

int QuickConvert(HINSTANCE instance, const char* text, ColorRecord* record) {
    if (!ReadColor(text, record)) return 0;
    return RunQuickBox(instance, record) == 0 ? 1 : 0;
}
