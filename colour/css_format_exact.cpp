// The CSS forms of a colour as it was read, for palorin-cli --precise: its
// own numbers in the form's space, rounded to six significant digits.
#include <cmath>
#include <cstring>

#include "css_format.h"
#include "css_spaces.h"

namespace {

constexpr int kSignificantDigits = 6;

// The number, six significant digits, no trailing zeros, NUL-terminated.
void PutNumber(double v, char* out) { out[FormatCssNumber(v, kSignificantDigits, out)] = '\0'; }

char* PutText(const char* text, char* out) {
    while (*text) *out++ = *text++;
    return out;
}

bool IsZero(const char* text) { return std::strcmp(text, "0") == 0 || std::strcmp(text, "-0") == 0; }

}  // namespace

int FormatExactCssColor(CssForm form, const CssColor& color, const Rgba8& resolved, char* out) {
    const CssFunction& f = CssFunctionOf(form);
    double v[3];
    CssColor clamped;
    ClampedChannels(color, &clamped);
    ConvertCssColor(clamped, f.space, v);
    const bool legacy = form == CssForm::kRgb || form == CssForm::kHsl || form == CssForm::kHwb;
    if (legacy) {
        // Outside sRGB (beyond a conversion's rounding), the colour brought in.
        double rgb[3];
        CssToSrgb(clamped, rgb);
        for (double c : rgb) {
            if (!(c > -1e-9 && c < 1 + 1e-9)) {
                const CssColor inside = {CssSpace::kRgb,
                                         {double(resolved.color.red), double(resolved.color.green),
                                          double(resolved.color.blue)},
                                         1};
                ConvertCssColor(inside, f.space, v);
                break;
            }
        }
    }
    // The clamps CSS makes of lightness and chroma.
    if (form == CssForm::kLab || form == CssForm::kLch || form == CssForm::kOklab || form == CssForm::kOklch) {
        const double most = form == CssForm::kLab || form == CssForm::kLch ? 100 : 1;
        v[0] = v[0] < 0 ? 0 : v[0] > most ? most : v[0];
    }
    if (form == CssForm::kLch || form == CssForm::kOklch) v[1] = v[1] < 0 ? 0 : v[1];
    char numbers[3][24];
    for (int i = 0; i < 3; ++i) PutNumber(i == f.hue ? NormalisedHue(v[i]) : v[i], numbers[i]);
    if (f.hue >= 0) {
        // A hue that rounds up to a whole turn is 0; so is a grey's.
        const bool grey = form == CssForm::kHwb ? v[1] + v[2] >= 100 : IsZero(numbers[1]);
        if (grey || std::strcmp(numbers[f.hue], "360") == 0) std::strcpy(numbers[f.hue], "0");
    }
    for (int i = 0; i < 3; ++i) {
        if (f.writtenPercent >> i & 1) std::strcat(numbers[i], "%");
    }
    double alpha = color.alpha;
    alpha = alpha > 1 || std::isnan(alpha) ? 1 : alpha < 0 ? 0 : alpha;
    char* p = PutText(f.name, out);
    for (int i = 0; i < 3; ++i) p = PutText(numbers[i], PutText(i == 0 ? "(" : " ", p));
    char alphaText[24];
    PutNumber(alpha, alphaText);
    if (std::strcmp(alphaText, "1") != 0) p = PutText(alphaText, PutText(" / ", p));
    p = PutText(")", p);
    *p = '\0';
    return static_cast<int>(p - out);
}
