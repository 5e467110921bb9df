// Picking from the screen with real mouse and keyboard input: a window of known
// colour blocks is picked live, the magnified view shows what is under the
// cursor, and Escape, a lost capture and a right click put the colour back.
#include <gtest/gtest.h>

#include <string>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "converter_state.h"
#include "dialog_driver.h"
#include "picture_geometry.h"
#include "picture_probe.h"
#include "resource.h"

namespace {

constexpr int kBlock = 40;
const COLORREF kBlocks[] = {RGB(200, 30, 40), RGB(30, 200, 60), RGB(20, 40, 220),
                            RGB(250, 250, 10)};
constexpr POINT kBlocksAt = {40, 40};  // clear of the converter, which is centred

// Presses that reached the blocks window: a pick must keep its clicks to itself.
int g_blockPresses;

LRESULT CALLBACK BlocksProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) ++g_blockPresses;
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    for (int i = 0; i < 4; ++i) {
        RECT block = {i * kBlock, 0, (i + 1) * kBlock, kBlock};
        HBRUSH brush = CreateSolidBrush(kBlocks[i]);
        FillRect(dc, &block, brush);
        DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
}

class ScreenPickTest : public PictureTest {
protected:
    void SetUp() override {
        WNDCLASSA blocksClass = {};
        blocksClass.lpfnWndProc = BlocksProc;
        blocksClass.hInstance = GetModuleHandleA(nullptr);
        blocksClass.lpszClassName = "PalorinTestBlocks";
        RegisterClassA(&blocksClass);
        blocks = CreateWindowExA(WS_EX_TOPMOST, "PalorinTestBlocks", "", WS_POPUP | WS_VISIBLE,
                                 kBlocksAt.x, kBlocksAt.y, 4 * kBlock, kBlock, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(blocks, nullptr);
        UpdateWindow(blocks);
        Open(10, 20, 30);
        SetForegroundWindow(dialog);
        PumpMessages();
    }
    void TearDown() override {
        Input(MOUSEEVENTF_LEFTUP);
        PictureTest::TearDown();
        DestroyWindow(blocks);
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
    // Real input, delivered before it returns.
    void Input(DWORD buttons) const {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = buttons;
        SendInput(1, &input, sizeof input);
        PumpMessages();
    }
    void MoveTo(POINT p) const {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        // Absolute positions run from 0 to 65535 across the primary screen.
        input.mi.dx =
            (p.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
        input.mi.dy =
            (p.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
        PumpMessages();
        POINT at;
        GetCursorPos(&at);
        ASSERT_EQ(at.x, p.x);
        ASSERT_EQ(at.y, p.y);
    }
    // A real key, through the dialog manager as the converter's modal loop has it.
    void PressKey(WORD key) const {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = key;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(dialog, &message)) DispatchMessageA(&message);
    }

    // Every field shows the colour the dialog holds, and it can be inverted.
    void ExpectFieldsFollow() {
        ExpectFieldsShow(dialog, ExpectedFields(color));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
    }

    // The middle block of the magnified view, whole, in this colour; and the block
    // `dx` blocks to its right in `right`.
    void ExpectView(COLORREF centre, int dx = 0, COLORREF right = 0) {
        PaintPending();
        const RECT c = MagnifiedCentre(Picker());
        const int block = c.right - c.left;
        ASSERT_GT(block, 4);
        for (POINT p : {POINT{c.left, c.top}, POINT{c.right - 1, c.top},
                        POINT{c.left, c.bottom - 1}, POINT{c.right - 1, c.bottom - 1},
                        POINT{(c.left + c.right) / 2, (c.top + c.bottom) / 2}})
            EXPECT_EQ(RgbOf(Pixel(p.x, p.y)), RgbOf(centre))
                << "view's middle block at " << p.x << "," << p.y;
        if (dx) {
            EXPECT_EQ(RgbOf(Pixel(c.left + dx * block + block / 2, (c.top + c.bottom) / 2)),
                      RgbOf(right))
                << "view block " << dx << " right of the middle";
        }
    }

    HWND blocks = nullptr;
};

TEST_F(ScreenPickTest, HeldPickFollowsTheScreenAndKeepsTheColourAtRelease) {
    MoveTo(SwatchPoint());
    Input(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(g_dragMode, DRAG_SCREEN);
    EXPECT_EQ(GetCapture(), dialog);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("block " + std::to_string(i));
        MoveTo(BlockPoint(i));
        EXPECT_EQ(Rgb(), RgbOf(kBlocks[i]));
        ExpectFieldsFollow();
        ExpectView(kBlocks[i]);
    }
    // Three pixels short of the next block: a shifted view would show it in the middle.
    MoveTo(BlockPoint(1, kBlock / 2 - 3));
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[1]));
    ExpectView(kBlocks[1], 3, kBlocks[2]);

    MoveTo(BlockPoint(2));
    // Off the screen nothing can be read: the colour stays, nothing is emptied.
    Move(-5000, -5000);
    EXPECT_EQ(Rgb(), RgbOf(kBlocks[2]));
    ExpectFieldsFollow();
    MoveTo(BlockPoint(2));
    Input(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
    EXPECT_EQ(GetCapture(), nullptr);
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
    Open(246, 5, 249);
    SetForegroundWindow(dialog);
    SetFieldText(dialog, IDC_HLS_S, "231");  // 200,120,231 gives 251,4,251, whose HLS differs
    const RECT picker = Picker();
    Press(picker.left + 30, picker.top + 30);
    Release(picker.left + 30, picker.top + 30);
    const std::string colourBefore = Rgb();
    const std::string hlsBefore = RgbText(g_hls.hue, g_hls.lightness, g_hls.saturation);
    SetFieldText(dialog, IDC_TRIPLE, "(1,2");  // rejected: the fields are empty
    for (const char* how : {"Escape", "lost capture"}) {
        SCOPED_TRACE(how);
        MoveTo(SwatchPoint());
        Input(MOUSEEVENTF_LEFTDOWN);
        MoveTo(BlockPoint(0));
        ASSERT_EQ(Rgb(), RgbOf(kBlocks[0]));
        if (std::string(how) == "Escape") {
            PressKey(VK_ESCAPE);
        } else {
            SetCapture(blocks);
            PumpMessages();
        }
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        EXPECT_TRUE(IsWindow(dialog)) << "Escape ends the pick, not the converter";
        EXPECT_EQ(Rgb(), colourBefore);
        EXPECT_EQ(RgbText(g_hls.hue, g_hls.lightness, g_hls.saturation), hlsBefore);
        EXPECT_EQ(FieldText(dialog, IDC_HLS_H) + "," + FieldText(dialog, IDC_HLS_L) + "," +
                      FieldText(dialog, IDC_HLS_S),
                  hlsBefore);
        ExpectFieldsShow(dialog, ExpectedFields(color), FieldGroupOf(IDC_HLS_H));
        Input(MOUSEEVENTF_LEFTUP);
        ReleaseCapture();
        EXPECT_EQ(Rgb(), colourBefore) << "the release after the pick picks nothing";
    }
}

TEST_F(ScreenPickTest, MenuPickFollowsMovesUntilAClick) {
    for (bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "left click" : "right click");
        Open(10, 20, 30);
        SetForegroundWindow(dialog);
        PumpMessages();
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
        ASSERT_EQ(g_dragMode, DRAG_SCREEN);
        g_blockPresses = 0;
        for (int i : {3, 1}) {
            MoveTo(BlockPoint(i));
            EXPECT_EQ(Rgb(), RgbOf(kBlocks[i]));
        }
        ExpectFieldsFollow();
        ExpectView(kBlocks[1]);
        Input(keep ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
        EXPECT_EQ(g_dragMode, DRAG_SCREEN) << "the pick ends at the button's release";
        Input(keep ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
        EXPECT_EQ(g_dragMode, DRAG_NONE);
        EXPECT_EQ(g_blockPresses, 0) << "the click went through to the window under it";
        EXPECT_EQ(Rgb(), keep ? RgbOf(kBlocks[1]) : std::string("10,20,30"));
        ExpectFieldsFollow();
        // Moves after the pick change nothing.
        MoveTo(BlockPoint(0));
        EXPECT_EQ(Rgb(), keep ? RgbOf(kBlocks[1]) : std::string("10,20,30"));
    }
}

TEST_F(ScreenPickTest, DestroyingTheDialogMidPickFreesTheCapture) {
    MoveTo(SwatchPoint());
    Input(MOUSEEVENTF_LEFTDOWN);
    ASSERT_EQ(GetCapture(), dialog);
    DestroyWindow(dialog);
    dialog = nullptr;
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
}

}  // namespace
