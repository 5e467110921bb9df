// `palorin-cli contrast`: reads the two colours and prints the ratio the
// colour model computes, or the fix it finds.
#include "contrast_command.h"

#include <cstring>

#include "contrast.h"
#include "contrast_fix.h"
#include "messages.h"
#include "notation_format.h"
#include "read_color.h"

namespace {

// The alpha as written, 0-1: the reading's 8-bit alpha is rounded, and 50 %
// must be composited as a half.
double ExactAlpha(const char* text, size_t length, const ColourReading& colour) {
    if (colour.alpha == 255) return 1;
    CssReading css;
    if (ReadCssColor(text, length, &css) != CssReadResult::kColour) return colour.alpha / 255.0;
    const double alpha = css.color.alpha;
    return !(alpha > 0) ? 0 : alpha > 1 ? 1 : alpha;
}

}  // namespace

int RunContrastCommand(char* const colours[2], GamutMode gamut, ColourScheme scheme, int fixLevel,
                       OutputBuffer* out, OutputBuffer* err) {
    ColourReading colour[2];
    double alpha[2];
    int status = 0;
    for (int i = 0; i < 2; ++i) {
        const size_t length = std::strlen(colours[i]);
        const CssReadResult result = ReadAnyColorWithoutNul(colours[i], length, gamut, &colour[i], scheme);
        if (result != CssReadResult::kColour) {
            ReportBadInput(err, "argument", i + 1,
                           result == CssReadResult::kRefused ? colour[i].refusal : "not a colour",
                           colours[i], length);
            status = 1;
        } else {
            alpha[i] = ExactAlpha(colours[i], length, colour[i]);
        }
    }
    if (status != 0) return status;
    if (fixLevel != 0) {
        ColorRecord fixed;
        if (!FixContrast(colour[0].color, alpha[0], colour[1].color, alpha[1], fixLevel, &fixed)) {
            ReportError(err, "no lightness of the foreground reaches that level against the background");
            return 1;
        }
        char text[kColorTextCapacity];
        Append(out, text, static_cast<size_t>(colour[0].alpha == 255 ? FormatHex6(fixed, text)
                                                                     : FormatHex8(fixed, colour[0].alpha, text)));
        AppendLineEnd(out);
        return 0;
    }
    char text[kContrastTextCapacity];
    Append(out, text, static_cast<size_t>(FormatContrast(
                          ContrastHundredthsOver(colour[0].color, alpha[0], colour[1].color, alpha[1]), text)));
    if (alpha[1] < 1) AppendText(out, " (background over white)");
    AppendLineEnd(out);
    return 0;
}
