// The converter's CSS group: any CSS colour typed converts live, the note says
// what reading changed, and the chosen form shows every other change.
#include <gtest/gtest.h>

#include <string>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "dialog_driver.h"
#include "resource.h"

namespace {

using CssField = ConverterTest;

void ChooseForm(HWND dialog, int form) {
    SendDlgItemMessageA(dialog, IDC_CSS_FORM, CB_SETCURSEL, static_cast<WPARAM>(form), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CSS_FORM, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CSS_FORM)));
}

TEST_F(CssField, TypedCssConvertsLiveAndTheNoteSaysWhatReadingChanged) {
    const struct {
        const char* text;
        bool accepted;
        const char* rgb;
        const char* note;
    } rows[] = {
        {"rgb(18, 52, 86)", true, "18,52,86", ""},
        {"hsl(210 65% 20%)", true, "18,51,84", ""},
        {"oklch(63.7% 0.237 25.331)", true, "251,44,54", ""},
        {"RebeccaPurple", true, "102,51,153", ""},
        {"#0ff8", true, "0,255,255", "Alpha dropped"},
        {"oklab(90% 0.36 0)", true, "255,200,220", "Mapped into sRGB"},
        {"color(display-p3 1 0 0 / 50%)", true, "255,11,12", "Mapped into sRGB, alpha dropped"},
        {"(1,2,3)", true, "1,2,3", ""},  // the converter's own notations read here too
        {"var(--brand)", false, "", "var() is not supported"},
        {"color-mix(in srgb, red 25%, blue)", true, "64,0,191", ""},
        {"rgb(from red r g calc(b + 20))", true, "255,0,20", ""},
        // What people paste is forgiven, and the note says how it was read.
        {"rgb(18 52 86);", true, "18,52,86", "Read without its ';'"},
        {" red ", true, "255,0,0", "Blanks dropped"},
        {"color: #ff8800;", true, "255,136,0", "Read the declaration's value"},
        {"  --brand: rgb(1 2 3 / 50%) ;", true, "1,2,3", "Read the declaration's value; alpha dropped"},
        {"FF8800", true, "255,136,0", "Read as a hex colour"},
        // A text that is no colour says where it stops being one.
        {"rgb(18 52 86) x", false, "", "expected the end after 'rgb(18 52 86)'"},
        {"rgb(255,136,0", false, "", "expected ',' or ')' after 'rgb(255,136,0'"},
        {"color: rgb(255 136);", false, "", "expected a number, % or 'none' after 'rgb(255 136'"},
        {"color:", false, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        SetFieldText(dialog, IDC_TRIPLE, "(10,20,30)");
        SetFieldText(dialog, IDC_CSS, row.text);
        EXPECT_EQ(FieldText(dialog, IDC_CSS), row.text);
        EXPECT_EQ(FieldText(dialog, IDC_CSS_NOTE), row.note);
        EXPECT_EQ(InvertEnabled(), row.accepted);
        if (row.accepted) {
            EXPECT_EQ(Rgb(), row.rgb);
            ExpectFieldsShow(dialog, ExpectedFields(color), {IDC_CSS});
        } else {
            EXPECT_EQ(Rgb(), "10,20,30");
            ExpectFieldsEmpty(dialog, {IDC_CSS});
        }
    }
}

TEST_F(CssField, ShowsEveryOtherChangeInTheFormChosenWhichLasts) {
    SetFieldText(dialog, IDC_NAME, "aqua");
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "rgb(0 255 255)");
    ChooseForm(dialog, 1);
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "hsl(180 100% 50%)");
    // The note belongs to a typed text; another change empties it.
    SetFieldText(dialog, IDC_CSS, "#0ff8");
    ASSERT_EQ(FieldText(dialog, IDC_CSS_NOTE), "Alpha dropped");
    SendDlgItemMessageA(dialog, IDC_NEGAPOSI, BM_CLICK, 0, 0);
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "hsl(0 100% 50%)");
    EXPECT_EQ(FieldText(dialog, IDC_CSS_NOTE), "");
    // Over a text that is no colour, the fields stay empty under a new form.
    SetFieldText(dialog, IDC_HEX6, "#12");
    ChooseForm(dialog, 6);
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "");
    // The choice outlives the dialog.
    Open({0, 0, 0, 0});
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "oklch(0 0 0)");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CSS_FORM, CB_GETCURSEL, 0, 0), 6);
    ChooseForm(dialog, 0);
}

// "Dark" reads light-dark()'s second colour, from the text in the field.
TEST_F(CssField, DarkReadsTheDarkColour) {
    SetFieldText(dialog, IDC_CSS, "light-dark(red, blue)");
    EXPECT_EQ(Rgb(), "255,0,0");
    SendDlgItemMessageA(dialog, IDC_CSS_DARK, BM_CLICK, 0, 0);
    EXPECT_EQ(Rgb(), "0,0,255");
    EXPECT_EQ(FieldText(dialog, IDC_CSS), "light-dark(red, blue)");
    SendDlgItemMessageA(dialog, IDC_CSS_DARK, BM_CLICK, 0, 0);
    EXPECT_EQ(Rgb(), "255,0,0");
}

// The longest notes, drawn in the note's own font and width, fit: a refusal,
// and a reason whose prefix has no blank to break at.
TEST_F(CssField, TheLongestNoteIsNeverCutOff) {
    std::string many = "color-mix(in srgb";
    for (int i = 0; i < 17; ++i) many += ", red";
    const struct {
        std::string text;
        const char* note;
    } rows[] = {
        {many + ")", "more than 16 colours in color-mix() are not supported"},
        {"color(srgb 1.2345678912345 x)",
         "expected a number, % or 'none' after '...5678912345'"},
    };
    for (const auto& row : rows) {
        SetFieldText(dialog, IDC_CSS, row.text.c_str());
        const std::string note = FieldText(dialog, IDC_CSS_NOTE);
        ASSERT_EQ(note, row.note);
        HWND control = GetDlgItem(dialog, IDC_CSS_NOTE);
        RECT client;
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        RECT needed = client;
        DrawTextA(dc, note.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        EXPECT_LE(needed.bottom - needed.top, client.bottom - client.top);
        EXPECT_LE(needed.right - needed.left, client.right - client.left);
    }
}

}  // namespace
