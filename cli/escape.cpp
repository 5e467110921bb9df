// Escaping input bytes for messages and JSON strings.
#include "escape.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";

}  // namespace

char* PutEscaped(const char* text, size_t length, EscapeStyle style, char* out) {
    const bool json = style == EscapeStyle::kJson;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\' || (json && c == '"')) {
            *out++ = '\\';
            *out++ = static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            *out++ = static_cast<char>(c);
        } else {
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
        }
    }
    return out;
}
