// Picking with the mouse: presses, drags and releases on the picker and the
// luminance bar, delivered as the mouse messages the platform sends.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "contrast_line.h"
#include "current_colour.h"
#include "dialog_driver.h"
#include "hls.h"
#include "palette_state.h"
#include "picture_geometry.h"
#include "picture_probe.h"
#include "pictures.h"
#include "resource.h"

namespace {

class MouseTest : public PictureTest {
protected:
    POINT Centre(const RECT& r) const { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void PressAt(POINT p) const { Press(p.x, p.y); }

    RECT OnScreen(RECT r) const {
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // #RRGGBB of the colour the dialog now holds.
    std::string Hex6() const {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
        return text;
    }
};

// A colour that HLS doesn't give back exactly: 246,5,249 is 200,120,231, which is 251,4,251.
constexpr int kOddRed = 246, kOddGreen = 5, kOddBlue = 249;

// A press picks where it is pressed and starts a drag there. A tap (press and
// release with no move between, as touchpads send them) picks too: the point
// is the press's own, not one of a move that may come after the release.
TEST_F(MouseTest, APressOrATapOnThePickerPicksThePressedPoint) {
    Open(kOddRed, kOddGreen, kOddBlue);  // lightness 120
    const RECT picker = Picker();
    const POINT topLeft = {picker.left, picker.top};  // hue 0, saturation 240: red
    PressAt(topLeft);
    EXPECT_EQ(g_dragMode, DRAG_PICKER);
    EXPECT_EQ(GetCapture(), dialog);
    EXPECT_EQ(Rgb(), "255,0,0");
    EXPECT_EQ(Field(IDC_DEC_R), "255");
    EXPECT_EQ(Field(IDC_HLS_H) + "," + Field(IDC_HLS_L) + "," + Field(IDC_HLS_S), "0,120,240");
    EXPECT_EQ(RectText(ClipRect()), RectText(OnScreen(picker)));
    POINT cursor, expected = topLeft;
    ClientToScreen(dialog, &expected);
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
    Release(topLeft.x, topLeft.y);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(RectText(ClipRect()), RectText(ScreenRect()));

    // A tap on the bottom row, where saturation is 0: a grey, hue 0 at the left.
    Press(picker.left, picker.bottom - 1);
    Release(picker.left, picker.bottom - 1);
    EXPECT_EQ(Field(IDC_HLS_H) + "," + Field(IDC_HLS_L) + "," + Field(IDC_HLS_S), "0,120,0");
    EXPECT_TRUE(color.red == color.green && color.green == color.blue) << Rgb();
}

TEST_F(MouseTest, PickerDragToEdgesAndBeyondGivesTheEndsOfHueAndSaturation) {
    const struct {
        const char* where;
        int dx, dy;  // from the picker's left or right edge, top or bottom edge
        bool right, bottom;
        const char* hue;
        const char* saturation;
    } cases[] = {
        {"top left corner", 0, 0, false, false, "0", "240"},
        {"top right corner", -1, 0, true, false, "239", "240"},
        {"bottom left corner", 0, -1, false, true, "0", "0"},
        {"bottom right corner", -1, -1, true, true, "239", "0"},
        {"far left and below", -60, 60, false, true, "0", "0"},
        {"far right and above", 60, -60, true, false, "239", "240"},
    };
    Open(255, 0, 0);  // lightness 120, where the picker's colours are at their fullest
    const RECT picker = Picker();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        PressAt(Centre(picker));
        int x = (c.right ? picker.right : picker.left) + c.dx;
        int y = (c.bottom ? picker.bottom : picker.top) + c.dy;
        Move(x, y);
        EXPECT_EQ(Field(IDC_HLS_H), c.hue);
        EXPECT_EQ(Field(IDC_HLS_S), c.saturation);
        EXPECT_EQ(Field(IDC_HLS_L), "120");
        EXPECT_EQ(Rgb(), HlsRgb(g_hls.hue, g_hls.lightness, g_hls.saturation));
        EXPECT_EQ(Field(IDC_HEX6), Hex6());
        Release(x, y);
    }
    // The top left corner is pure red, the bottom edge grey.
    PressAt(Centre(picker));
    Move(picker.left, picker.top);
    EXPECT_EQ(Field(IDC_HEX6), "#ff0000");
    Move(picker.left, picker.bottom - 1);
    EXPECT_EQ(Field(IDC_HEX6), "#7f7f7f");
    Release(picker.left, picker.bottom - 1);
}

TEST_F(MouseTest, BarDragToEndsAndBeyondGivesBlackAndWhite) {
    const struct {
        const char* where;
        int dy;
        bool bottom;
        const char* lightness;
        const char* hex6;
    } cases[] = {
        {"top row", 0, false, "240", "#ffffff"},
        {"bottom row", -1, true, "0", "#000000"},
        {"far above", -80, false, "240", "#ffffff"},
        {"far below", 80, true, "0", "#000000"},
    };
    Open(0, 255, 255);
    const RECT bar = Bar();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        PressAt(Centre(bar));
        int y = (c.bottom ? bar.bottom : bar.top) + c.dy;
        Move(bar.right + 20, y);  // across doesn't matter
        EXPECT_EQ(Field(IDC_HLS_L), c.lightness);
        EXPECT_EQ(Field(IDC_HEX6), c.hex6);
        // Hue and saturation are kept for the next move.
        EXPECT_EQ(g_hls.hue, 120);
        EXPECT_EQ(g_hls.saturation, 240);
        Release(bar.right + 20, y);
    }
}

TEST_F(MouseTest, PressStartsALuminanceDragOnlyOnTheBarAndItsArrowColumn) {
    Open(kOddRed, kOddGreen, kOddBlue);
    const RECT picker = Picker(), bar = Bar();
    const int a = g_arrowSize;
    const int middle = (bar.top + bar.bottom) / 2;
    const struct {
        const char* where;
        POINT point;
        DragMode mode;
    } cases[] = {
        {"on the bar", {bar.left + 2, middle}, DRAG_LUMINANCE},
        {"on the arrow column", {bar.right + 3, middle}, DRAG_LUMINANCE},
        {"last column of the arrow", {bar.right + a + 3, bar.top}, DRAG_LUMINANCE},
        {"right of the arrow column", {bar.right + a + 4, middle}, DRAG_NONE},
        {"between picker and bar", {(picker.right + bar.left) / 2, middle}, DRAG_NONE},
        {"below the bar", {bar.left + 2, bar.bottom + 2}, DRAG_NONE},
    };
    RECT arrowColumn = BarPressArea(bar, a);  // its part right of the bar holds the cursor
    arrowColumn.left = bar.right;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        PressAt(c.point);
        EXPECT_EQ(g_dragMode, c.mode);
        // Nothing changes before the first move, not even the HLS round trip.
        EXPECT_EQ(Rgb(), "246,5,249");
        EXPECT_EQ(Field(IDC_HLS_L), "120");
        if (c.mode == DRAG_LUMINANCE) {
            EXPECT_EQ(GetCapture(), dialog);
            EXPECT_EQ(RectText(ClipRect()), RectText(OnScreen(arrowColumn)));
        } else {
            EXPECT_EQ(GetCapture(), nullptr);
            EXPECT_EQ(RectText(ClipRect()), RectText(ScreenRect()));
        }
        Release(c.point.x, c.point.y);
        EXPECT_EQ(RectText(ClipRect()), RectText(ScreenRect()));
        EXPECT_EQ(Rgb(), "246,5,249");
    }
    // The first move does change it.
    PressAt({bar.right + 3, middle});
    Move(bar.right + 3, bar.top);
    EXPECT_EQ(Rgb(), "255,255,255");
    Release(bar.right + 3, bar.top);
}

