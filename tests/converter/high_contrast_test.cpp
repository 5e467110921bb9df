// The converter under a high-contrast colour scheme, set for the test with
// SetSysColors and put back after it: what it draws on its face follows the
// scheme, the pictures show their colours as always.
#include <gtest/gtest.h>

#include <set>

#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "picture_geometry.h"
#include "picture_probe.h"
#include "real_input.h"
#include "resource.h"

namespace {

// The platform's "High Contrast Black": white on black, a cyan highlight.
const int kElements[] = {COLOR_BTNFACE,    COLOR_BTNTEXT,   COLOR_WINDOW,
                         COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
const COLORREF kHighContrastBlack[] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0),
                                       RGB(255, 255, 255), RGB(26, 235, 255),  RGB(0, 0, 0)};
constexpr int kElementCount = sizeof kElements / sizeof kElements[0];

class HighContrastTest : public PictureTest {
protected:
    void SetUp() override {
        for (int i = 0; i < kElementCount; ++i) saved[i] = GetSysColor(kElements[i]);
        ASSERT_TRUE(SetSysColors(kElementCount, kElements, kHighContrastBlack));
    }
    void TearDown() override {
        PictureTest::TearDown();
        SetSysColors(kElementCount, kElements, saved);
    }
    COLORREF saved[kElementCount];
};

TEST_F(HighContrastTest, LabelsArrowAndFocusRingTakeTheSchemesColoursThePicturesKeepTheirs) {
    OpenForKeys(0, 128, 0);  // 80,60,240
    SetFocus(GetDlgItem(dialog, IDC_HLS_S));
    RealKey(VK_TAB);
    ASSERT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PICKER));
    RepaintAll();

    HDC dc = CreateCompatibleDC(nullptr);
    const LRESULT brush = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_EX_HEX6)));
    EXPECT_EQ(GetTextColor(dc), RGB(26, 235, 255)) << "an example label";
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    DeleteDC(dc);

    const POINT tip = ArrowTip(Bar(), g_hls.lightness);
    EXPECT_EQ(RgbOf(Pixel(tip.x, tip.y)), "255,255,255") << "the arrow, white on the black face";

    RECT ring;
    GetWindowRect(GetDlgItem(dialog, IDC_PICKER), &ring);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ring), 2);
    std::set<COLORREF> dots;
    for (int x = ring.left - 1; x <= ring.right; ++x) dots.insert(Pixel(x, ring.top - 1));
    EXPECT_EQ(dots, (std::set<COLORREF>{RGB(255, 255, 255), RGB(0, 0, 0)})) << "the focus ring";

    // The picker image's cell in column 30, row 13 is hue 121, saturation 120
    // whatever the scheme; the marker's arms stay black on the picture.
    const RECT picker = Picker();
    const int width = picker.right - picker.left, height = picker.bottom - picker.top;
    EXPECT_EQ(RgbOf(Pixel(picker.left + 61 * width / 120, picker.top + 27 * height / 54)),
              HlsRgb(30 * 239 / 59, 120, 13 * 240 / 26));
    const POINT marker = MarkerCentre(picker, g_hls.hue, g_hls.saturation);
    EXPECT_EQ(RgbOf(Pixel(marker.x, marker.y + 8)), "0,0,0") << "the marker's lower arm";
    const RECT swatch = Swatch();
    EXPECT_EQ(RgbOf(Pixel(swatch.left + 2, swatch.top + 2)), "0,128,0");
}

}  // namespace
