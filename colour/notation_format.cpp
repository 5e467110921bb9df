// Display forms of a colour. The digits are produced by hand rather than by a
// printf: every keystroke rewrites all the fields, and the exe stays small.
#include "notation_format.h"

namespace {

const char kHexDigits[] = "0123456789abcdef";

// The decimal texts of 0-255, looked up rather than divided out: palorin-cli
// writes three of them on most lines, millions of lines a run. Built at start,
// in storage that takes no room in the file.
struct SmallNumberTexts {
    char digits[256][3];
    uint8_t length[256];
    SmallNumberTexts() {
        for (int value = 0; value < 256; ++value) {
            char* d = digits[value];
            int n = 0;
            if (value >= 100) d[n++] = static_cast<char>('0' + value / 100);
            if (value >= 10) d[n++] = static_cast<char>('0' + value / 10 % 10);
            d[n++] = static_cast<char>('0' + value % 10);
            while (n < 3) d[n++] = '\0';
            length[value] = static_cast<uint8_t>(value >= 100 ? 3 : value >= 10 ? 2 : 1);
        }
    }
};

SmallNumberTexts smallNumbers;  // not const: a const object would be stored in the file

// Writes all three bytes and keeps the length's worth: no branch on the
// length. `out` needs room for three.
char* PutSmallNumber(uint8_t value, char* out) {
    out[0] = smallNumbers.digits[value][0];
    out[1] = smallNumbers.digits[value][1];
    out[2] = smallNumbers.digits[value][2];
    return out + smallNumbers.length[value];
}

// Writes `value` in decimal at `out` without a NUL; returns the end.
char* PutDecimal(unsigned long long value, char* out) {
    if (value < 256) return PutSmallNumber(static_cast<uint8_t>(value), out);
    char reversed[20];  // 18446744073709551615 has twenty digits
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) *out++ = reversed[--count];
    return out;
}

// Writes `value` in hex without leading zeros or a NUL; returns the end.
char* PutHex(unsigned value, char* out) {
    char reversed[8];
    int count = 0;
    do {
        reversed[count++] = kHexDigits[value & 15];
        value >>= 4;
    } while (value != 0);
    while (count > 0) *out++ = reversed[--count];
    return out;
}

char* PutHexPair(unsigned value, char* out) {
    *out++ = kHexDigits[(value >> 4) & 15];
    *out++ = kHexDigits[value & 15];
    return out;
}

int Finish(char* start, char* end) {
    *end = '\0';
    return static_cast<int>(end - start);
}

}  // namespace

int NearestNibble(int value) {
    // Multiples of 17 are the #RGB values; 9 is where the nearest one becomes 17.
    return value < 9 ? 0 : (value - 9) / 17 + 1;
}

int FormatHex6(const ColorRecord& color, char* out) {
    char* p = out;
    *p++ = '#';
    p = PutHexPair(color.red, p);
    p = PutHexPair(color.green, p);
    p = PutHexPair(color.blue, p);
    return Finish(out, p);
}

int FormatHex8(const ColorRecord& color, unsigned alpha, char* out) {
    char* p = out + FormatHex6(color, out);
    return Finish(out, PutHexPair(alpha, p));
}

int FormatHex3(const ColorRecord& color, char* out) {
    char* p = out;
    *p++ = '#';
    *p++ = kHexDigits[NearestNibble(color.red)];
    *p++ = kHexDigits[NearestNibble(color.green)];
    *p++ = kHexDigits[NearestNibble(color.blue)];
    return Finish(out, p);
}

int FormatPercentTriple(const ColorRecord& color, char* out) {
    const uint8_t channels[3] = {color.red, color.green, color.blue};
    char* p = out;
    *p++ = '(';
    for (int i = 0; i < 3; ++i) {
        if (i > 0) *p++ = ',';
        p = PutDecimal(channels[i] * 100u / 255u, p);
        *p++ = '%';
    }
    *p++ = ')';
    return Finish(out, p);
}

int FormatDecimalTriple(const ColorRecord& color, char* out) {
    char* p = out;
    *p++ = '(';
    p = PutSmallNumber(color.red, p);
    *p++ = ',';
    p = PutSmallNumber(color.green, p);
    *p++ = ',';
    p = PutSmallNumber(color.blue, p);
    *p++ = ')';
    return Finish(out, p);
}

int FormatHlsTriple(const HlsTriple& hls, char* out) {
    char* p = PutSmallNumber(hls.hue, out);
    *p++ = ',';
    p = PutSmallNumber(hls.lightness, p);
    *p++ = ',';
    p = PutSmallNumber(hls.saturation, p);
    return Finish(out, p);
}

int FormatDecimalChannel(unsigned value, char* out) { return Finish(out, PutDecimal(value, out)); }

int FormatDecimal(unsigned long long value, char* out) {
    return Finish(out, PutDecimal(value, out));
}

int FormatHexChannel(unsigned value, char* out) { return Finish(out, PutHex(value, out)); }
