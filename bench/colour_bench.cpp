// Times the colour model over all 16,777,216 colours: the HLS round trip the
// converter makes on every edit, and each display form it writes; the CSS
// forms, whose shortest numbers are searched for, over every 61st colour.
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "css_format.h"
#include "hls.h"
#include "notation_format.h"

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
    std::printf("checksum %016llx\n", static_cast<unsigned long long>(g_checksum));
    return 0;
}
