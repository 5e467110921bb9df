// The modern CSS forms: what they look like, that every colour reads back as
// itself in every form (all 16,777,216 of them) with numbers inside their
// forms' ranges, that the numbers agree with published values, and that no
// number could lose a decimal.
#include <gtest/gtest.h>

#include <cstdio>

#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "css_color.h"
#include "css_format.h"
#include "notation_format.h"

namespace {

ColorRecord Colour(uint32_t rrggbb) {
    return {static_cast<uint8_t>(rrggbb), static_cast<uint8_t>(rrggbb >> 8),
            static_cast<uint8_t>(rrggbb >> 16), 0};
}

std::string Format(CssForm form, uint32_t rrggbb, uint8_t alpha = 255) {
    char text[kCssTextCapacity];
    const int length = FormatCssColor(form, Colour(rrggbb), alpha, text);
    EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
    return text;
}

TEST(CssForms, AsCssSerialisesThem) {
    EXPECT_EQ(Format(CssForm::kRgb, 0x2e8b57), "rgb(46 139 87)");
    EXPECT_EQ(Format(CssForm::kHsl, 0xff0000), "hsl(0 100% 50%)");
    EXPECT_EQ(Format(CssForm::kHwb, 0x00ffff), "hwb(180 0% 0%)");
    // Greys have hue 0, and no chroma worth a digit.
    EXPECT_EQ(Format(CssForm::kHsl, 0x808080), "hsl(0 0% 50%)");  // 127.5 rounds up
    EXPECT_EQ(Format(CssForm::kLch, 0xffffff), "lch(100 0 0)");
    EXPECT_EQ(Format(CssForm::kOklch, 0x000000), "oklch(0 0 0)");
    EXPECT_EQ(Format(CssForm::kOklab, 0xffffff), "oklab(1 0 0)");
    // Negative numbers keep their sign; no "+", no trailing zeros.
    EXPECT_EQ(Format(CssForm::kLab, 0x00ffff).rfind("lab(90.67 -50.66 -", 0), 0u);
    // The alpha only below 1, as short as reads back: 128 is 0.5 (127.5 rounds up).
    EXPECT_EQ(Format(CssForm::kRgb, 0x010203, 128), "rgb(1 2 3 / 0.5)");
    EXPECT_EQ(Format(CssForm::kRgb, 0x010203, 0), "rgb(1 2 3 / 0)");
    EXPECT_EQ(Format(CssForm::kOklch, 0xffffff, 136), "oklch(1 0 0 / 0.533)");
    char hex8[kCssTextCapacity];
    FormatHex8(Colour(0x00ffff), 128, hex8);
    EXPECT_STREQ(hex8, "#00ffff80");
}

// The text of a form, read back: the same colour, inside sRGB; and with any one
// number a decimal shorter (rounded half away from zero), another colour or
// outside sRGB. Written as text and read as text, so the writer's digits and
// the reader's numbers are both in the proof.
bool ReadsBack(const char* text, size_t length, const ColorRecord& color) {
    CssReading reading;
    if (ReadCssColor(text, length, &reading) != CssReadResult::kColour) return false;
    Rgba8 back;
    ResolveCssColor(reading.color, GamutMode::kMap, &back);
    return !back.mapped && back.color.red == color.red && back.color.green == color.green &&
           back.color.blue == color.blue;
}

// The three numbers of a form's text, parsed here rather than by the reader,
// and whether each has a '%'; false when the text is not name(n n n).
bool WrittenNumbers(CssForm form, const char* text, double numbers[3], bool percent[3]) {
    const size_t nameLength = std::strlen(CssFormName(form));
    if (std::strncmp(text, CssFormName(form), nameLength) != 0 || text[nameLength] != '(') return false;
    const char* p = text + nameLength + 1;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && *p++ != ' ') return false;
        const bool negative = *p == '-';
        if (negative) ++p;
        long long k = 0, scale = 1;
        const char* start = p;
        for (; *p >= '0' && *p <= '9'; ++p) k = k * 10 + (*p - '0');
        if (*p == '.')
            for (++p; *p >= '0' && *p <= '9'; ++p, scale *= 10) k = k * 10 + (*p - '0');
        if (p == start) return false;
        numbers[i] = (negative ? -1.0 : 1.0) * static_cast<double>(k) / static_cast<double>(scale);
        percent[i] = *p == '%';
        if (percent[i]) ++p;
    }
    return *p == ')';
}

// Where every sRGB colour's numbers lie, from the spaces' definitions: a hue
// is below a whole turn, percentages and lightness within their scales; the
// gamut's a, b and chroma within a margin of its published extremes (blue's
// Lab b -112.03 and chroma 131.2, its OKLCh chroma 0.3132).
struct Range {
    double low, high;
    bool below;  // the high end is excluded, as a whole turn is
};

