// WCAG 2 contrast. The arithmetic is arranged so that the exact cases stay
// exact in floating point: white's luminance is 1 and black on white is 21,
// which the textbook form ((L + 0.05) with 0.05 inexact) turns into 20.99.
#include "contrast_command.h"

#include <cmath>
#include <cstring>

#include "input_colour.h"
#include "messages.h"
#include "notation_format.h"

namespace {

// One sRGB channel made linear. c / 255 <= 0.04045 holds up to c = 10. Above it,
// ((c / 255 + 0.055) / 1.055) is written over integers, (1000 c + 14025) / 269025,
// so that c = 255 gives exactly 1.
double LinearChannel(int c) {
    if (c <= 10) return c / (255 * 12.92);
    return std::pow((1000.0 * c + 14025.0) / 269025.0, 2.4);
}

// The relative luminance, 0 for black to 1 for white; the weights over 10000 so
// that they add up to exactly 1 for a grey.
double RelativeLuminance(const ColorRecord& color) {
    return (2126 * LinearChannel(color.red) + 7152 * LinearChannel(color.green) +
            722 * LinearChannel(color.blue)) /
           10000;
}

// (lighter + 0.05) / (darker + 0.05), both sides times 20, in hundredths,
// truncated: a ratio shown as passing a level always passes it.
int ContrastHundredths(const ColorRecord& a, const ColorRecord& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    const double lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
    return static_cast<int>(std::floor((20 * lighter + 1) / (20 * darker + 1) * 100));
}

const char* ContrastLevel(int hundredths) {
    if (hundredths >= 700) return "AAA";
    if (hundredths >= 450) return "AA";
    if (hundredths >= 300) return "AA-large";
    return "fail";
}

}  // namespace

int RunContrastCommand(char* const colours[2], OutputBuffer* out, OutputBuffer* err) {
    ColorRecord color[2] = {};
    int status = 0;
    for (int i = 0; i < 2; ++i) {
        if (!ReadInputColour(colours[i], &color[i])) {
            ReportNotAColour(err, "argument", i + 1, colours[i], std::strlen(colours[i]));
            status = 1;
        }
    }
    if (status != 0) return status;
    const int hundredths = ContrastHundredths(color[0], color[1]);
    char ratio[kColorTextCapacity];
    Append(out, ratio, FormatDecimalChannel(hundredths / 100, ratio));
    char decimals[] = ".00:1 ";
    decimals[1] = static_cast<char>('0' + hundredths / 10 % 10);
    decimals[2] = static_cast<char>('0' + hundredths % 10);
    Append(out, decimals, sizeof decimals - 1);
    AppendText(out, ContrastLevel(hundredths));
    AppendLineEnd(out);
    return 0;
}
