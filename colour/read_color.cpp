// The one reader of a whole colour text, shared by the quick conversion at
// start and the command-line program.
#include "read_color.h"

#include "named_colors.h"
#include "notation_parse.h"

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
