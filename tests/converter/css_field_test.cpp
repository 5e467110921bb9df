// The converter's CSS group: any CSS colour typed converts live, the note says
// what reading changed, and the chosen form shows every other change.
#include <gtest/gtest.h>

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
        {"rgb(18 52 86);", false, "", ""},
        {" red", false, "", ""},
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

}  // namespace
