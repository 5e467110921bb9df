// UTF-8 characters (see utf8.h).
#include "utf8.h"

namespace {

// The length a first byte announces: 1 for ASCII, 2 to 4, or 0 for a byte that
// starts no character (a continuation byte, C0, C1, F5 and above).
size_t AnnouncedLength(unsigned char first) {
    if (first < 0x80) return 1;
    if (first >= 0xC2 && first <= 0xDF) return 2;
    if (first >= 0xE0 && first <= 0xEF) return 3;
    if (first >= 0xF0 && first <= 0xF4) return 4;
    return 0;
}

// The second byte's range is narrower after E0 and F0 (else the character is
// overlong), ED (else a surrogate) and F4 (else beyond U+10FFFF).
bool ContinuesAt(const unsigned char* p, size_t i) {
    if (i > 1) return (p[i] & 0xC0) == 0x80;
    switch (p[0]) {
    case 0xE0:
        return p[1] >= 0xA0 && p[1] <= 0xBF;
    case 0xED:
        return p[1] >= 0x80 && p[1] <= 0x9F;
    case 0xF0:
        return p[1] >= 0x90 && p[1] <= 0xBF;
    case 0xF4:
        return p[1] >= 0x80 && p[1] <= 0x8F;
    }
    return (p[1] & 0xC0) == 0x80;
}

// How many of the `announced` bytes at `p` belong to its character, of the
// `available` that are there.
size_t BytesThatBelong(const unsigned char* p, size_t announced, size_t available) {
    size_t i = 1;
    while (i < announced && i < available && ContinuesAt(p, i)) ++i;
    return i;
}

}  // namespace

size_t Utf8CharacterLength(const char* text, size_t available) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    const size_t announced = AnnouncedLength(p[0]);
    return announced && BytesThatBelong(p, announced, available) == announced ? announced : 0;
}

size_t WithoutCutCharacter(const char* text, size_t length) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    // A cut character starts in the last three bytes, before its continuation bytes.
    for (size_t back = 1; back <= 3 && back < length; ++back) {
        const unsigned char* first = p + length - back;
        if ((*first & 0xC0) == 0x80) continue;
        const size_t announced = AnnouncedLength(*first);
        const bool cut = announced > back && BytesThatBelong(first, announced, back) == back;
        return cut ? length - back : length;
    }
    return length;
}
