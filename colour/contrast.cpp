// WCAG 2 contrast. The arithmetic keeps the exact cases exact in floating
// point: white's luminance is 1 and black on white is 21, which the textbook
// form ((L + 0.05) with 0.05 inexact) turns into 20.99.
#include "contrast.h"

#include "notation_format.h"
#include "srgb_tables.h"

namespace {

// The relative luminance, 0 for black to 1 for white; the weights over 10000
// so that they add up to exactly 1 for a grey.
double RelativeLuminance(const ColorRecord& color) {
    return (2126 * kLinearOfChannel[color.red] + 7152 * kLinearOfChannel[color.green] +
            722 * kLinearOfChannel[color.blue]) /
           10000;
}

}  // namespace

namespace {

const char* ContrastLevel(int hundredths) {
    if (hundredths >= 700) return "AAA";
    if (hundredths >= 450) return "AA";
    if (hundredths >= 300) return "AA-large";
    return "fail";
}

}  // namespace

int ContrastHundredths(const ColorRecord& a, const ColorRecord& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    const double lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
    // Both sides times 20; the ratio is at least 1, so truncation is the floor.
    return static_cast<int>((20 * lighter + 1) / (20 * darker + 1) * 100);
}

int FormatContrast(int hundredths, char* out) {
    char* p = out + FormatDecimalChannel(static_cast<unsigned>(hundredths / 100), out);
    *p++ = '.';
    *p++ = static_cast<char>('0' + hundredths / 10 % 10);
    *p++ = static_cast<char>('0' + hundredths % 10);
    for (const char* s = ":1 "; *s;) *p++ = *s++;
    for (const char* s = ContrastLevel(hundredths); *s;) *p++ = *s++;
    *p = '\0';
    return static_cast<int>(p - out);
}
