// The settings file's text (see palette_settings.h). Written as an INI file, so
// that a user can read and mend it with any editor.
#include "palette_settings.h"

#include <cstring>

namespace {

constexpr char kSection[] = "[Palette]";
constexpr char kLast[] = "Last=";

// Where the line from `p` ends: its LF, or the end of the text.
const char* LineEnd(const char* p, const char* end) {
    const char* stop = static_cast<const char*>(std::memchr(p, '\n', end - p));
    return stop ? stop : end;
}

void Trim(const char** begin, const char** end) {
    while (*begin < *end && (**begin == ' ' || **begin == '\t')) ++*begin;
    while (*end > *begin && ((*end)[-1] == '\r' || (*end)[-1] == ' ' || (*end)[-1] == '\t')) --*end;
}

bool StartsWith(const char* begin, const char* end, const char* prefix) {
    const size_t length = std::strlen(prefix);
    return static_cast<size_t>(end - begin) >= length && std::strncmp(begin, prefix, length) == 0;
}

}  // namespace

bool FormatSettings(const char* lastPalette, char* out, size_t capacity) {
    if (std::strpbrk(lastPalette, "\r\n")) return false;
    const size_t length = sizeof kSection - 1 + 2 + sizeof kLast - 1 + std::strlen(lastPalette) + 2;
    if (length + 1 > capacity) return false;
    std::strcpy(out, kSection);
    std::strcat(out, "\r\n");
    std::strcat(out, kLast);
    std::strcat(out, lastPalette);
    std::strcat(out, "\r\n");
    return true;
}

bool ReadLastPalette(const char* bytes, size_t size, char* path, size_t capacity) {
    const char* end = bytes + size;
    bool inSection = false;
    for (const char* line = bytes; line < end;) {
        const char* next = LineEnd(line, end);
        const char* begin = line;
        const char* stop = next;
        Trim(&begin, &stop);
        if (begin < stop && *begin == '[') {
            inSection = stop - begin == sizeof kSection - 1 && std::strncmp(begin, kSection, stop - begin) == 0;
        } else if (inSection && StartsWith(begin, stop, kLast)) {
            begin += sizeof kLast - 1;
            const size_t length = static_cast<size_t>(stop - begin);
            if (length == 0 || length + 1 > capacity) return false;
            std::memcpy(path, begin, length);
            path[length] = '\0';
            return true;
        }
        line = next < end ? next + 1 : end;
    }
    return false;
}
