// Picking from the screen in the converter, with real mouse and keyboard input:
// every field, the swatch and the magnified view follow the pick; the keys steer
// it and never reach the fields; Escape, a lost capture and a right click put
// the colour back; a dialog destroyed mid-pick leaves nothing behind.
#include <gtest/gtest.h>

#include <string>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "pattern_window.h"
#include "picture_probe.h"
#include "real_input.h"
#include "resource.h"
#include "screen_pick.h"

namespace {

constexpr int kBlock = 40;
const COLORREF kBlocks[] = {RGB(200, 30, 40), RGB(30, 200, 60), RGB(20, 40, 220),
                            RGB(250, 250, 10)};
constexpr POINT kBlocksAt = {40, 40};  // clear of the converter, which is centred
COLORREF Blocks(int x, int) { return kBlocks[x / kBlock]; }
COLORREF Grey(int, int) { return RGB(128, 128, 128); }

class ScreenPickTest : public PictureTest {
protected:
    void SetUp() override {
        blocks = ShowPattern(
            {kBlocksAt.x, kBlocksAt.y, kBlocksAt.x + 4 * kBlock, kBlocksAt.y + kBlock}, Blocks);
        ASSERT_NE(blocks, nullptr);
        Reopen(10, 20, 30);
    }
    void TearDown() override {
        RealButtons(MOUSEEVENTF_LEFTUP);
        SetInputDialog(nullptr);
        PictureTest::TearDown();
        DestroyWindow(blocks);
    }
    void Reopen(int red, int green, int blue) {
        Open(red, green, blue);
        SetForegroundWindow(dialog);
        SetInputDialog(dialog);
        DeliverInput();
    }

    // The middle of block i, dx pixels to the right, on the screen.
    static POINT BlockPoint(int i, int dx = 0) {
        return {kBlocksAt.x + i * kBlock + kBlock / 2 + dx, kBlocksAt.y + kBlock / 2};
    }
    POINT SwatchPoint() const {
        RECT s = Swatch();
        POINT p = {(s.left + s.right) / 2, (s.top + s.bottom) / 2};
        ClientToScreen(dialog, &p);
        return p;
    }
    void StartHeld() {
        ASSERT_TRUE(RealMouseTo(SwatchPoint()));
        RealButtons(MOUSEEVENTF_LEFTDOWN);
        ASSERT_EQ(g_dragMode, DRAG_SCREEN);
    }
    void StartByMenu() {
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
        ASSERT_EQ(g_dragMode, DRAG_SCREEN);
    }

    // Every field shows the colour the dialog holds, and it can be inverted.
    void ExpectFieldsFollow() {
        ExpectFieldsShow(dialog, ExpectedFields(color));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
    }

    // The middle block of the magnified view, whole, in this colour; and the
    // block `dx` blocks to its right, from its first pixel, in `right`. The picker, 205 by 201 pixels, shows
    // the 11 pixels of a new pick as blocks of 201 / 11 = 18, the 198 pixels of
    // the view centred, 3 pixels in from the left and 1 from the top: the sixth
    // block starts 3 + 5 * 18 = 93 pixels in from the left and 91 from the top.
    void ExpectView(COLORREF centre, int dx = 0, COLORREF right = 0) {
        PaintPending();
        const RECT picker = Picker();
        ASSERT_EQ(picker.right - picker.left, 205)
            << "the picker's width, which the places rest on";
        ASSERT_EQ(picker.bottom - picker.top, 201) << "the picker's height";
        const int block = 18;
        const RECT c = {picker.left + 93, picker.top + 91, picker.left + 93 + block,
                        picker.top + 91 + block};
        for (POINT p : {POINT{c.left, c.top}, POINT{c.right - 1, c.top},
                        POINT{c.left, c.bottom - 1}, POINT{c.right - 1, c.bottom - 1},
                        POINT{(c.left + c.right) / 2, (c.top + c.bottom) / 2}})
            EXPECT_EQ(RgbOf(Pixel(p.x, p.y)), RgbOf(centre))
                << "view's middle block at " << p.x << "," << p.y;
        if (dx) {
            // The view turns from the middle's colour to `right` exactly where block dx starts.
            const int edge = c.left + dx * block, y = (c.top + c.bottom) / 2;
            EXPECT_EQ(RgbOf(Pixel(edge - 1, y)), RgbOf(centre)) << "the pixel before block " << dx;
            EXPECT_EQ(RgbOf(Pixel(edge, y)), RgbOf(right))
                << "block " << dx << " right of the middle";
        }
    }

