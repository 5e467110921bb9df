// CSS's colour conversions. The matrices are the sample code's own numbers;
// where two are always applied in turn, their product is taken once, at
// compile time, in the same double arithmetic the sample code uses.
#include "css_spaces.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "exact_maths.h"

namespace {

struct Matrix {
    double m[3][3];
};

constexpr Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix p = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            p.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return p;
}

void Apply(const Matrix& a, const double in[3], double out[3]) {
    const double x = in[0], y = in[1], z = in[2];
    for (int i = 0; i < 3; ++i) out[i] = a.m[i][0] * x + a.m[i][1] * y + a.m[i][2] * z;
}

constexpr Matrix kLinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kLinearP3ToXyz = {{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix kLinearA98ToXyz = {{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix kLinearProphotoToXyzD50 = {{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.00000000000000000, 0.00000000000000000, 0.82510460251046020},
}};
constexpr Matrix kLinearRec2020ToXyz = {{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
// Bradford chromatic adaptation.
constexpr Matrix kD65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix kD50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Matrix kXyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix kLmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kOklabToLms = {{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};

// The inverse of a matrix, by its adjugate.
constexpr Matrix Inverse(const Matrix& a) {
    const auto& m = a.m;
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix r = {};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const int i1 = (j + 1) % 3, i2 = (j + 2) % 3, j1 = (i + 1) % 3, j2 = (i + 2) % 3;
            r.m[i][j] = (m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1]) / det;
        }
    }
    return r;
}

constexpr Matrix kLinearSrgbToLms = Multiply(kXyzToLms, kLinearSrgbToXyz);
constexpr Matrix kLmsToLinearSrgb = Multiply(kXyzToLinearSrgb, kLmsToXyz);
constexpr Matrix kLinearSrgbToXyzD50 = Multiply(kD65ToD50, kLinearSrgbToXyz);
constexpr Matrix kXyzD50ToLinearSrgb = Multiply(kXyzToLinearSrgb, kD50ToD65);
constexpr Matrix kLinearP3ToLinearSrgb = Multiply(kXyzToLinearSrgb, kLinearP3ToXyz);
constexpr Matrix kLinearA98ToLinearSrgb = Multiply(kXyzToLinearSrgb, kLinearA98ToXyz);
constexpr Matrix kLinearProphotoToLinearSrgb = Multiply(kXyzD50ToLinearSrgb, kLinearProphotoToXyzD50);
constexpr Matrix kLinearRec2020ToLinearSrgb = Multiply(kXyzToLinearSrgb, kLinearRec2020ToXyz);
constexpr Matrix kLinearSrgbToLinearP3 = Inverse(kLinearP3ToLinearSrgb);
constexpr Matrix kLinearSrgbToLinearA98 = Inverse(kLinearA98ToLinearSrgb);
constexpr Matrix kLinearSrgbToLinearProphoto = Inverse(kLinearProphotoToLinearSrgb);
constexpr Matrix kLinearSrgbToLinearRec2020 = Inverse(kLinearRec2020ToLinearSrgb);

// The D50 white of Lab, from its 4-figure chromaticities.
constexpr double kD50White[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double kLabEpsilon = 216.0 / 24389;  // 6^3 / 29^3
constexpr double kLabKappa = 24389.0 / 27;     // 29^3 / 3^3

double SignedPow(double value, double exponent) {
    const double magnitude = Power(std::fabs(value), exponent);
    return value < 0 ? -magnitude : magnitude;
}

double A98ToLinear(double v) { return SignedPow(v, 563.0 / 256); }

double ProphotoToLinear(double v) {
    return std::fabs(v) <= 16.0 / 512 ? v / 16 : SignedPow(v, 1.8);
}

// rec2020 is display-referred, with a pure 2.4 gamma, as CSS now defines it.
double Rec2020ToLinear(double v) { return SignedPow(v, 2.4); }

double LinearToA98(double v) { return SignedPow(v, 256.0 / 563); }

double LinearToProphoto(double v) {
    return std::fabs(v) < 1.0 / 512 ? 16 * v : SignedPow(v, 1 / 1.8);
}

double LinearToRec2020(double v) { return SignedPow(v, 1 / 2.4); }

void ApplyToEach(double (*transfer)(double), const double in[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = transfer(in[i]);
}

void LabToXyzD50(const double lab[3], double xyz[3]) {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double x = f0 * f0 * f0 > kLabEpsilon ? f0 * f0 * f0 : (116 * f0 - 16) / kLabKappa;
    const double y = lab[0] > kLabKappa * kLabEpsilon ? f1 * f1 * f1 : lab[0] / kLabKappa;
    const double z = f2 * f2 * f2 > kLabEpsilon ? f2 * f2 * f2 : (116 * f2 - 16) / kLabKappa;
    xyz[0] = x * kD50White[0];
    xyz[1] = y * kD50White[1];
    xyz[2] = z * kD50White[2];
}

// Beyond 2^53 every double is a whole number, its 53-bit mantissa times a
// power of two: the remainder of 360 is that of each factor, exactly.
double WholeDegreesRemainder(double degrees) {
    uint64_t bits;
    std::memcpy(&bits, &degrees, sizeof bits);
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF) - 1075;
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    unsigned remainder = static_cast<unsigned>(mantissa % 360);
    for (int i = 0; i < exponent; ++i) remainder = remainder * 2 % 360;
    return degrees < 0 && remainder ? 360.0 - remainder : remainder;
}

}  // namespace

double NormalisedHue(double degrees) {
    if (degrees >= 0 && degrees < 360) return degrees;
    if (!(std::fabs(degrees) <= 1.7976931348623157e308)) return 0;  // infinite, or NaN
    if (std::fabs(degrees) >= 9007199254740992.0) return WholeDegreesRemainder(degrees);
    // Whole turns are whole numbers below 2^53, so their degrees are exact.
    double h = degrees - static_cast<double>(static_cast<long long>(degrees / 360)) * 360;
    if (h < 0) h += 360;
    return h >= 360 ? h - 360 : h;
}

double SrgbToLinear(double encoded) {
    const double magnitude = std::fabs(encoded);
    if (magnitude <= 0.04045) return encoded / 12.92;
    const double linear = Power((magnitude + 0.055) / 1.055, 2.4);
    return encoded < 0 ? -linear : linear;
}

double LinearToSrgb(double linear) {
    const double magnitude = std::fabs(linear);
    if (magnitude <= 0.0031308) return 12.92 * linear;
    const double encoded = 1.055 * Power(magnitude, 1 / 2.4) - 0.055;
    return linear < 0 ? -encoded : encoded;
}

namespace {

// A percentage of hsl() or hwb() within a million percent either way: as
// far as any colour needs, and near enough to 1 that the conversions lose
// nothing to rounding (at 1e16 % an hsl() lightness would cancel to 0).
double BoundedPercent(double v) {
    if (!(v >= -1e6)) return std::isnan(v) ? 0 : -1e6;
    return v > 1e6 ? 1e6 : v;
}

}  // namespace

void LegacyToSrgb(const CssColor& color, double rgb[3]) {
    const double* c = color.channels;
    switch (color.space) {
    case CssSpace::kHsl:
        HslToSrgb(c[0], (c[1] < 0 ? 0 : BoundedPercent(c[1])) / 100, BoundedPercent(c[2]) / 100, rgb);
        break;
    case CssSpace::kHwb:
        HwbToSrgb(c[0], BoundedPercent(c[1]), BoundedPercent(c[2]), rgb);
        break;
    default:
        for (int i = 0; i < 3; ++i) rgb[i] = c[i] / 255;
        break;
    }
    for (int i = 0; i < 3; ++i) rgb[i] = rgb[i] < 0 ? 0 : rgb[i] > 1 ? 1 : rgb[i];
}

void CssToLinearSrgb(const CssColor& color, double linear[3]) {
    const double* c = color.channels;
    double t[3];
    switch (color.space) {
    case CssSpace::kRgb:
    case CssSpace::kHsl:
    case CssSpace::kHwb:
        LegacyToSrgb(color, t);
        ApplyToEach(SrgbToLinear, t, linear);
        return;
    case CssSpace::kSrgb:
        ApplyToEach(SrgbToLinear, c, linear);
        return;
    case CssSpace::kSrgbLinear:
        for (int i = 0; i < 3; ++i) linear[i] = c[i];
        return;
    case CssSpace::kDisplayP3:
        ApplyToEach(SrgbToLinear, c, t);
        Apply(kLinearP3ToLinearSrgb, t, linear);
        return;
    case CssSpace::kA98Rgb:
        ApplyToEach(A98ToLinear, c, t);
        Apply(kLinearA98ToLinearSrgb, t, linear);
        return;
    case CssSpace::kProphotoRgb:
        ApplyToEach(ProphotoToLinear, c, t);
        Apply(kLinearProphotoToLinearSrgb, t, linear);
        return;
    case CssSpace::kRec2020:
        ApplyToEach(Rec2020ToLinear, c, t);
        Apply(kLinearRec2020ToLinearSrgb, t, linear);
        return;
    case CssSpace::kXyzD50:
        Apply(kXyzD50ToLinearSrgb, c, linear);
        return;
    case CssSpace::kXyzD65:
        Apply(kXyzToLinearSrgb, c, linear);
        return;
    case CssSpace::kLab:
    case CssSpace::kLch: {
        double lab[3] = {c[0], c[1], c[2]};
        if (color.space == CssSpace::kLch) PolarToRectangular(c[1], c[2], &lab[1], &lab[2]);
        LabToLinearSrgb(lab, linear);
        return;
    }
    case CssSpace::kOklab:
    case CssSpace::kOklch: {
        double oklab[3] = {c[0], c[1], c[2]};
        if (color.space == CssSpace::kOklch) PolarToRectangular(c[1], c[2], &oklab[1], &oklab[2]);
        OklabToLinearSrgb(oklab, linear);
        return;
    }
    }
}

void LabToLinearSrgb(const double lab[3], double linear[3]) {
    double xyz[3];
    LabToXyzD50(lab, xyz);
    Apply(kXyzD50ToLinearSrgb, xyz, linear);
}

void LinearSrgbToOklab(const double linear[3], double oklab[3]) {
    double lms[3];
    Apply(kLinearSrgbToLms, linear, lms);
    for (double& v : lms) v = CubeRoot(v);
    Apply(kLmsToOklab, lms, oklab);
}

void NearLinearSrgbToOklab(const double linear[3], double oklab[3]) {
    double lms[3];
    Apply(kLinearSrgbToLms, linear, lms);
    for (double& v : lms) v = NearCubeRoot(v);
    Apply(kLmsToOklab, lms, oklab);
}

void OklabToLinearSrgb(const double oklab[3], double linear[3]) {
    double lms[3];
    Apply(kOklabToLms, oklab, lms);
    for (double& v : lms) v = v * v * v;
    Apply(kLmsToLinearSrgb, lms, linear);
}

void LinearSrgbToLab(const double linear[3], double lab[3]) {
    double xyz[3], f[3];
    Apply(kLinearSrgbToXyzD50, linear, xyz);
    for (int i = 0; i < 3; ++i) {
        const double v = xyz[i] / kD50White[i];
        f[i] = v > kLabEpsilon ? CubeRoot(v) : (kLabKappa * v + 16) / 116;
    }
    lab[0] = 116 * f[1] - 16;
    lab[1] = 500 * (f[0] - f[1]);
    lab[2] = 200 * (f[1] - f[2]);
}

void HslToSrgb(double hue, double saturation, double lightness, double rgb[3]) {
    const double h = NormalisedHue(hue);
    const double a = saturation * (lightness < 1 - lightness ? lightness : 1 - lightness);
    const double n[3] = {0, 8, 4};
    for (int i = 0; i < 3; ++i) {
        // n + h / 30 is below 20: one subtraction is the remainder, exactly.
        double k = n[i] + h / 30;
        if (k >= 12) k -= 12;
        double m = k - 3 < 9 - k ? k - 3 : 9 - k;
        if (m > 1) m = 1;
        if (m < -1) m = -1;
        rgb[i] = lightness - a * m;
    }
}

void HwbToSrgb(double hue, double whiteness, double blackness, double rgb[3]) {
    if (whiteness + blackness >= 100) {
        const double grey = whiteness / (whiteness + blackness);
        rgb[0] = rgb[1] = rgb[2] = grey;
        return;
    }
    // In percent, where whole numbers stay exact: hwb(0 10% 50%) is exactly
    // half red, as CSS means it, where 1 - 0.1 - 0.5 in fractions is not.
    HslToSrgb(hue, 1, 0.5, rgb);
    for (int i = 0; i < 3; ++i) rgb[i] = (rgb[i] * (100 - whiteness - blackness) + whiteness) / 100;
}

void SrgbToHsl(const double rgb[3], double hsl[3]) {
    const double r = rgb[0], g = rgb[1], b = rgb[2];
    const double max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const double lightness = (min + max) / 2, d = max - min;
    double hue = 0, saturation = 0;
    if (d != 0) {
        saturation = lightness == 0 || lightness == 1
                         ? 0
                         : (max - lightness) / (lightness < 1 - lightness ? lightness : 1 - lightness);
        if (max == r) hue = (g - b) / d + (g < b ? 6 : 0);
        else if (max == g) hue = (b - r) / d + 2;
        else hue = (r - g) / d + 4;
        hue *= 60;
    }
    if (hue >= 360) hue -= 360;
    hsl[0] = hue;
    hsl[1] = saturation;
    hsl[2] = lightness;
}

void RectangularToPolar(double a, double b, double* chroma, double* hue) {
    *chroma = std::sqrt(a * a + b * b);
    double h = Atan2Degrees(b, a);
    if (h < 0) h += 360;
    *hue = h;
}

void PolarToRectangular(double chroma, double hue, double* a, double* b) {
    double cosine, sine;
    CosSinDegrees(NormalisedHue(hue), &cosine, &sine);
    *a = chroma * cosine;
    *b = chroma * sine;
}

void CssToSrgb(const CssColor& color, double rgb[3]) {
    switch (color.space) {
    case CssSpace::kRgb:
    case CssSpace::kHsl:
    case CssSpace::kHwb:
        LegacyToSrgb(color, rgb);
        return;
    case CssSpace::kSrgb:
        for (int i = 0; i < 3; ++i) rgb[i] = color.channels[i];
        return;
    default: {
        double linear[3];
        CssToLinearSrgb(color, linear);
        ApplyToEach(LinearToSrgb, linear, rgb);
        return;
    }
    }
}

void LinearSrgbToCss(const double linear[3], CssSpace space, double out[3]) {
    double t[3];
    switch (space) {
    case CssSpace::kRgb:
    case CssSpace::kSrgb:
    case CssSpace::kHsl:
    case CssSpace::kHwb: {
        ApplyToEach(LinearToSrgb, linear, t);
        SrgbToCss(t, space, out);
        return;
    }
    case CssSpace::kSrgbLinear:
        for (int i = 0; i < 3; ++i) out[i] = linear[i];
        return;
    case CssSpace::kDisplayP3:
        Apply(kLinearSrgbToLinearP3, linear, t);
        ApplyToEach(LinearToSrgb, t, out);
        return;
    case CssSpace::kA98Rgb:
        Apply(kLinearSrgbToLinearA98, linear, t);
        ApplyToEach(LinearToA98, t, out);
        return;
    case CssSpace::kProphotoRgb:
        Apply(kLinearSrgbToLinearProphoto, linear, t);
        ApplyToEach(LinearToProphoto, t, out);
        return;
    case CssSpace::kRec2020:
        Apply(kLinearSrgbToLinearRec2020, linear, t);
        ApplyToEach(LinearToRec2020, t, out);
        return;
    case CssSpace::kXyzD50:
        Apply(kLinearSrgbToXyzD50, linear, out);
        return;
    case CssSpace::kXyzD65:
        Apply(kLinearSrgbToXyz, linear, out);
        return;
    case CssSpace::kLab:
    case CssSpace::kLch:
        LinearSrgbToLab(linear, out);
        if (space == CssSpace::kLch) RectangularToPolar(out[1], out[2], &out[1], &out[2]);
        return;
    case CssSpace::kOklab:
    case CssSpace::kOklch:
        LinearSrgbToOklab(linear, out);
        if (space == CssSpace::kOklch) RectangularToPolar(out[1], out[2], &out[1], &out[2]);
        return;
    }
}

void SrgbToCss(const double rgb[3], CssSpace space, double out[3]) {
    switch (space) {
    case CssSpace::kRgb:
        for (int i = 0; i < 3; ++i) out[i] = rgb[i] * 255;
        return;
    case CssSpace::kHsl:
        SrgbToHsl(rgb, out);
        out[1] *= 100;
        out[2] *= 100;
        return;
    case CssSpace::kHwb: {
        double hsl[3];
        SrgbToHsl(rgb, hsl);
        const double low = rgb[0] < rgb[1] ? (rgb[0] < rgb[2] ? rgb[0] : rgb[2]) : (rgb[1] < rgb[2] ? rgb[1] : rgb[2]);
        const double high = rgb[0] > rgb[1] ? (rgb[0] > rgb[2] ? rgb[0] : rgb[2]) : (rgb[1] > rgb[2] ? rgb[1] : rgb[2]);
        out[0] = hsl[0];
        out[1] = low * 100;
        out[2] = (1 - high) * 100;
        return;
    }
    case CssSpace::kSrgb:
        for (int i = 0; i < 3; ++i) out[i] = rgb[i];
        return;
    default: {
        double linear[3];
        ApplyToEach(SrgbToLinear, rgb, linear);
        LinearSrgbToCss(linear, space, out);
        return;
    }
    }
}

void ConvertCssColor(const CssColor& color, CssSpace space, double out[3]) {
    const double* c = color.channels;
    const CssSpace from = color.space;
    if (from == space) {
        for (int i = 0; i < 3; ++i) out[i] = c[i];
        return;
    }
    // Between a space and its polar form, and within sRGB, straight.
    const bool labPair = (from == CssSpace::kLab || from == CssSpace::kLch) &&
                         (space == CssSpace::kLab || space == CssSpace::kLch);
    const bool oklabPair = (from == CssSpace::kOklab || from == CssSpace::kOklch) &&
                           (space == CssSpace::kOklab || space == CssSpace::kOklch);
    if (labPair || oklabPair) {
        out[0] = c[0];
        if (space == CssSpace::kLch || space == CssSpace::kOklch)
            RectangularToPolar(c[1], c[2], &out[1], &out[2]);
        else
            PolarToRectangular(c[1], c[2], &out[1], &out[2]);
        return;
    }
    const bool srgbFrom = from == CssSpace::kRgb || from == CssSpace::kHsl || from == CssSpace::kHwb ||
                          from == CssSpace::kSrgb;
    const bool srgbTo = space == CssSpace::kRgb || space == CssSpace::kHsl || space == CssSpace::kHwb ||
                        space == CssSpace::kSrgb;
    if (srgbFrom && srgbTo) {
        double rgb[3];
        CssToSrgb(color, rgb);
        SrgbToCss(rgb, space, out);
        return;
    }
    double linear[3];
    CssToLinearSrgb(color, linear);
    LinearSrgbToCss(linear, space, out);
}