struct FormRanges {
    Range ranges[3];
    uint8_t percent;  // bit i: number i ends in '%'
};

constexpr Range kByte = {0, 255, false}, kHue = {0, 360, true}, kPercent = {0, 100, false};

const FormRanges kFormRanges[kCssFormCount] = {
    {{kByte, kByte, kByte}, 0},
    {{kHue, kPercent, kPercent}, 6},
    {{kHue, kPercent, kPercent}, 6},
    {{kPercent, {-115, 115, false}, {-115, 115, false}}, 0},
    {{kPercent, {0, 135, false}, kHue}, 0},
    {{{0, 1, false}, {-0.33, 0.33, false}, {-0.33, 0.33, false}}, 0},
    {{{0, 1, false}, {0, 0.33, false}, kHue}, 0},
};

bool WithinRanges(CssForm form, const char* text) {
    double numbers[3];
    bool percent[3];
    if (!WrittenNumbers(form, text, numbers, percent)) return false;
    const FormRanges& expected = kFormRanges[static_cast<int>(form)];
    for (int i = 0; i < 3; ++i) {
        const Range& r = expected.ranges[i];
        if (percent[i] != ((expected.percent >> i & 1) != 0)) return false;
        if (!(numbers[i] >= r.low && (r.below ? numbers[i] < r.high : numbers[i] <= r.high)))
            return false;
    }
    return true;
}

// Every colour of one form, on every core: the count of colours that do not
// read back or whose numbers lie outside their ranges, and the first of them.
void RoundTripEveryColour(CssForm form, long* failures, int* first) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<long> counts(threads, 0);
    std::vector<int> firsts(threads, -1);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([=, &counts, &firsts] {
            for (int rgb = static_cast<int>(t); rgb < 1 << 24; rgb += static_cast<int>(threads)) {
                const ColorRecord color = Colour(static_cast<uint32_t>(rgb));
                char text[kCssTextCapacity];
                const int length = FormatCssColor(form, color, 255, text);
                if ((!ReadsBack(text, static_cast<size_t>(length), color) || !WithinRanges(form, text)) &&
                    counts[t]++ == 0)
                    firsts[t] = rgb;
            }
        });
    }
    for (std::thread& w : workers) w.join();
    *failures = 0;
    *first = -1;
    for (unsigned t = 0; t < threads; ++t) {
        *failures += counts[t];
        if (firsts[t] >= 0 && (*first < 0 || firsts[t] < *first)) *first = firsts[t];
    }
}

class CssFormRoundTrip : public testing::TestWithParam<CssForm> {};

TEST_P(CssFormRoundTrip, EveryColourReadsBackAsItself) {
    long failures;
    int first;
    RoundTripEveryColour(GetParam(), &failures, &first);
    EXPECT_EQ(failures, 0) << "first #" << std::hex << first << ": " << Format(GetParam(), first);
}

INSTANTIATE_TEST_SUITE_P(AllForms, CssFormRoundTrip,
                         testing::Values(CssForm::kRgb, CssForm::kHsl, CssForm::kHwb, CssForm::kLab,
                                         CssForm::kLch, CssForm::kOklab, CssForm::kOklch),
                         [](const testing::TestParamInfo<CssForm>& info) {
                             return std::string(CssFormName(info.param));
                         });

// The n-th number (0-2) of the text; false when there is none.
bool NumberAt(const std::string& text, int n, size_t* start, size_t* end) {
    *start = text.find('(') + 1;
    for (int i = 0; i < n; ++i) *start = text.find(' ', *start) + 1;
    *end = *start;
    while (*end < text.size() && text[*end] != ' ' && text[*end] != '%' && text[*end] != ')') ++*end;
    return *end > *start;
}

// The two texts with the n-th number a decimal shorter, one each side of it
// (38.95 gives 38.9 and 39.0); none when it has no decimals.
std::vector<std::string> OneDecimalShorter(const std::string& text, int n) {
    size_t start, end;
    if (!NumberAt(text, n, &start, &end)) return {};
    const std::string number = text.substr(start, end - start);
    const size_t point = number.find('.');
    if (point == std::string::npos) return {};
    std::string digits = number.substr(0, point) + number.substr(point + 1);
    const bool negative = digits[0] == '-';
    long long k = std::stoll(negative ? digits.substr(1) : digits) / 10;
    const int decimals = static_cast<int>(number.size() - point - 2);
    std::vector<std::string> texts;
    for (long long candidate : {k, k + 1}) {
        std::string d = std::to_string(candidate);
        if (decimals > 0) {
            while (static_cast<int>(d.size()) <= decimals) d = "0" + d;
            d.insert(d.size() - static_cast<size_t>(decimals), ".");
        }
        texts.push_back(text.substr(0, start) + (negative ? "-" : "") + d + text.substr(end));
    }
    return texts;
}

