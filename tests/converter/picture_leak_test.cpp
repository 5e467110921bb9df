// Painting and dragging for a long time leaves no GDI object behind: every
// bitmap, brush, region and memory DC a paint creates is deleted in that paint.
#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "palette_home.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "gdi_count.h"
#include "picture_probe.h"
#include "process_usage.h"
#include "resource.h"
#include "screen_pick.h"

namespace {

class LeakTest : public PictureTest {
protected:
    // One drag on the picker and one on the bar, `moves` moves in all, each
    // painted as the message loop would.
    void Drag(int moves) {
        const RECT picker = Picker(), bar = Bar();
        const int width = picker.right - picker.left, height = bar.bottom - bar.top;
        Press(picker.left + 1, picker.top + 1);
        for (int i = 0; i < moves / 2; ++i) {
            Move(picker.left + i % width, picker.bottom - 1 - i % (picker.bottom - picker.top));
            PaintPending();
        }
        Release(picker.left, picker.top);
        PaintPending();
        Press(bar.right + 2, bar.top);
        for (int i = 1; i < moves - moves / 2; ++i) {
            Move(bar.right + 2, bar.bottom - 1 - i % height);
            PaintPending();
        }
        Move(bar.right + 2, bar.top);  // white, for the checks that follow
        PaintPending();
        Release(bar.right + 2, bar.top);
        PaintPending();
    }
};

TEST_F(LeakTest, TenThousandRepaintsAndAThousandDragMovesLeaveTheCountUnchanged) {
    ASSERT_TRUE(GdiCountingWorks()) << "unable to count GDI objects";
    Open(255, 136, 0);
    Drag(4);  // warm-up: the first paints cache fonts, the picker image and the like
    RepaintAll();
    const int before = CountGdiObjects();

    for (int i = 0; i < 10000; ++i) RepaintAll();
    const int afterRepaints = CountGdiObjects();
    Drag(1000);
    const int afterDrags = CountGdiObjects();

    EXPECT_EQ(afterRepaints, before);
    EXPECT_EQ(afterDrags, before);

    // And it still paints right: the last drag ended on the bar's top row (white)
    // with the picker's last hue and saturation.
    RepaintAll();
    EXPECT_EQ(color.red, 255);
    EXPECT_EQ(color.green, 255);
    EXPECT_EQ(color.blue, 255);
    const RECT swatch = Swatch(), bar = Bar();
    EXPECT_EQ(RgbOf(Pixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2)),
              "255,255,255");
    EXPECT_EQ(RgbOf(Pixel(bar.left, bar.bottom - 1)), "0,0,0");
    EXPECT_EQ(RgbOf(Pixel(bar.left, (bar.top + bar.bottom) / 2)),
              HlsRgb(g_hls.hue, 120, g_hls.saturation));
    EXPECT_EQ(Pixel(bar.right + 2, bar.top), RGB(0, 0, 0));  // the arrow's tip at the top
}

// A thousand picks of both kinds, with moves, leave the GDI objects, the
// windows and the memory as they were: each pick gives back its window and its
// picture of the screen (about 5 MB here) when it ends.
TEST_F(LeakTest, AThousandPicksLeaveNothingBehind) {
    ASSERT_TRUE(GdiCountingWorks()) << "unable to count GDI objects";
    // The picks alone: a palette with no file, as each kept pick adds to it.
    UsePaletteHome("");
    Open(255, 136, 0);
    SetForegroundWindow(dialog);
    const RECT swatch = Swatch();
    auto pick = [&](int i) {
        if (i % 2)
            SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
        else
            Press(swatch.left + 2, swatch.top + 2);
        ASSERT_EQ(g_dragMode, DRAG_SCREEN);
        HWND window = PickWindow();
        for (int m = 0; m < 3; ++m) {
            SetCursorPos(40 + (i * 7 + m * 13) % 500, 30 + (i * 3 + m) % 400);
            SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(40 + m * 17, 30 + i % 400));
            PaintPending();
        }
        SendMessageA(window, WM_KEYDOWN, i % 3 ? VK_ESCAPE : VK_RIGHT, 0);
        if (PickWindow()) SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
        PaintPending();
        ASSERT_EQ(g_dragMode, DRAG_NONE);
    };
    for (int i = 0; i < 4; ++i) pick(i);  // warm-up
    const int objects = CountGdiObjects(), windows = CountThreadWindows();
    const SIZE_T memory = PrivateBytes();
    for (int i = 0; i < 1000; ++i) pick(i);
    EXPECT_EQ(CountGdiObjects(), objects);
    EXPECT_EQ(CountThreadWindows(), windows);
    EXPECT_LT(PrivateBytes(), memory + 1024 * 1024);
    UseProcessPaletteHome();
}

}  // namespace
