// Finding the colour text on the command line. The start-up code's own lpCmdLine
// is not used: it runs a quoted name on into the text that follows its closing
// quotation mark, and, comparing signed characters, skips a leading character
// above 127 as if it were a blank.
#include "command_line.h"

const char* CommandLineText(const char* commandLine) {
    // Unsigned, so that only codes 0-32 count as blanks.
    const unsigned char* c = reinterpret_cast<const unsigned char*>(commandLine);
    if (*c == '"') {
        do ++c;
        while (*c && *c != '"');
        if (*c == '"') ++c;
    } else {
        while (*c > ' ') ++c;
    }
    while (*c && *c <= ' ') ++c;
    return reinterpret_cast<const char*>(c);
}
