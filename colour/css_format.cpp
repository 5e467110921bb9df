// The modern CSS forms, each number as short as the round trip allows. A
// number with d decimals is K / 10^d, which is exactly what the reader makes
// of its text (both are exact doubles, divided once), so the search tries
// numbers rather than texts. A text that reads back only by being mapped
// into sRGB would be another colour on a wider screen, so it does not count.
#include "css_format.h"

#include <cmath>
#include <cstdint>

#include "css_color.h"
#include "css_spaces.h"
#include "css_tokens.h"
#include "srgb_tables.h"

namespace {

// More than any colour needs: 0.5 / 10^12 is far below a step of 8 bits in
// every space.
constexpr int kMaxDecimals = 12;
static_assert(kMaxDecimals < kExactPowersOfTen, "every 10^d is exact");

// The exact channels of the colour in the form's space.
void ExactChannels(CssForm form, const ColorRecord& color, double v[3]) {
    const double rgb[3] = {color.red / 255.0, color.green / 255.0, color.blue / 255.0};
    const double linear[3] = {kLinearOfChannel[color.red], kLinearOfChannel[color.green],
                              kLinearOfChannel[color.blue]};
    double hsl[3];
    switch (form) {
    case CssForm::kRgb:
        v[0] = color.red;
        v[1] = color.green;
        v[2] = color.blue;
        return;
    case CssForm::kHsl:
        SrgbToHsl(rgb, hsl);
        v[0] = hsl[0];
        v[1] = hsl[1] * 100;
        v[2] = hsl[2] * 100;
        return;
    case CssForm::kHwb: {
        SrgbToHsl(rgb, hsl);
        const double max = rgb[0] > rgb[1] ? (rgb[0] > rgb[2] ? rgb[0] : rgb[2]) : (rgb[1] > rgb[2] ? rgb[1] : rgb[2]);
        const double min = rgb[0] < rgb[1] ? (rgb[0] < rgb[2] ? rgb[0] : rgb[2]) : (rgb[1] < rgb[2] ? rgb[1] : rgb[2]);
        v[0] = hsl[0];
        v[1] = min * 100;
        v[2] = (1 - max) * 100;
        return;
    }
    case CssForm::kLab:
    case CssForm::kLch:
        LinearSrgbToLab(linear, v);
        break;
    case CssForm::kOklab:
    case CssForm::kOklch:
        LinearSrgbToOklab(linear, v);
        break;
    }
    if (form == CssForm::kLch || form == CssForm::kOklch) RectangularToPolar(v[1], v[2], &v[1], &v[2]);
}

// v rounded to `decimals` places, as the integer K of K / 10^decimals.
// Halves away from zero, like the text a person would write.
long long Rounded(double v, int decimals) {
    const double scaled = v * kPowersOfTen[decimals];
    return scaled >= 0 ? static_cast<long long>(scaled + 0.5) : -static_cast<long long>(0.5 - scaled);
}

struct Candidate {
    long long k[3];
    int decimals[3];
};

// The cosine and sine of the hue last tried: while the search shortens the
// other numbers of lch() or oklch(), the hue stays and its angle need not be
// worked out again. The colour is then tried in lab() or oklab(), which the
// reader reaches through the very same products.
struct HueAngle {
    long long k = -1;
    int decimals = -1;
    double cosine = 0, sine = 0;
};

bool ReadsBackAs(const CssFunction& info, const Candidate& c, const ColorRecord& color, HueAngle* angle) {
    CssColor css = {info.space, {0, 0, 0}, 1};
    for (int i = 0; i < 3; ++i) css.channels[i] = c.k[i] / kPowersOfTen[c.decimals[i]];
    if (info.hue == 2) {
        if (angle->k != c.k[2] || angle->decimals != c.decimals[2]) {
            angle->k = c.k[2];
            angle->decimals = c.decimals[2];
            PolarToRectangular(1, css.channels[2], &angle->cosine, &angle->sine);
        }
        css.space = info.space == CssSpace::kLch ? CssSpace::kLab : CssSpace::kOklab;
        const double chroma = css.channels[1];
        css.channels[1] = chroma * angle->cosine;
        css.channels[2] = chroma * angle->sine;
    }
    return CssColorIs(css, color);
}

// A hue of a whole turn is written as 0, which reads the same.
void WrapHue(Candidate* c, int i, int hue) {
    if (i == hue && c->k[i] == 360 * static_cast<long long>(kPowersOfTen[c->decimals[i]])) c->k[i] = 0;
}

void SetNumber(Candidate* c, int i, const double v[3], int decimals, int hue) {
    c->decimals[i] = decimals;
    c->k[i] = Rounded(v[i], decimals);
    WrapHue(c, i, hue);
}

// All numbers with the same decimals, from `first` up, until the text reads
// back; then each number shortened while it still does, until none can lose a
// decimal. A number a decimal shorter is either neighbour of it at one decimal
// fewer (38.95 could become 38.9 or 39): both are tried, the one nearer the
// exact value first.
Candidate ShortestNumbers(const CssFunction& info, const ColorRecord& color, const double v[3]) {
    Candidate c;
    HueAngle angle;
    for (int d = info.firstDecimals;; ++d) {
        for (int i = 0; i < 3; ++i) SetNumber(&c, i, v, d, info.hue);
        if (d == kMaxDecimals || ReadsBackAs(info, c, color, &angle)) break;
    }
    // `unchanged` counts the numbers tried in a row that could not shorten.
    for (int i = 0, unchanged = 0; unchanged < 3; i = (i + 1) % 3) {
        bool shortened = false;
        while (c.decimals[i] > 0) {
            Candidate nearer = c;
            SetNumber(&nearer, i, v, c.decimals[i] - 1, info.hue);
            Candidate other = nearer;
            const long long k = c.k[i];
            const long long truncated = k / 10;  // toward zero
            other.k[i] = nearer.k[i] == truncated ? truncated + (k < 0 ? -1 : 1) : truncated;
            WrapHue(&other, i, info.hue);
            if (ReadsBackAs(info, nearer, color, &angle)) {
                c = nearer;
            } else if (k % 10 != 0 && ReadsBackAs(info, other, color, &angle)) {
                c = other;
            } else {
                break;
            }
            shortened = true;
        }
        unchanged = shortened ? 1 : unchanged + 1;
    }
    return c;
}

char* PutText(const char* text, char* out) {
    while (*text) *out++ = *text++;
    return out;
}

// K / 10^decimals in decimal, without trailing zeros or a sign on zero.
char* PutNumber(long long k, int decimals, char* out) {
    if (k < 0) *out++ = '-';
    unsigned long long magnitude = k < 0 ? 0ull - static_cast<unsigned long long>(k) : k;
    while (decimals > 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        --decimals;
    }
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0 || n <= decimals);
    while (n > 0) {
        if (n == decimals) *out++ = '.';
        *out++ = digits[--n];
    }
    return out;
}