// Another window taking the capture mid-drag ends the drag as a release would.
TEST_F(MouseTest, LosingTheCaptureFreesTheCursorAndEndsTheDrag) {
    Open(64, 128, 96);
    const struct {
        const char* where;
        RECT area;
    } cases[] = {{"picker", Picker()}, {"bar", Bar()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        PressAt(Centre(c.area));
        ASSERT_NE(RectText(ClipRect()), RectText(ScreenRect()));
        HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(other, nullptr);
        SetCapture(other);
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        EXPECT_EQ(RectText(ClipRect()), RectText(ScreenRect()));
        // Moves after that are no drag.
        const std::string before = Rgb();
        Move(c.area.left, c.area.top);
        EXPECT_EQ(Rgb(), before);
        ReleaseCapture();
        DestroyWindow(other);
    }
    // The picker drag's marker is drawn again.
    PaintPending();
    const RECT picker = Picker();
    const POINT centre = MarkerCentre(picker, g_hls.hue, g_hls.saturation);
    EXPECT_EQ(Pixel(centre.x + 8, centre.y), RGB(0, 0, 0));
}

TEST_F(MouseTest, DestroyingTheDialogMidDragFreesTheCursor) {
    Open(64, 128, 96);
    PressAt(Centre(Picker()));
    ASSERT_NE(RectText(ClipRect()), RectText(ScreenRect()));
    DestroyWindow(dialog);
    dialog = nullptr;
    EXPECT_EQ(RectText(ClipRect()), RectText(ScreenRect()));
    EXPECT_EQ(g_dragMode, DRAG_NONE);
}

// Controls squeezed to a single pixel: every point maps to 0, nothing divides by zero.
TEST_F(MouseTest, OnePixelPicturesGiveZero) {
    Open(kOddRed, kOddGreen, kOddBlue);
    for (int id : {IDC_PICKER, IDC_LUMBAR}) {
        HWND control = GetDlgItem(dialog, id);
        RECT window, client;
        GetWindowRect(control, &window);
        GetClientRect(control, &client);
        SetWindowPos(control, nullptr, 0, 0, window.right - window.left - client.right + 1,
                     window.bottom - window.top - client.bottom + 1,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(control, &client);
        ASSERT_EQ(client.right, 1);
        ASSERT_EQ(client.bottom, 1);
    }
    RepaintAll();
    const RECT picker = Picker(), bar = Bar();
    PressAt({picker.left, picker.top});
    ASSERT_EQ(g_dragMode, DRAG_PICKER);
    Move(picker.left, picker.top);
    EXPECT_EQ(Field(IDC_HLS_H), "0");
    EXPECT_EQ(Field(IDC_HLS_S), "0");
    Move(picker.left + 30, picker.top - 30);
    EXPECT_EQ(Field(IDC_HLS_H), "0");
    Release(picker.left, picker.top);
    PressAt({bar.left, bar.top});
    ASSERT_EQ(g_dragMode, DRAG_LUMINANCE);
    Move(bar.left, bar.top);
    EXPECT_EQ(Field(IDC_HLS_L), "0");
    Release(bar.left, bar.top);
    RepaintAll();
}

}  // namespace

TEST_F(MouseTest, APickAfterARejectedTextEnablesNegaPosiAgain) {
    Open(0, 255, 255);
    SetFieldText(dialog, IDC_TRIPLE, "(1,2");
    ASSERT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
    const RECT bar = Bar();
    PressAt(Centre(bar));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)))
        << "a press alone picks nothing";
    Move(bar.right + 2, bar.top);
    Release(bar.right + 2, bar.top);
    EXPECT_EQ(Field(IDC_TRIPLE), "(255,255,255)");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
}