    HWND blocks = nullptr;
};

TEST_F(ScreenPickTest, HeldPickFollowsTheScreenAndKeepsTheColourAtRelease) {
    StartHeld();
    EXPECT_EQ(GetCapture(), PickWindow());
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("block " + std::to_string(i));
        ASSERT_TRUE(RealMouseTo(BlockPoint(i)));
        EXPECT_EQ(Rgb(), RgbOf(kBlocks[i]));
        ExpectFieldsFollow();
        ExpectView(kBlocks[i]);
    }
    // Three pixels short of the next block: a shifted view would show it in the middle.
    ASSERT_TRUE(RealMouseTo(BlockPoint(1, kBlock / 2 - 3)));
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[1]));
    ExpectView(kBlocks[1], 3, kBlocks[2]);

    ASSERT_TRUE(RealMouseTo(BlockPoint(2)));
    RealButtons(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(PickWindow(), nullptr);
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[2]));
    ExpectFieldsFollow();
    // The picker shows its image again: pure red in its top left corner.
    PaintPending();
    const RECT picker = Picker();
    EXPECT_EQ(RgbOf(Pixel(picker.left + 1, picker.top + 1)), "255,0,0");
}

// Escape and a lost capture put back the colour and the HLS from before the
// press, even where the two don't convert into each other exactly.
TEST_F(ScreenPickTest, EscapeAndALostCapturePutTheColourBack) {
    Reopen(246, 5, 249);
    SetFieldText(dialog, IDC_HLS_S, "231");  // 200,120,231 gives 251,4,251, whose HLS differs
    const RECT picker = Picker();
    Press(picker.left + 30, picker.top + 30);
    Release(picker.left + 30, picker.top + 30);
    const std::string colourBefore = Rgb();
    const std::string hlsBefore = RgbText(g_hls.hue, g_hls.lightness, g_hls.saturation);
    SetFieldText(dialog, IDC_TRIPLE, "(1,2");  // rejected: the fields are empty
    for (const char* how : {"Escape", "lost capture", "right click"}) {
        SCOPED_TRACE(how);
        const bool menu = std::string(how) == "right click";
        if (menu)
            StartByMenu();
        else
            StartHeld();
        ASSERT_TRUE(RealMouseTo(BlockPoint(0)));
        ASSERT_EQ(Rgb(), RgbOf(kBlocks[0]));
        if (std::string(how) == "Escape") {
            RealKey(VK_ESCAPE);
        } else if (menu) {
            RealButtons(MOUSEEVENTF_RIGHTDOWN);
            RealButtons(MOUSEEVENTF_RIGHTUP);
        } else {
            SetCapture(blocks);
            DeliverInput();
        }
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        EXPECT_TRUE(IsWindow(dialog)) << "Escape ends the pick, not the converter";
        EXPECT_EQ(Rgb(), colourBefore);
        EXPECT_EQ(RgbText(g_hls.hue, g_hls.lightness, g_hls.saturation), hlsBefore);
        EXPECT_EQ(FieldText(dialog, IDC_HLS_H) + "," + FieldText(dialog, IDC_HLS_L) + "," +
                      FieldText(dialog, IDC_HLS_S),
                  hlsBefore);
        ExpectFieldsShow(dialog, ExpectedFields(color), FieldGroupOf(IDC_HLS_H));
        RealButtons(MOUSEEVENTF_LEFTUP);
        ReleaseCapture();
        EXPECT_EQ(Rgb(), colourBefore) << "the release after the pick picks nothing";
    }
}