// The alpha, 0-1, with the fewest decimals that round back to the same byte
// as the reader rounds it.
char* PutAlpha(uint8_t alpha, char* out) {
    const double exact = alpha / 255.0;
    for (int d = 0;; ++d) {
        const long long k = Rounded(exact, d);
        if (static_cast<int>(k / kPowersOfTen[d] * 255 + 0.5) == alpha || d == kMaxDecimals)
            return PutNumber(k, d, out);
    }
}

}  // namespace

const char* CssFormName(CssForm form) { return CssFunctionOf(form).name; }

int FormatCssColor(CssForm form, const ColorRecord& color, uint8_t alpha, char* out) {
    const CssFunction& info = CssFunctionOf(form);
    double v[3];
    ExactChannels(form, color, v);
    const bool grey = color.red == color.green && color.green == color.blue;
    if (grey && info.hue >= 0) v[info.hue] = 0;
    Candidate c = {{0, 0, 0}, {0, 0, 0}};
    if (form == CssForm::kRgb) {
        for (int i = 0; i < 3; ++i) c.k[i] = static_cast<long long>(v[i]);
    } else {
        c = ShortestNumbers(info, color, v);
    }
    char* p = PutText(info.name, out);
    *p++ = '(';
    for (int i = 0; i < 3; ++i) {
        if (i > 0) *p++ = ' ';
        p = PutNumber(c.k[i], c.decimals[i], p);
        if (info.writtenPercent & (1 << i)) *p++ = '%';
    }
    if (alpha < 255) p = PutAlpha(alpha, PutText(" / ", p));
    *p++ = ')';
    *p = '\0';
    return static_cast<int>(p - out);
}

int FormatCssAlpha(uint8_t alpha, char* out) {
    char* p = PutAlpha(alpha, out);
    *p = '\0';
    return static_cast<int>(p - out);
}

int FormatCssNumber(double v, int significantDigits, char* out) {
    double magnitude = v < 0 ? -v : v;
    // What a conversion leaves of nothing is 0; beyond 10^17 no colour goes.
    if (!(magnitude >= 5e-7)) return static_cast<int>(PutNumber(0, 0, out) - out);
    if (magnitude > 1e17) v = v < 0 ? -1e17 : 1e17;
    if (magnitude > 1e17) magnitude = 1e17;
    // The power of ten of the leading digit: 10^exponent <= magnitude.
    int exponent = 0;
    while (exponent < 17 && magnitude >= kPowersOfTen[exponent + 1]) ++exponent;
    while (exponent <= 0 && exponent > -kMaxDecimals && magnitude * kPowersOfTen[-exponent] < 1) --exponent;
    int decimals = significantDigits - 1 - exponent;
    decimals = decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals;
    return static_cast<int>(PutNumber(Rounded(v, decimals), decimals, out) - out);
}
