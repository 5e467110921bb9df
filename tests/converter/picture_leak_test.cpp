// Painting and dragging for a long time leaves no GDI object behind: every
// bitmap, brush, region and memory DC a paint creates is deleted in that paint.
#include <gtest/gtest.h>

#include "converter_state.h"
#include "gdi_count.h"
#include "picture_probe.h"
#include "resource.h"

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

// Each pick move reads the screen and paints the magnified view from it; both
// give back what they take.
TEST_F(LeakTest, AThousandPickMovesLeaveTheCountUnchanged) {
    ASSERT_TRUE(GdiCountingWorks()) << "unable to count GDI objects";
    Open(255, 136, 0);
    const RECT swatch = Swatch(), picker = Picker();
    auto pick = [&](int moves) {
        Press(swatch.left + 2, swatch.top + 2);
        ASSERT_EQ(g_dragMode, DRAG_SCREEN);
        for (int i = 0; i < moves; ++i) {
            // Over the dialog's own pictures, and outside it to the left.
            Move(i % 2 ? picker.left + i % 97 : -40 - i % 13, picker.top + i % 89);
            PaintPending();
        }
        Release(swatch.left + 2, swatch.top + 2);
        PaintPending();
    };
    pick(4);  // warm-up
    const int before = CountGdiObjects();
    pick(1000);
    EXPECT_EQ(CountGdiObjects(), before);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
}

}  // namespace
