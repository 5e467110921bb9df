// The picker and the luminance bar by keyboard, with real keys through the
// dialog manager: Tab reaches them after the HLS fields, a focus ring shows
// which has the keys, and each key steps the HLS triple as a drag would.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "converter_fields.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "picture_geometry.h"
#include "picture_probe.h"
#include "real_input.h"
#include "resource.h"

namespace {

class KeysTest : public PictureTest {
protected:
    HWND Control(int id) const { return GetDlgItem(dialog, id); }

    // The colours of the pixels on the top edge of the ring one pixel outside
    // the control's border.
    std::set<COLORREF> RingColours(int id) const {
        RECT ring;
        GetWindowRect(Control(id), &ring);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ring), 2);
        InflateRect(&ring, 1, 1);
        std::set<COLORREF> colours;
        for (int x = ring.left; x < ring.right; ++x) colours.insert(Pixel(x, ring.top));
        return colours;
    }
    std::set<COLORREF> Dotted() const {
        return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
    }
    std::set<COLORREF> Plain() const { return {GetSysColor(COLOR_BTNFACE)}; }
};

TEST_F(KeysTest, TabReachesThePicturesAfterTheHlsFieldsAndTheRingFollowsTheFocus) {
    OpenForKeys(10, 20, 30);
    SetFocus(Control(IDC_HLS_S));
    RealKey(VK_TAB);
    ASSERT_EQ(GetFocus(), Control(IDC_PICKER));
    PaintPending();
    EXPECT_EQ(RingColours(IDC_PICKER), Dotted());
    EXPECT_EQ(RingColours(IDC_LUMBAR), Plain());

    RealKey(VK_TAB);
    ASSERT_EQ(GetFocus(), Control(IDC_LUMBAR));
    PaintPending();
    EXPECT_EQ(RingColours(IDC_PICKER), Plain());
    EXPECT_EQ(RingColours(IDC_LUMBAR), Dotted());

    RealKey(VK_TAB, true);
    RealKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), Control(IDC_HLS_S));
    PaintPending();
    EXPECT_EQ(RingColours(IDC_PICKER), Plain());
}

// One sequence from 246,5,249 (HLS 200,120,231, which gives back 251,4,251): the
// triple is what the keys made it, never the colour's own HLS.
TEST_F(KeysTest, KeysStepTheTripleAsSetAndStopAtTheEnds) {
    const struct {
        int id;
        WORD key;
        bool shift;
        int hue, lightness, saturation;
    } steps[] = {
        {IDC_PICKER, VK_LEFT, false, 199, 120, 231},   {IDC_PICKER, VK_LEFT, true, 189, 120, 231},
        {IDC_PICKER, VK_RIGHT, false, 190, 120, 231},  {IDC_PICKER, VK_RIGHT, true, 200, 120, 231},
        {IDC_PICKER, VK_UP, false, 200, 120, 232},     {IDC_PICKER, VK_UP, true, 200, 120, 240},
        {IDC_PICKER, VK_DOWN, false, 200, 120, 239},   {IDC_PICKER, VK_DOWN, true, 200, 120, 229},
        {IDC_PICKER, VK_HOME, false, 0, 120, 229},     {IDC_PICKER, VK_END, false, 239, 120, 229},
        {IDC_PICKER, VK_RIGHT, false, 239, 120, 229},  {IDC_PICKER, VK_NEXT, false, 239, 120, 0},
        {IDC_PICKER, VK_DOWN, false, 239, 120, 0},     {IDC_PICKER, VK_PRIOR, false, 239, 120, 240},
        {IDC_PICKER, VK_RETURN, false, 239, 120, 240},  // Enter: the next control is no field
        {IDC_LUMBAR, VK_UP, false, 239, 121, 240},     {IDC_LUMBAR, VK_UP, true, 239, 131, 240},
        {IDC_LUMBAR, VK_DOWN, false, 239, 130, 240},   {IDC_LUMBAR, VK_DOWN, true, 239, 120, 240},
        {IDC_LUMBAR, VK_HOME, false, 239, 240, 240},   {IDC_LUMBAR, VK_UP, true, 239, 240, 240},
        {IDC_LUMBAR, VK_END, false, 239, 0, 240},      {IDC_LUMBAR, VK_DOWN, false, 239, 0, 240},
        {IDC_LUMBAR, VK_LEFT, false, 239, 0, 240},  // not the bar's: the focus stays
    };
    OpenForKeys(246, 5, 249);
    SetFieldText(dialog, IDC_HEX6, "#1234");  // rejected: the other fields empty
    for (const auto& step : steps) {
        const std::string name = std::string(step.id == IDC_PICKER ? "picker" : "bar") +
                                 (step.shift ? " shift+" : " ") + std::to_string(step.key);
        SCOPED_TRACE(name);
        SetFocus(Control(step.id));
        RealKey(step.key, step.shift);
        ASSERT_EQ(GetFocus(), Control(step.id));
        EXPECT_EQ(g_hls.hue, step.hue);
        EXPECT_EQ(g_hls.lightness, step.lightness);
        EXPECT_EQ(g_hls.saturation, step.saturation);
        EXPECT_EQ(Rgb(), HlsRgb(step.hue, step.lightness, step.saturation));
        ExpectFieldsShow(dialog, ExpectedFields(color), {IDC_HLS_H, IDC_HLS_L, IDC_HLS_S});
        EXPECT_EQ(Field(IDC_HLS_H), std::to_string(step.hue));
        EXPECT_EQ(Field(IDC_HLS_L), std::to_string(step.lightness));
        EXPECT_EQ(Field(IDC_HLS_S), std::to_string(step.saturation));
        EXPECT_TRUE(IsWindowEnabled(Control(IDC_NEGAPOSI)));
    }
}

// The pictures follow a key as they follow a drag: the swatch, the marker on
// the picker, the bar through the new hue, the arrow at the new lightness.
TEST_F(KeysTest, ThePicturesShowWhatTheKeysSet) {
    OpenForKeys(255, 0, 0);  // 0,120,240
    SetFocus(Control(IDC_PICKER));
    RealKey(VK_RIGHT, true);
    for (int i = 0; i < 3; ++i) RealKey(VK_DOWN, true);
    SetFocus(Control(IDC_LUMBAR));
    RealKey(VK_UP, true);
    PaintPending();
    ASSERT_EQ(Rgb(), HlsRgb(10, 130, 210));
    const RECT swatch = Swatch(), bar = Bar();
    EXPECT_EQ(RgbOf(Pixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2)),
              Rgb());
    // The middle of the bar's 31 cells (lightness 120), through the new hue and saturation.
    const int middleRow = bar.top + 31 * (bar.bottom - bar.top) / 62;
    EXPECT_EQ(RgbOf(Pixel((bar.left + bar.right) / 2, middleRow)), HlsRgb(10, 120, 210));
    const POINT marker = MarkerCentre(Picker(), 10, 210);
    EXPECT_EQ(RgbOf(Pixel(marker.x, marker.y - 7)), "0,0,0") << "the marker's upper arm";
    const POINT tip = ArrowTip(bar, 130);
    EXPECT_EQ(RgbOf(Pixel(tip.x, tip.y)), "0,0,0") << "the arrow's tip";
}

}  // namespace
