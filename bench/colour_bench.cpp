// Times the colour model over all 16,777,216 colours: the HLS round trip the
// converter makes on every edit, and each display form it writes; the CSS
// forms, whose shortest numbers are searched for, and the nearest name, over
// every 61st colour; the nearest name beside the same search that measures
// every name.
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "colour_difference.h"
#include "css_format.h"
#include "css_spaces.h"
#include "hls.h"
#include "named_colors.h"
#include "nearest_name.h"
#include "notation_format.h"
#include "srgb_tables.h"

namespace {

constexpr int kColorCount = 1 << 24;

ColorRecord FromRgb(int rgb) {
    return {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
            static_cast<uint8_t>(rgb >> 16), 0};
}

// Every result feeds the checksum, which is printed, so no work can be dropped.
uint64_t g_checksum = 0;

template <typename Work>
void Time(const char* label, Work work, int stride = 1) {
    const auto start = std::chrono::steady_clock::now();
    int count = 0;
    for (int rgb = 0; rgb < kColorCount; rgb += stride, ++count) g_checksum = g_checksum * 31 + work(rgb);
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    std::printf("%-24s %6.2f ns per colour\n", label, elapsed.count() / count);
}

uint64_t HlsRoundTrip(int rgb) {
    uint8_t hue, lightness, saturation, red, green, blue;
    RgbToHls(rgb >> 16, (rgb >> 8) & 255, rgb & 255, &hue, &lightness, &saturation);
    HlsToRgb(hue, lightness, saturation, &red, &green, &blue);
    return static_cast<uint64_t>(red) << 16 | green << 8 | blue;
}

// The length and a digit stand for the text: cheap, yet they depend on all the work.
uint64_t Digest(const char* text, int length) {
    return static_cast<uint64_t>(length) * 257 + static_cast<uint8_t>(text[1]);
}

template <int (*Format)(const ColorRecord&, char*)>
uint64_t FormatColor(int rgb) {
    char text[kColorTextCapacity];
    return Digest(text, Format(FromRgb(rgb), text));
}

template <int (*Format)(unsigned, char*)>
uint64_t FormatChannels(int rgb) {
    char text[kColorTextCapacity];
    const ColorRecord color = FromRgb(rgb);
    return Digest(text, Format(color.red, text)) + Digest(text, Format(color.green, text)) +
           Digest(text, Format(color.blue, text));
}

uint64_t AllForms(int rgb) {
    return FormatColor<FormatHex6>(rgb) + FormatColor<FormatHex3>(rgb) +
           FormatColor<FormatPercentTriple>(rgb) + FormatColor<FormatDecimalTriple>(rgb) +
           FormatChannels<FormatDecimalChannel>(rgb) + FormatChannels<FormatHexChannel>(rgb);
}

template <CssForm kForm>
uint64_t FormatCss(int rgb) {
    char text[kCssTextCapacity];
    return Digest(text, FormatCssColor(kForm, FromRgb(rgb), 255, text));
}

uint64_t NearestNameOf(int rgb) {
    NearestName nearest;
    FindNearestName(FromRgb(rgb), &nearest);
    return static_cast<uint64_t>(nearest.deltaE2000 * 100) + static_cast<uint8_t>(nearest.name[1]);
}

void LabOf(int rgb, double lab[3]) {
    const double linear[3] = {kLinearOfChannel[rgb >> 16], kLinearOfChannel[(rgb >> 8) & 255],
                              kLinearOfChannel[rgb & 255]};
    LinearSrgbToLab(linear, lab);
}

// The peer: CIEDE2000 to each of the 140 names (without rebeccapurple).
uint64_t NearestByEveryName(int rgb) {
    static double names[kNamedColorCount][3];
    static bool ready = false;
    if (!ready) {
        for (int i = 0; i < kNamedColorCount; ++i) {
            const NamedColor& n = kNamedColors[i];
            LabOf(n.red << 16 | n.green << 8 | n.blue, names[i]);
        }
        ready = true;
    }
    double lab[3];
    LabOf(rgb, lab);
    int best = 0;
    double bestDistance = 1e300;
    for (int i = 0; i < kNamedColorCount; ++i) {
        const double d = DeltaE2000(lab, names[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint64_t>(bestDistance * 100) + static_cast<uint8_t>(kNamedColors[best].name[1]);
}

}  // namespace

int main() {
    std::printf("goal: HLS round trip < 50 ns per colour\n");
    Time("HLS round trip", HlsRoundTrip);
    Time("#RRGGBB", FormatColor<FormatHex6>);
    Time("#RGB", FormatColor<FormatHex3>);
    Time("percent triple", FormatColor<FormatPercentTriple>);
    Time("decimal triple", FormatColor<FormatDecimalTriple>);
    Time("decimal channels (3)", FormatChannels<FormatDecimalChannel>);
    Time("hex channels (3)", FormatChannels<FormatHexChannel>);
    Time("all display forms", AllForms);
    Time("css rgb()", FormatCss<CssForm::kRgb>, 61);
    Time("css hsl()", FormatCss<CssForm::kHsl>, 61);
    Time("css hwb()", FormatCss<CssForm::kHwb>, 61);
    Time("css lab()", FormatCss<CssForm::kLab>, 61);
    Time("css lch()", FormatCss<CssForm::kLch>, 61);
    Time("css oklab()", FormatCss<CssForm::kOklab>, 61);
    Time("css oklch()", FormatCss<CssForm::kOklch>, 61);
    std::printf("goal: nearest name < 2000 ns per colour\n");
    Time("nearest name", NearestNameOf, 61);
    Time("nearest, every name", NearestByEveryName, 61);
    std::printf("checksum %016llx\n", static_cast<unsigned long long>(g_checksum));
    return 0;
}
