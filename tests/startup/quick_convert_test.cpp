// Quick conversion in process: which texts are colours, what the box shows for
// them, what QuickConvert returns for each way out, and the box's set-up.
#include <gtest/gtest.h>

#include <cstring>

#include "quick_box_driver.h"
#include "resource.h"

namespace {

// Channels no test text produces, to show a record left alone.
constexpr ColorRecord kUntouched = {1, 2, 3, 0};

struct ColourRow {
    const char* text;
    const char* shown;
    int notation;
    int red, green, blue;
};

std::ostream& operator<<(std::ostream& out, const ColourRow& row) {
    return out << '\'' << row.text << '\'';
}

class QuickConvertColour : public testing::TestWithParam<ColourRow> {};

TEST_P(QuickConvertColour, ShowsTheOtherNotation) {
    const ColourRow& row = GetParam();
    ColorRecord record = kUntouched;
    QuickConvertRun run = QuickConvertThen(row.text, &record, PressExit);
    ASSERT_TRUE(run.boxShown);
    EXPECT_EQ(run.shown, row.shown);
    EXPECT_EQ(run.result, 1);  // "Exit": the program ends here
    EXPECT_EQ(record.notation, row.notation);
    EXPECT_EQ(record.red, row.red);
    EXPECT_EQ(record.green, row.green);
    EXPECT_EQ(record.blue, row.blue);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Notations, QuickConvertColour, testing::Values(
    // A # notation is answered as a decimal triple...
    ColourRow{"#0ff", "(0,255,255)", 1, 0, 255, 255},
    ColourRow{"#00FFFF", "(0,255,255)", 1, 0, 255, 255},
    ColourRow{"#0a141e", "(10,20,30)", 1, 10, 20, 30},
    ColourRow{"#000", "(0,0,0)", 1, 0, 0, 0},
    // ...anything else as #rrggbb, lower case.
    ColourRow{"(0,255,255)", "#00ffff", 2, 0, 255, 255},
    ColourRow{"(0%,100%,100%)", "#00ffff", 2, 0, 255, 255},
    ColourRow{"(10,20,30) is my colour", "#0a141e", 2, 10, 20, 30},
    ColourRow{"fuchsia", "#ff00ff", 2, 255, 0, 255},
    ColourRow{"AliceBlue", "#f0f8ff", 2, 240, 248, 255},
    ColourRow{"black", "#000000", 2, 0, 0, 0},
    // Then H,L,S and CSS: a CSS text starting with '#' counts as a # notation.
    ColourRow{"#0ff8", "(0,255,255)", 1, 0, 255, 255},
    ColourRow{"oklch(63.7% 0.237 25.331)", "#fb2c36", 2, 251, 44, 54},
    ColourRow{"0,120,0", "#7f7f7f", 2, 127, 127, 127}));
// clang-format on

class QuickConvertNoColour : public testing::TestWithParam<const char*> {};

TEST_P(QuickConvertNoColour, ShowsNothingAndLeavesTheRecord) {
    ColorRecord record = kUntouched;
    QuickConvertRun run = QuickConvertThen(GetParam(), &record, PressExit);
    EXPECT_FALSE(run.boxShown);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(0, memcmp(&record, &kUntouched, sizeof record));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, QuickConvertNoColour, testing::Values(
    "", "#00ffff\r\n", "#00ffff ", "\"#00ffff\"", " #0ff", "#0f", "#00fffff", "(256,0,0)",
    "(0,255,255", "red ", "redd",
    // Beginning with '#' or '(', a text is never looked up as a name.
    "#red", "(red)", "calc(1)", "rgb(1 2 3) "));
// clang-format on

TEST(QuickConvertResult, MainDialogGoesOnToTheConverter) {
    ColorRecord record = kUntouched;
    QuickConvertRun run = QuickConvertThen("aqua", &record, PressMainDialog);
    ASSERT_TRUE(run.boxShown);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(record.notation, 2);
    EXPECT_EQ(record.blue, 255);
}

// What only this process can see: the icons and the system menu.
void CheckSetUp(HWND box) {
    EXPECT_NE(SendMessageA(box, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(box, WM_GETICON, ICON_BIG, 0), 0);
    HWND result = GetDlgItem(box, IDC_QUICK_TEXT);
    EXPECT_TRUE(GetWindowLongA(result, GWL_STYLE) & ES_READONLY);

    // The item itself is the version box's own; here it only has to be there.
    EXPECT_EQ(GetMenuItemID(GetSystemMenu(box, FALSE), 4), static_cast<UINT>(IDM_VERSION));
    PressExit(box);
}

TEST(QuickBoxSetUp, IconsAndVersionItem) {
    ColorRecord record = {};
    QuickConvertRun run = QuickConvertThen("#0ff", &record, CheckSetUp);
    EXPECT_TRUE(run.boxShown);
    EXPECT_EQ(run.result, 1);
}

}  // namespace
