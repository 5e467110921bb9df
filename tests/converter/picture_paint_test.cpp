// What the converter paints: the swatch, the picker image and its marker, the
// luminance bar and its arrow, read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "hls.h"
#include "picture_geometry.h"
#include "picture_probe.h"
#include "accessible_text.h"
#include "resource.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

class PaintTest : public PictureTest {
protected:
    // The swatch's corners and centre show the colour the dialog holds.
    void ExpectSwatchShowsColour() {
        RECT s = Swatch();
        const POINT probes[] = {{s.left, s.top},
                                {s.right - 1, s.top},
                                {(s.left + s.right) / 2, (s.top + s.bottom) / 2},
                                {s.left, s.bottom - 1},
                                {s.right - 1, s.bottom - 1}};
        for (const POINT& p : probes)
            EXPECT_EQ(RgbOf(Pixel(p.x, p.y)), Rgb()) << "swatch pixel " << p.x << "," << p.y;
    }

    // The centre of the screen area that image cell (column, row from the top)
    // of a `columns` × `rows` image is stretched onto.
    static POINT CellCentre(const RECT& r, int columns, int rows, int column, int row) {
        return {static_cast<LONG>(r.left + (2 * column + 1) * (r.right - r.left) / (2 * columns)),
                static_cast<LONG>(r.top + (2 * row + 1) * (r.bottom - r.top) / (2 * rows))};
    }

    // The bar's 31 cells, bottom (lightness 0) to top (240), for the current HLS.
    void ExpectBarRamp() {
        RECT bar = Bar();
        for (int i = 0; i <= 30; ++i) {
            POINT p = CellCentre(bar, 1, 31, 0, 30 - i);
            EXPECT_EQ(RgbOf(Pixel(p.x, p.y)), HlsRgb(g_hls.hue, i * 8, g_hls.saturation))
                << "bar cell " << i << " at y " << p.y;
        }
    }

    // The marker's centre for the current hue and saturation.
    POINT Marker() { return MarkerCentre(Picker(), g_hls.hue, g_hls.saturation); }

    // Each arm is black where it lies inside the picker, the gap around the
    // centre is not, and nothing black lies around the marker outside the picker.
    void ExpectMarker(bool shown) {
        const POINT c = Marker();
        const RECT picker = Picker();
        const struct {
            const char* arm;
            int dx, dy;  // middle of the arm, and a gap pixel next to the centre
        } arms[] = {{"above", 0, -7}, {"below", 0, 8}, {"left", -7, 0}, {"right", 8, 0}};
        for (const auto& arm : arms) {
            POINT p = {c.x + arm.dx, c.y + arm.dy};
            bool inside = PtInRect(&picker, p) != FALSE;
            EXPECT_EQ(Pixel(p.x, p.y) == kBlack, shown && inside) << arm.arm << " arm";
            POINT gap = {c.x + arm.dx / 2, c.y + arm.dy / 2};
            if (PtInRect(&picker, gap)) {
                EXPECT_NE(Pixel(gap.x, gap.y), kBlack) << arm.arm << " gap";
            }
        }
        for (int y = c.y - 11; y <= c.y + 11; ++y)
            for (int x = c.x - 11; x <= c.x + 11; ++x) {
                POINT p = {x, y};
                if (!PtInRect(&picker, p)) {
                    ASSERT_NE(Pixel(x, y), kBlack)
                        << "marker outside the picker at " << x << "," << y;
                }
            }
    }
};

TEST_F(PaintTest, SwatchShowsTheColourAfterOpeningTypingAndInverting) {
    Open(246, 5, 249);
    ExpectSwatchShowsColour();

    SetFieldText(dialog, IDC_HEX6, "#123456");
    PaintPending();  // only what the refresh invalidated
    ASSERT_EQ(Rgb(), "18,52,86");
    ExpectSwatchShowsColour();

    SendMessageA(dialog, WM_COMMAND, IDC_NEGAPOSI, 0);
    PaintPending();
    ASSERT_EQ(Rgb(), "237,203,169");
    ExpectSwatchShowsColour();
}