// A sample, in a stride that meets every channel value: the minimality is a
// property of the search, not of particular colours.
TEST(CssForms, NoNumberCanLoseADecimal) {
    for (int f = 1; f < kCssFormCount; ++f) {
        long tried = 0, failures = 0;
        for (int rgb = 0; rgb < 1 << 24; rgb += 4099) {
            const ColorRecord color = Colour(static_cast<uint32_t>(rgb));
            const std::string text = Format(static_cast<CssForm>(f), static_cast<uint32_t>(rgb));
            for (int n = 0; n < 3; ++n) {
                for (const std::string& shorter : OneDecimalShorter(text, n)) {
                    ++tried;
                    if (ReadsBack(shorter.c_str(), shorter.size(), color) && failures++ < 3)
                        ADD_FAILURE() << text << " reads back as " << shorter;
                }
            }
        }
        EXPECT_GT(tried, 1000) << CssFormName(static_cast<CssForm>(f));
    }
}

// Each written number within a unit of its last decimal (the writer's
// rounding, which may take either neighbour) and half a unit of the
// published value's last digit. Lab (D50) and OKLCh of CSS's
// red, green, lime and blue as colour references publish them; LCh and OKLab
// of red worked out by hand from those; hsl() and hwb() of seagreen (46, 139,
// 87) by hand: hue 60 * (2 + (87 - 46) / 93), saturation 93 / 185, lightness
// 185 / 510, whiteness 46 / 255, blackness 116 / 255.
struct Published {
    uint32_t rrggbb;
    CssForm form;
    double numbers[3];
    double reference;  // half a unit of the published values' last digit
};

const Published kPublished[] = {
    {0xff0000, CssForm::kLab, {54.29, 80.8049, 69.891}, 0.005},
    {0x008000, CssForm::kLab, {46.28, -47.5524, 48.5863}, 0.005},
    {0x00ff00, CssForm::kLab, {87.82, -79.2711, 80.9946}, 0.005},
    {0x0000ff, CssForm::kLab, {29.57, 68.2874, -112.0297}, 0.005},
    {0xff0000, CssForm::kOklch, {0.628, 0.2577, 29.23}, 0.0005},
    {0x008000, CssForm::kOklch, {0.5198, 0.1769, 142.5}, 0.05},
    {0x00ff00, CssForm::kOklch, {0.8664, 0.2948, 142.5}, 0.05},
    {0x0000ff, CssForm::kOklch, {0.452, 0.3132, 264.05}, 0.0005},
    {0xff0000, CssForm::kLch, {54.29, 106.837, 40.853}, 0.005},
    {0xff0000, CssForm::kOklab, {0.628, 0.22488, 0.12584}, 0.0005},
    {0x2e8b57, CssForm::kHsl, {146.452, 50.2703, 36.2745}, 0.0005},
    {0x2e8b57, CssForm::kHwb, {146.452, 18.0392, 45.4902}, 0.0005},
};

TEST(CssForms, AgreeWithPublishedValues) {
    for (const Published& p : kPublished) {
        const std::string text = Format(p.form, p.rrggbb);
        double numbers[3];
        bool percent[3];
        ASSERT_TRUE(WrittenNumbers(p.form, text.c_str(), numbers, percent)) << text;
        for (int i = 0; i < 3; ++i) {
            size_t start, end;
            NumberAt(text, i, &start, &end);
            const size_t point = text.find('.', start);
            const int decimals = point < end ? static_cast<int>(end - point - 1) : 0;
            EXPECT_NEAR(numbers[i], p.numbers[i], std::pow(10.0, -decimals) + p.reference)
                << text << ", number " << i;
        }
    }
}

// The forms of a colour itself: display-p3's red keeps the chroma no sRGB
// colour has, oklch(0.6486 0.2995 28.96) in CSS's published conversions.
TEST(CssExactForms, KeepAColourOutsideSrgb) {
    const char text[] = "color(display-p3 1 0 0)";
    CssReading reading;
    ASSERT_EQ(ReadCssColor(text, sizeof text - 1, &reading), CssReadResult::kColour);
    Rgba8 resolved;
    ResolveCssColor(reading.color, GamutMode::kMap, &resolved);
    char out[kCssTextCapacity];
    FormatExactCssColor(CssForm::kOklch, reading.color, resolved, out);
    double l = 0, c = 0, h = 0;
    ASSERT_EQ(std::sscanf(out, "oklch(%lf %lf %lf)", &l, &c, &h), 3) << out;
    EXPECT_NEAR(l, 0.6486, 1e-4);
    EXPECT_NEAR(c, 0.2995, 1e-4);
    EXPECT_NEAR(h, 28.96, 1e-2);
}

}  // namespace
