// Escaping input bytes for messages and JSON strings.
#include "escape.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";
// U+FFFD, the replacement character, in UTF-8.
const char kReplacement[] = "\xef\xbf\xbd";

char* PutHexEscape(unsigned char c, bool json, char* out) {
    *out++ = '\\';
    if (json) {
        *out++ = 'u';
        *out++ = '0';
        *out++ = '0';
    } else {
        *out++ = 'x';
    }
    *out++ = kHexDigits[c >> 4];
    *out++ = kHexDigits[c & 15];
    return out;
}

// The character at `text` in JSON: itself when valid, else U+FFFD for its
// first byte alone. Sets `taken` to the input bytes it stands for.
char* PutJsonCharacter(const char* text, size_t available, size_t* taken, char* out) {
    const size_t valid = Utf8CharacterLength(text, available);
    *taken = valid ? valid : 1;
    const char* from = valid ? text : kReplacement;
    const size_t size = valid ? valid : sizeof kReplacement - 1;
    for (size_t k = 0; k < size; ++k) *out++ = from[k];
    return out;
}

}  // namespace

char* PutEscaped(const char* text, size_t length, EscapeStyle style, char* out) {
    const bool json = style == EscapeStyle::kJson;
    for (size_t i = 0; i < length;) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t taken = 1;
        if (json && c >= 0x80) {
            out = PutJsonCharacter(text + i, length - i, &taken, out);
        } else if (c == '\\' || (json && c == '"')) {
            *out++ = '\\';
            *out++ = static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            *out++ = static_cast<char>(c);
        } else {
            out = PutHexEscape(c, json, out);
        }
        i += taken;
    }
    return out;
}