TEST_F(PaintTest, PickerShowsEachImageCellWhereTheStretchPutsIt) {
    Open(0, 0, 0);
    const RECT picker = Picker();
    const POINT marker = Marker();
    int checked = 0, wrong = 0;
    for (int row = 0; row < 27; ++row) {
        for (int column = 0; column < 60; ++column) {
            POINT p = CellCentre(picker, 60, 27, column, row);
            if (abs(p.x - marker.x) <= 11 && abs(p.y - marker.y) <= 11) continue;
            // Rows are stored bottom-up: the top row on screen is full saturation.
            std::string expected = HlsRgb(column * 239 / 59, 120, (26 - row) * 240 / 26);
            std::string shown = RgbOf(Pixel(p.x, p.y));
            ++checked;
            if (shown != expected && ++wrong <= 5)
                ADD_FAILURE() << "cell " << column << "," << row << " at " << p.x << "," << p.y
                              << " shows " << shown << ", expected " << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(checked, 1500);
}

TEST_F(PaintTest, BarIsARampFromBlackToWhiteThroughTheHue) {
    const struct {
        int red, green, blue;
    } colours[] = {
        {0, 255, 255},    // hue 120, full saturation: the middle is aqua
        {255, 136, 0},    // orange
        {128, 128, 128},  // a grey gives a grey ramp
        {0, 0, 0},        // black: the ramp doesn't depend on lightness
    };
    for (const auto& c : colours) {
        SCOPED_TRACE(std::to_string(c.red) + "," + std::to_string(c.green) + "," +
                     std::to_string(c.blue));
        Open(c.red, c.green, c.blue);
        RECT bar = Bar();
        EXPECT_EQ(RgbOf(Pixel(bar.left, bar.top)), "255,255,255");
        EXPECT_EQ(RgbOf(Pixel(bar.right - 1, bar.bottom - 1)), "0,0,0");
        ExpectBarRamp();
        if (g_hls.saturation == 0) {
            POINT middle = CellCentre(bar, 1, 31, 0, 15);
            COLORREF grey = Pixel(middle.x, middle.y);
            EXPECT_TRUE(GetRValue(grey) == GetGValue(grey) && GetGValue(grey) == GetBValue(grey));
        }
    }
}

TEST_F(PaintTest, ArrowTipPointsAtTheLightness) {
    const struct {
        int red, green, blue, lightness;
    } cases[] = {
        {0, 0, 0, 0},
        {128, 128, 128, 120},
        {0, 255, 255, 120},
        {255, 255, 255, 240},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("lightness " + std::to_string(c.lightness));
        Open(c.red, c.green, c.blue);
        ASSERT_EQ(g_hls.lightness, c.lightness);
        const RECT bar = Bar();
        const int a = g_arrowSize;
        const POINT tip = ArrowTip(bar, c.lightness);
        const int x0 = tip.x, y0 = tip.y;
        // The tip is the one row where the arrow reaches its leftmost column.
        std::vector<int> tipRows;
        for (int y = bar.top - a; y < bar.bottom + a; ++y)
            if (Pixel(x0, y) == kBlack) tipRows.push_back(y);
        EXPECT_EQ(tipRows, std::vector<int>{y0});
        // Its back edge spans the arrow's height; beyond that, the column is erased.
        EXPECT_EQ(Pixel(x0 + a - 1, y0 - a + 1), kBlack);
        EXPECT_EQ(Pixel(x0 + a - 1, y0 + a - 1), kBlack);
        EXPECT_EQ(Pixel(x0 + a - 1, y0 - a - 1), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(Pixel(x0 + a - 1, y0 + a + 1), GetSysColor(COLOR_BTNFACE));
    }
}

TEST_F(PaintTest, MarkerSurroundsHueAndSaturationAndIsClippedAtTheEdges) {
    const struct {
        const char* where;
        int red, green, blue;
        int hue, saturation;  // -1: anywhere away from the edges
    } cases[] = {
        {"inside", 64, 128, 96, -1, -1},
        {"top left", 255, 0, 0, 0, 240},
        {"top right", 255, 0, 6, 239, 240},
        {"bottom", 128, 128, 128, 160, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Open(c.red, c.green, c.blue);
        if (c.hue >= 0) {
            ASSERT_EQ(g_hls.hue, c.hue);
            ASSERT_EQ(g_hls.saturation, c.saturation);
        }
        ExpectMarker(true);
    }
}

// Around its centre, the black pixels are exactly the marker's four arms: at 96
// DPI three pixels thick, six long and four clear of the centre; at 144 DPI
// five, nine and six. PALORIN_TEST_DPI names the resolution the run is for.
TEST_F(PaintTest, MarkerArmsGrowWithTheDisplayResolution) {
    const struct { int dpi, half, gap, length; } kSizes[] = {{96, 1, 4, 6}, {144, 2, 6, 9}};
    const char* wanted = std::getenv("PALORIN_TEST_DPI");
    const int dpi = wanted ? std::atoi(wanted) : 96;
    Open(64, 128, 96);  // the marker well inside the picker
    HDC dc = GetDC(dialog);
    ASSERT_EQ(GetDeviceCaps(dc, LOGPIXELSX), dpi) << "the display's resolution";
    ReleaseDC(dialog, dc);
    const auto* size = std::find_if(std::begin(kSizes), std::end(kSizes),
                                    [dpi](const auto& s) { return s.dpi == dpi; });
    ASSERT_NE(size, std::end(kSizes));
    const POINT c = Marker();
    int wrong = 0;
    for (int dy = -20; dy <= 20; ++dy)
        for (int dx = -20; dx <= 20; ++dx) {
            const bool across = std::abs(dx) <= size->half, along = std::abs(dy) <= size->half;
            const bool vertical =
                across && std::abs(dy) > size->gap && std::abs(dy) <= size->gap + size->length;
            const bool horizontal =
                along && std::abs(dx) > size->gap && std::abs(dx) <= size->gap + size->length;
            const bool black = Pixel(c.x + dx, c.y + dy) == kBlack;
            if (black != (vertical || horizontal) && ++wrong <= 5)
                ADD_FAILURE() << "at " << dx << "," << dy
                              << " from the centre: " << (black ? "black" : "not black");
        }
    EXPECT_EQ(wrong, 0);
}

// The marker is hidden for the whole drag and drawn again at the release.
TEST_F(PaintTest, PickerDragRepaintsTheBarAndHidesTheMarker) {
    Open(128, 128, 128);
    const RECT picker = Picker();
    Press(picker.left + 1, picker.top + 1);
    PaintPending();
    ExpectMarker(false);
    // Top left corner: red at full saturation.
    Move(picker.left, picker.top);
    PaintPending();
    ASSERT_EQ(g_hls.hue, 0);
    ASSERT_EQ(g_hls.saturation, 240);
    ExpectBarRamp();
    ExpectMarker(false);
    ExpectSwatchShowsColour();
    Release(picker.left, picker.top);
    PaintPending();
    ExpectMarker(true);
}

TEST_F(PaintTest, LuminanceDragMovesTheArrowAndErasesTheOldOne) {
    Open(0, 255, 255);
    const RECT bar = Bar();
    const int x0 = ArrowTip(bar, 0).x;
    const int middle = bar.top + (bar.bottom - bar.top - 1) / 2;
    ASSERT_EQ(Pixel(x0, middle), kBlack);
    Press(x0 + 1, middle);
    Move(x0 + 1, bar.top);
    PaintPending();
    EXPECT_EQ(Pixel(x0, bar.top), kBlack);
    EXPECT_EQ(Pixel(x0, middle), GetSysColor(COLOR_BTNFACE));
    ExpectSwatchShowsColour();
    EXPECT_EQ(Rgb(), "255,255,255");
    Release(x0 + 1, bar.top);
}

}  // namespace

TEST_F(PaintTest, SeenSwatchesShowTheColourAsSeenWithEachDeficiency) {
    // The paper's matrices on red's and steel blue's linear light, worked by
    // hand (the colour model's table); named and valued for screen readers.
    const struct {
        int red, green, blue;
        const char* seen[3];  // protanopia, deuteranopia, tritanopia
    } cases[] = {
        {255, 0, 0, {"#6d5f00", "#a39000", "#ff000f"}},
        {70, 130, 180, {"#6c83b6", "#5d78b3", "#008e93"}},
    };
    const char* names[3] = {"As seen with protanopia", "As seen with deuteranopia",
                            "As seen with tritanopia"};
    for (const auto& c : cases) {
        Open(c.red, c.green, c.blue);
        for (int i = 0; i < 3; ++i) {
            const RECT r = ControlRect(IDC_SEEN_FIRST + i);
            const COLORREF pixel = Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            char hex[8];
            wsprintfA(hex, "#%02x%02x%02x", GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
            EXPECT_STREQ(hex, c.seen[i]);
            char text[kAccessibleTextSize];
            HWND swatch = GetDlgItem(dialog, IDC_SEEN_FIRST + i);
            ASSERT_TRUE(AccessibleName(swatch, text));
            EXPECT_STREQ(text, names[i]);
            ASSERT_TRUE(AccessibleValue(swatch, text));
            EXPECT_STREQ(text, c.seen[i]);
        }
    }
}

namespace {

// The pixels of a window, border included.
std::vector<COLORREF> WindowPixels(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    HDC dc = GetWindowDC(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom - r.top; ++y)
        for (int x = 0; x < r.right - r.left; ++x) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return pixels;
}

}  // namespace

// The fields a colour change rewrites look exactly as the edit's own paint of
// the whole window draws them; one whose border was drawn over and invalid at
// the same time gets its border back.
TEST_F(PaintTest, RewrittenFieldsLookAsTheEditsOwnPaintDrawsThem) {
    Open(251, 17, 153);
    HWND percent = GetDlgItem(dialog, IDC_PERCENT);
    RECT whole;
    GetWindowRect(percent, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    HDC dc = GetWindowDC(percent);
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(percent, dc);
    RedrawWindow(percent, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);

    // As a click on the button leaves it: the focus there, no field's caret.
    SetFocus(GetDlgItem(dialog, IDC_NEGAPOSI));
    SendMessageA(dialog, WM_COMMAND, IDC_NEGAPOSI, 0);
    PumpMessages();  // the message loop paints what is invalid
    ASSERT_EQ(Field(IDC_HEX6), "#04ee66");
    for (int id : {IDC_HEX6, IDC_HEX3, IDC_PERCENT, IDC_DEC_R, IDC_TRIPLE, IDC_HLS_H, IDC_CSS}) {
        HWND field = GetDlgItem(dialog, id);
        const std::vector<COLORREF> shown = WindowPixels(field);
        RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_TRUE(WindowPixels(field) == shown) << "field " << id;
    }
}
