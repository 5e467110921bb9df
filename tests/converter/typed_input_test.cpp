// Typing into the converter's fields: accepted texts convert live, rejected ones
// empty the other fields, and the user's own text is never rewritten.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "resource.h"

namespace {

using TypedInput = ConverterTest;

TEST_F(TypedInput, TypingHex6CharByCharConvertsOnlyTheWholeForm) {
    HWND field = GetDlgItem(dialog, IDC_HEX6);
    SetFieldText(dialog, IDC_HEX6, "");
    std::string typed;
    for (char c : std::string("#00ffff")) {
        typed += c;
        TypeText(field, std::string(1, c).c_str());
        ASSERT_EQ(ControlText(field), typed);
        if (typed.size() < 7) {
            SCOPED_TRACE(typed);
            ExpectFieldsEmpty(dialog, {IDC_HEX6});
            EXPECT_FALSE(InvertEnabled());
            // '#00f' is a colour in the short form, but not in this field: it
            // must not reach the colour either.
            EXPECT_EQ(Rgb(), "0,0,0");
        }
    }
    ExpectFieldsShow(dialog, ExpectedFields({255, 255, 0, 0}), {IDC_HEX6});
    EXPECT_EQ(FieldText(dialog, IDC_NAME), "aqua");
    EXPECT_EQ(FieldText(dialog, IDC_HLS_H) + "," + FieldText(dialog, IDC_HLS_L) + "," +
                  FieldText(dialog, IDC_HLS_S),
              "120,120,240");
    EXPECT_TRUE(InvertEnabled());
    EXPECT_EQ(Rgb(), "0,255,255");
}

struct InputCase {
    int id;
    const char* text;
    bool accepted;
    int red = 0, green = 0, blue = 0;  // the colour when accepted
};

// Each text replaces one field (WM_SETTEXT, as a paste would) of a converter
// showing 10, 20, 30, so that the other fields of a group hold valid values.
// Between cases the colour is typed back into the (R,G,B) field.
const InputCase kInputCases[] = {
    {IDC_HEX6, "#ff8800", true, 255, 136, 0},
    {IDC_HEX6, "#00FFFF", true, 0, 255, 255},
    {IDC_HEX6, "#0ff", false},
    {IDC_HEX6, "#00ffff0", false},
    {IDC_HEX6, "00ffff", false},
    {IDC_HEX3, "#0FF", true, 0, 255, 255},
    {IDC_HEX3, "#00ffff", false},
    {IDC_HEX3, "#0fg", false},
    {IDC_PERCENT, "(0%,100%,100%)", true, 0, 255, 255},
    {IDC_PERCENT, "(50%,50%,50%)", true, 127, 127, 127},
    {IDC_PERCENT, "(101%,0%,0%)", false},
    {IDC_PERCENT, "(0%,100%,100%) ", false},
    {IDC_TRIPLE, "(0,255,255)", true, 0, 255, 255},
    {IDC_TRIPLE, "(1,2,3)abc", true, 1, 2, 3},
    {IDC_TRIPLE, "(0,256,0)", false},
    {IDC_TRIPLE, "(0, 255, 255)", false},
    {IDC_NAME, "CYAN", true, 0, 255, 255},
    {IDC_NAME, "lightgrey", true, 211, 211, 211},
    {IDC_NAME, "lightgray", false},
    {IDC_NAME, "aqua ", false},
    {IDC_NAME, "", false},
    {IDC_DEC_R, "255", true, 255, 20, 30},
    {IDC_DEC_G, "007", true, 10, 7, 30},
    {IDC_DEC_B, "256", false},
    {IDC_DEC_G, "", false},
    {IDC_HEX_R, "FF", true, 255, 20, 30},
    {IDC_HEX_B, "a", true, 10, 20, 10},
    {IDC_HEX_G, "g0", false},
    {IDC_HEX_R, "", false},
    {IDC_HEX_R, "100", false},
    {IDC_HLS_H, "0", true},  // the colour is checked against the HLS arithmetic
    {IDC_HLS_H, "239", true},
    {IDC_HLS_H, "240", false},
    {IDC_HLS_L, "240", true},
    {IDC_HLS_L, "241", false},
    {IDC_HLS_S, "241", false},
    {IDC_HLS_S, "", false},
    // Pasted texts the platform's integer reading would have taken as numbers.
    {IDC_DEC_R, "1e2", false},
    {IDC_DEC_G, " 12", false},
    {IDC_DEC_B, "12 ", false},
    {IDC_HLS_H, "+5", false},
    {IDC_HLS_L, "4x", false},
};

TEST_F(TypedInput, EachFieldAcceptsItsNotationAndRejectsTheRest) {
    for (const InputCase& c : kInputCases) {
        SCOPED_TRACE(std::to_string(c.id) + " '" + c.text + "'");
        SetFieldText(dialog, IDC_TRIPLE, "(10,20,30)");
        ASSERT_EQ(Rgb(), "10,20,30");
        std::vector<std::string> groupBefore;
        for (int id : FieldGroupOf(c.id)) groupBefore.push_back(FieldText(dialog, id));

        SetFieldText(dialog, c.id, c.text);

        EXPECT_EQ(FieldText(dialog, c.id), c.text) << "the typed text must stay as typed";
        EXPECT_EQ(InvertEnabled(), c.accepted);
        std::vector<int> group = FieldGroupOf(c.id);
        if (!c.accepted) {
            ExpectFieldsEmpty(dialog, group);
            EXPECT_EQ(Rgb(), "10,20,30");
            for (size_t i = 0; i < group.size(); ++i)
                if (group[i] != c.id) {
                    EXPECT_EQ(FieldText(dialog, group[i]), groupBefore[i]);
                }
            continue;
        }
        if (group == FieldGroupOf(IDC_HLS_H)) {
            // One of the three was replaced; the others still show the opening colour's.
            int h = std::stoi(FieldText(dialog, IDC_HLS_H)),
                l = std::stoi(FieldText(dialog, IDC_HLS_L)),
                s = std::stoi(FieldText(dialog, IDC_HLS_S));
            const COLORREF rgb = ColorHLSToRGB(h, l, s);  // the platform's conversion
            EXPECT_EQ(Rgb(), RgbText(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
        } else {
            EXPECT_EQ(Rgb(), RgbText(c.red, c.green, c.blue));
        }
        ExpectFieldsShow(dialog, ExpectedFields(color), group);
    }
}

TEST_F(TypedInput, TextLimitsStopTypingAtEachFieldsLongestForm) {
    const struct {
        int id;
        const char* typed;
        const char* shown;
    } cases[] = {
        {IDC_HEX3, "#00ffff", "#00f"},  // so '#00ffff' can't be typed there at all
        {IDC_HEX6, "#00ffff0", "#00ffff"},
        {IDC_DEC_R, "2555", "255"},
        {IDC_HEX_R, "fff", "ff"},
        {IDC_HLS_H, "1200", "120"},
        {IDC_NAME, "lightgoldenrodyellowxx", "lightgoldenrodyellowx"},
    };
    for (const auto& c : cases) {
        SetFieldText(dialog, c.id, "");
        TypeText(GetDlgItem(dialog, c.id), c.typed);
        EXPECT_EQ(FieldText(dialog, c.id), c.shown) << c.typed;
    }
}

TEST_F(TypedInput, DigitOnlyFieldsRefuseLetters) {
    for (int id : {IDC_DEC_R, IDC_HLS_S}) {
        SetFieldText(dialog, id, "");
        TypeText(GetDlgItem(dialog, id), "1a2");
        EXPECT_EQ(FieldText(dialog, id), "12") << id;
    }
}

TEST_F(TypedInput, TypedHlsKeepsItsTextWhileTheTripleFollowsTheColour) {
    // 200,120,231 gives 251,4,251, which converts back to a different triple.
    SetFieldText(dialog, IDC_HLS_H, "200");
    SetFieldText(dialog, IDC_HLS_L, "120");
    SetFieldText(dialog, IDC_HLS_S, "231");
    EXPECT_EQ(Rgb(), "251,4,251");
    EXPECT_EQ(FieldText(dialog, IDC_HEX6), "#fb04fb");
    EXPECT_EQ(FieldText(dialog, IDC_HLS_H) + " " + FieldText(dialog, IDC_HLS_L) + " " +
                  FieldText(dialog, IDC_HLS_S),
              "200 120 231");
    // By hand: lightness 255 * 240 / 510 = 120, saturation 247 * 240 / 255 = 232.47
    // -> 232; red and blue share the maximum, red wins: hue -40, i.e. 200.
    EXPECT_EQ(RgbText(g_hls.hue, g_hls.lightness, g_hls.saturation), "200,120,232");
}

TEST_F(TypedInput, AcceptedTextAfterARejectionRefillsEverything) {
    SetFieldText(dialog, IDC_TRIPLE, "(1,2");
    ExpectFieldsEmpty(dialog, {IDC_TRIPLE});
    SetFieldText(dialog, IDC_NAME, "tomato");
    ExpectFieldsShow(dialog, ExpectedFields({71, 99, 255, 0}), {IDC_NAME});
    EXPECT_EQ(FieldText(dialog, IDC_TRIPLE), "(255,99,71)");
    EXPECT_TRUE(InvertEnabled());
}

}  // namespace
