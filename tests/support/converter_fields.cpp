// Expected field texts of the converter, built from the colour model's own
// display forms (which the native tests check character by character).
#include "converter_fields.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_driver.h"
#include "hls.h"
#include "named_colors.h"
#include "notation_format.h"
#include "resource.h"

const int kAllFields[14] = {IDC_HEX6,  IDC_HEX3,  IDC_PERCENT, IDC_DEC_R, IDC_DEC_G,
                            IDC_DEC_B, IDC_HEX_R, IDC_HEX_G,   IDC_HEX_B, IDC_TRIPLE,
                            IDC_NAME,  IDC_HLS_H, IDC_HLS_L,   IDC_HLS_S};

namespace {

std::string Format(int (*format)(const ColorRecord&, char*), const ColorRecord& color) {
    char text[kColorTextCapacity];
    format(color, text);
    return text;
}

std::string Decimal(unsigned value) {
    char text[kColorTextCapacity];
    FormatDecimalChannel(value, text);
    return text;
}

std::string Hex(unsigned value) {
    char text[kColorTextCapacity];
    FormatHexChannel(value, text);
    return text;
}

bool Skipped(const std::vector<int>& skip, int id) {
    return std::find(skip.begin(), skip.end(), id) != skip.end();
}

}  // namespace

std::vector<int> FieldGroupOf(int id) {
    static const std::vector<int> kGroups[] = {{IDC_DEC_R, IDC_DEC_G, IDC_DEC_B},
                                               {IDC_HEX_R, IDC_HEX_G, IDC_HEX_B},
                                               {IDC_HLS_H, IDC_HLS_L, IDC_HLS_S}};
    for (const auto& group : kGroups)
        if (std::find(group.begin(), group.end(), id) != group.end()) return group;
    return {id};
}

std::vector<FieldShown> ExpectedFields(const ColorRecord& color) {
    HlsTriple hls;
    RgbToHls(color.red, color.green, color.blue, &hls.hue, &hls.lightness, &hls.saturation);
    return {
        {IDC_HEX6, Format(FormatHex6, color)},
        {IDC_HEX3, Format(FormatHex3, color)},
        {IDC_PERCENT, Format(FormatPercentTriple, color)},
        {IDC_DEC_R, Decimal(color.red)},
        {IDC_DEC_G, Decimal(color.green)},
        {IDC_DEC_B, Decimal(color.blue)},
        {IDC_HEX_R, Hex(color.red)},
        {IDC_HEX_G, Hex(color.green)},
        {IDC_HEX_B, Hex(color.blue)},
        {IDC_TRIPLE, Format(FormatDecimalTriple, color)},
        {IDC_NAME, FindColorName(color)},
        {IDC_HLS_H, Decimal(hls.hue)},
        {IDC_HLS_L, Decimal(hls.lightness)},
        {IDC_HLS_S, Decimal(hls.saturation)},
    };
}

void ExpectFieldsShow(HWND dialog, const std::vector<FieldShown>& expected,
                      const std::vector<int>& skip) {
    for (const FieldShown& field : expected)
        if (!Skipped(skip, field.id)) {
            EXPECT_EQ(FieldText(dialog, field.id), field.text) << "field " << field.id;
        }
}

void ExpectFieldsEmpty(HWND dialog, const std::vector<int>& skip) {
    for (int id : kAllFields)
        if (!Skipped(skip, id)) {
            EXPECT_EQ(FieldText(dialog, id), "") << "field " << id;
        }
}