// The fields follow a pick by menu over the frozen screen, even where what is
// shown has changed since it started, and the click stays with the pick.
TEST_F(ScreenPickTest, MenuPickFollowsTheFrozenScreenUntilAClick) {
    StartByMenu();
    HWND cover = PickWindow();
    ChangePattern(blocks, Grey);
    for (int i : {3, 1}) {
        ASSERT_TRUE(RealMouseTo(BlockPoint(i)));
        EXPECT_EQ(Rgb(), RgbOf(kBlocks[i]));
    }
    ExpectFieldsFollow();
    ExpectView(kBlocks[1]);
    RealButtons(MOUSEEVENTF_LEFTDOWN);
    EXPECT_EQ(g_dragMode, DRAG_SCREEN) << "the pick ends at the button's release";
    RealButtons(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
    EXPECT_FALSE(IsWindow(cover));
    EXPECT_EQ(PatternPresses(blocks), 0) << "the click went through to the window under it";
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[1]));
    ExpectFieldsFollow();
    EXPECT_EQ(GetForegroundWindow(), dialog);
    // Moves after the pick change nothing.
    ASSERT_TRUE(RealMouseTo(BlockPoint(0)));
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[1]));
}

// The focused field keeps its text, caret and selection through the keys of a
// pick, held or by menu, and gets the keyboard back after it.
TEST_F(ScreenPickTest, TheKeysOfAPickNeverReachTheFields) {
    HWND triple = GetDlgItem(dialog, IDC_TRIPLE);
    for (bool menu : {false, true}) {
        SCOPED_TRACE(menu ? "by menu" : "held");
        // Two pixels short of block 2: moving left and back keeps block 1's colour.
        const POINT start = BlockPoint(1, kBlock / 2 - 2);
        SetFocus(triple);  // the user was typing there
        if (menu) {
            ASSERT_TRUE(RealMouseTo(start));
            StartByMenu();
        } else {
            StartHeld();
            ASSERT_TRUE(RealMouseTo(start));
        }
        ASSERT_EQ(Rgb(), RgbOf(kBlocks[1]));
        SendMessageA(triple, EM_SETSEL, 2, 5);
        const std::string text = FieldText(dialog, IDC_TRIPLE);
        // (A is the pick's own key for an averaged square: B stands for a letter typed.)
        const WORD keys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_BACK, VK_DELETE, 'B', '7'};
        for (WORD key : keys) RealKey(key);
        EXPECT_EQ(FieldText(dialog, IDC_TRIPLE), text);
        DWORD from = 0, to = 0;
        SendMessageA(triple, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 2u);
        EXPECT_EQ(to, 5u);
        ExpectFieldsFollow();
        for (int i = 0; i < 3; ++i) RealKey(VK_RIGHT);
        EXPECT_EQ(Rgb(), RgbOf(kBlocks[2])) << "three pixels right, into the next block";
        if (menu)
            RealKey(VK_RETURN);
        else
            RealButtons(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        EXPECT_EQ(GetFocus(), triple) << "the field has the keyboard back";
        EXPECT_EQ(Rgb(), RgbOf(kBlocks[2]));
        ExpectFieldsFollow();
    }
}

TEST_F(ScreenPickTest, DestroyingTheDialogMidPickLeavesNothingBehind) {
    for (bool menu : {false, true}) {
        SCOPED_TRACE(menu ? "by menu" : "held");
        Reopen(10, 20, 30);
        if (menu)
            StartByMenu();
        else
            StartHeld();
        HWND window = PickWindow();
        ASSERT_EQ(GetCapture(), window);
        DestroyWindow(dialog);
        dialog = nullptr;
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(PickWindow(), nullptr);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        RealButtons(MOUSEEVENTF_LEFTUP);
    }
}

}  // namespace
