// Expected field texts of the converter, worked out apart from the program:
// the notations with printf as documented, the HLS triple with the platform's
// own conversion (shlwapi), the names of the colours met from the published list.
#include "converter_fields.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>

#include "dialog_driver.h"
#include "resource.h"

const int kAllFields[14] = {IDC_HEX6,  IDC_HEX3,  IDC_PERCENT, IDC_DEC_R, IDC_DEC_G,
                            IDC_DEC_B, IDC_HEX_R, IDC_HEX_G,   IDC_HEX_B, IDC_TRIPLE,
                            IDC_NAME,  IDC_HLS_H, IDC_HLS_L,   IDC_HLS_S};

namespace {

// The named colours that the tests meet; the others show no name.
const struct {
    COLORREF colour;
    const char* name;
} kNamesMet[] = {{RGB(0, 0, 0), "black"},           {RGB(255, 255, 255), "white"},
                 {RGB(255, 0, 0), "red"},           {RGB(0, 128, 0), "green"},
                 {RGB(0, 0, 255), "blue"},          {RGB(0, 255, 255), "aqua"},
                 {RGB(255, 0, 255), "fuchsia"},     {RGB(128, 128, 128), "gray"},
                 {RGB(211, 211, 211), "lightgrey"}, {RGB(255, 99, 71), "tomato"}};

template <typename... Values>
std::string Printed(const char* format, Values... values) {
    char text[64];
    snprintf(text, sizeof text, format, values...);
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
    const int r = color.red, g = color.green, b = color.blue;
    WORD hue, lightness, saturation;
    ColorRGBToHLS(RGB(r, g, b), &hue, &lightness, &saturation);
    const char* name = "";
    for (const auto& named : kNamesMet)
        if (named.colour == RGB(r, g, b)) name = named.name;
    return {
        {IDC_HEX6, Printed("#%02x%02x%02x", r, g, b)},
        // Each digit the nearest of 0, 17, ... 255.
        {IDC_HEX3, Printed("#%x%x%x", (r + 8) / 17, (g + 8) / 17, (b + 8) / 17)},
        {IDC_PERCENT, Printed("(%d%%,%d%%,%d%%)", r * 100 / 255, g * 100 / 255, b * 100 / 255)},
        {IDC_DEC_R, std::to_string(r)},
        {IDC_DEC_G, std::to_string(g)},
        {IDC_DEC_B, std::to_string(b)},
        {IDC_HEX_R, Printed("%x", r)},
        {IDC_HEX_G, Printed("%x", g)},
        {IDC_HEX_B, Printed("%x", b)},
        {IDC_TRIPLE, Printed("(%d,%d,%d)", r, g, b)},
        {IDC_NAME, name},
        {IDC_HLS_H, std::to_string(hue)},
        {IDC_HLS_L, std::to_string(lightness)},
        {IDC_HLS_S, std::to_string(saturation)},
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
