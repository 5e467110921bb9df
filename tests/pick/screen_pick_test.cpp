// The pick from the screen on its own, with an owner that records what it is
// told, driven with real input: the frozen screen and its covering window, the
// keys over a 1-pixel pattern, the zoom, every way a pick ends, and starts that
// fail or end at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "magnifier_geometry.h"
#include "pattern_window.h"
#include "real_input.h"
#include "screen_pick.h"

namespace {

// Every pixel of the pattern differs from its neighbours: red counts columns,
// green rows. The changed pattern is what a hover effect would make of it.
COLORREF Gradient(int x, int y) { return RGB(x, y, 0x80); }
COLORREF Hovered(int x, int y) { return RGB(255 - x, 255 - y, 0x20); }
constexpr POINT kPatternAt = {300, 200};
constexpr int kPatternSide = 200;

std::string Rgb(COLORREF c) {
    return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c));
}

struct Heard {
    std::vector<std::string> events;  // "moved x,y r,g,b", "kept ...", "restored"
    POINT point;
    COLORREF color;
    bool cancelAtMove;  // the owner cancels the pick when it hears of a move
    int reportsInOtherDpi;
};
Heard g_heard;

// The owner is unaware of DPI (see PickTest::SetUp), and hears of the pick so,
// whichever window passes the report on.
void NoteDpi() {
    if (!AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                      DPI_AWARENESS_CONTEXT_UNAWARE))
        ++g_heard.reportsInOtherDpi;
}

std::string Event(const char* what, POINT p, COLORREF c) {
    return std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y) + " " + Rgb(c);
}
void Moved(void*, POINT p, COLORREF c) {
    NoteDpi();
    g_heard.events.push_back(Event("moved", p, c));
    g_heard.point = p;
    g_heard.color = c;
    if (g_heard.cancelAtMove) CancelPick();
}
void Kept(void*, POINT p, COLORREF c) {
    NoteDpi();
    g_heard.events.push_back(Event("kept", p, c));
}
void Restored(void*) {
    NoteDpi();
    g_heard.events.push_back("restored");
}
const PickReport kReport = {nullptr, Moved, Kept, Restored, nullptr};

// An owner that, asked to stay above the cover, closes the pick before it has
// the keyboard, as the user's Alt+F4 or another program's WM_CLOSE might.
WNDPROC g_ownerProc;
bool g_closeWhenAbove;
LRESULT CALLBACK ClosingOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING && g_closeWhenAbove && PickWindow() &&
        reinterpret_cast<const WINDOWPOS*>(lParam)->hwndInsertAfter == HWND_TOPMOST)
        SendMessageA(PickWindow(), WM_CLOSE, 0, 0);
    return CallWindowProcA(g_ownerProc, window, message, wParam, lParam);
}

class PickTest : public testing::Test {
protected:
    void SetUp() override {
        g_heard = {};
        // An owner unaware of DPI, so that the pick's own awareness differs from it.
        dpiBefore = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_UNAWARE);
        ASSERT_NE(dpiBefore, nullptr);
        pattern = ShowPattern(
            {kPatternAt.x, kPatternAt.y, kPatternAt.x + kPatternSide, kPatternAt.y + kPatternSide},
            Gradient);
        ASSERT_NE(pattern, nullptr);
        // The owner: an ordinary window the user works in.
        owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 40, 40,
                                120, 80, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
        SetForegroundWindow(owner);
        DeliverInput();
    }
    void TearDown() override {
        AbandonPick();
        SetThreadDpiAwarenessContext(dpiBefore);
        RealButtons(MOUSEEVENTF_LEFTUP);
        DestroyWindow(owner);
        DestroyWindow(pattern);
    }
    static POINT At(int x, int y) { return {kPatternAt.x + x, kPatternAt.y + y}; }
    std::string Last() const { return g_heard.events.empty() ? "" : g_heard.events.back(); }

    // A held pick from a press on the owner, at `start`.
    void StartHeld(POINT start) {
        ASSERT_TRUE(RealMouseTo({60, 60}));
        RealButtons(MOUSEEVENTF_LEFTDOWN);
        SetCursor(Hand());
        ASSERT_TRUE(StartHeldPick(owner, kReport));
        ASSERT_TRUE(RealMouseTo(start));
    }
    void StartFrozen(POINT start) {
        ASSERT_TRUE(RealMouseTo(start));
        SetCursor(Hand());
        ASSERT_TRUE(StartFrozenPick(owner, kReport));
        DeliverInput();
    }

    // The cursor from before the pick, set by the test so that it is neither the
    // arrow of the windows around nor the pick's cross.
    static HCURSOR Hand() { return LoadCursorA(nullptr, IDC_HAND); }
    // What a pick that no longer lasts gives back: the cursor and the thread's
    // DPI awareness, and its window.
    void ExpectGivenBack() const {
        EXPECT_EQ(GetCursor(), Hand()) << "the cursor from before the pick";
        EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(),
                                                 DPI_AWARENESS_CONTEXT_UNAWARE))
            << "the thread's DPI awareness from before the pick";
        EXPECT_EQ(g_heard.reportsInOtherDpi, 0) << "reports outside the owner's DPI awareness";
        EXPECT_EQ(PickWindow(), nullptr);
        EXPECT_EQ(FindWindowA("PalorinPick", nullptr), nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
    }

    // The blocks across the painted magnifier: the width of the middle block.
    int PaintedBlock() const {
        const RECT area = {0, 0, 93, 93};
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, 93, -93, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        PaintPickMagnifier(dc, area);
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        const DWORD middle = pixels[46 * 93 + 46];
        int run = 0;
        for (int x = 0; x < 93; ++x) run += pixels[46 * 93 + x] == middle;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
        return run;
    }

    HWND pattern = nullptr;
    HWND owner = nullptr;
    DPI_AWARENESS_CONTEXT dpiBefore = nullptr;  // the test program's own, put back at the end
};

TEST_F(PickTest, AFrozenPickCoversTheScreenAndReadsThePictureAsItWas) {
    StartFrozen(At(10, 20));
    HWND cover = PickWindow();
    ASSERT_NE(cover, nullptr);
    RECT rect;
    GetWindowRect(cover, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_TRUE(IsWindowVisible(cover));
    EXPECT_EQ(GetCapture(), cover);
    EXPECT_EQ(GetForegroundWindow(), cover);
    EXPECT_EQ(Last(), Event("moved", At(10, 20), Gradient(10, 20))) << "the first point at once";
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(cover)),
              DPI_AWARENESS_PER_MONITOR_AWARE)
        << "the cover works in physical pixels";
    // The owner stays in view above the cover while the pick lasts.
    EXPECT_TRUE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    bool coverBelow = false;
    for (HWND w = GetWindow(owner, GW_HWNDNEXT); w && !coverBelow; w = GetWindow(w, GW_HWNDNEXT))
        coverBelow = w == cover;
    EXPECT_TRUE(coverBelow) << "the cover lies below the owner";

    // What the pattern shows changes under the mouse, as a hover effect would.
    ChangePattern(pattern, Hovered);
    ASSERT_TRUE(RealMouseTo(At(120, 70)));
    EXPECT_EQ(Last(), Event("moved", At(120, 70), Gradient(120, 70)));
    RealButtons(MOUSEEVENTF_LEFTDOWN);
    RealButtons(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Last(), Event("kept", At(120, 70), Gradient(120, 70)));
    EXPECT_EQ(PatternPresses(pattern), 0) << "the click reached the window under it";
    ExpectGivenBack();
    EXPECT_FALSE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), owner);
}

// A pick over a 1-pixel pattern, steered by the keys: one pixel, ten with Shift,
// the mouse pointer with it. A frozen pick keeps at Enter or Space; a held pick
// at the button's release, where the keys took it.
TEST_F(PickTest, ArrowsMoveOnePixelAndTenWithShift) {
    for (const char* how : {"held", "Enter", "Space"}) {
        SCOPED_TRACE(how);
        g_heard = {};
        const bool held = std::string(how) == "held";
        if (held)
            StartHeld(At(50, 50));
        else
            StartFrozen(At(50, 50));
        const struct {
            WORD key;
            bool shift;
            POINT to;
        } steps[] = {{VK_RIGHT, false, At(51, 50)}, {VK_DOWN, false, At(51, 51)},
                     {VK_LEFT, true, At(41, 51)},   {VK_UP, true, At(41, 41)},
                     {VK_RIGHT, true, At(51, 41)},  {VK_DOWN, true, At(51, 51)}};
        for (const auto& step : steps) {
            RealKey(step.key, step.shift);
            EXPECT_EQ(Last(), Event("moved", step.to,
                                    Gradient(step.to.x - kPatternAt.x, step.to.y - kPatternAt.y)));
            POINT cursor;
            GetCursorPos(&cursor);
            EXPECT_EQ(cursor.x, step.to.x) << "the pointer goes with the pick";
            EXPECT_EQ(cursor.y, step.to.y);
        }
        if (held) {
            RealKey(VK_RETURN);
            EXPECT_NE(PickWindow(), nullptr) << "a held pick ends at the release";
            RealButtons(MOUSEEVENTF_LEFTUP);
        } else {
            RealKey(std::string(how) == "Enter" ? VK_RETURN : VK_SPACE);
        }
        EXPECT_EQ(Last(), Event("kept", At(51, 51), Gradient(51, 51)));
        EXPECT_EQ(PickWindow(), nullptr);
    }
}

TEST_F(PickTest, TheKeysAndTheWheelZoomFromFiveToThirtyOnePixels) {
    StartFrozen(At(100, 100));
    ASSERT_EQ(PaintedBlock(), 93 / 11);
    const struct {
        const char* what;
        WORD key;  // 0: the wheel
        int wheel;
        int across;
    } steps[] = {{"+", VK_OEM_PLUS, 0, 9},
                 {"keypad +", VK_ADD, 0, 7},
                 {"wheel forward", 0, 120, 5},
                 {"closest already", 0, 120, 5},
                 {"-", VK_OEM_MINUS, 0, 7},
                 {"keypad -", VK_SUBTRACT, 0, 9},
                 {"wheel back", 0, -120, 11},
                 {"half a notch", 0, -60, 11},
                 {"the other half", 0, -60, 15},
                 {"two notches back", 0, -240, 31},
                 {"farthest already", VK_OEM_MINUS, 0, 31}};
    for (const auto& step : steps) {
        if (step.key)
            RealKey(step.key);
        else
            RealWheel(step.wheel);
        EXPECT_EQ(PaintedBlock(), 93 / step.across) << step.what;
    }
    RealKey(VK_ESCAPE);
    EXPECT_EQ(Last(), "restored");
    // The next pick starts at the start zoom again.
    StartFrozen(At(100, 100));
    EXPECT_EQ(PaintedBlock(), 93 / kStartZoom);
}

TEST_F(PickTest, EveryWayOfLeavingPutsTheColourBackAndLeavesNothing) {
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 40, 60, 60,
                                 nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* what;
        bool held;
        void (*leave)(HWND other);
    } cases[] = {
        {"Escape, frozen", false, [](HWND) { RealKey(VK_ESCAPE); }},
        {"Escape, held", true, [](HWND) { RealKey(VK_ESCAPE); }},
        {"right click", false,
         [](HWND) {
             RealButtons(MOUSEEVENTF_RIGHTDOWN);
             RealButtons(MOUSEEVENTF_RIGHTUP);
         }},
        {"another window activated, frozen", false, [](HWND w) { SetForegroundWindow(w); }},
        {"another window activated, held", true, [](HWND w) { SetForegroundWindow(w); }},
        {"capture taken, frozen", false, [](HWND w) { SetCapture(w); }},
        {"capture taken, held", true, [](HWND w) { SetCapture(w); }},
        {"Alt+F4 on the cover", false, [](HWND) { SendMessageA(PickWindow(), WM_CLOSE, 0, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_heard = {};
        SetForegroundWindow(owner);
        if (c.held)
            StartHeld(At(30, 30));
        else
            StartFrozen(At(30, 30));
        HWND window = PickWindow();
        ASSERT_NE(window, nullptr);
        const size_t before = g_heard.events.size();
        c.leave(other);
        DeliverInput();
        EXPECT_EQ(Last(), "restored");
        EXPECT_EQ(g_heard.events.size(), before + 1) << "one end, nothing more";
        EXPECT_FALSE(IsWindow(window));
        EXPECT_NE(GetCapture(), window);
        ReleaseCapture();
        ExpectGivenBack();
        RealButtons(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(g_heard.events.size(), before + 1) << "nothing after the end";
    }
    DestroyWindow(other);
}

// A key held down from before the pick, as the Enter that started the
// command-line program may be, does nothing while it repeats; a key pressed
// during the pick acts, and so do its repeats.
TEST_F(PickTest, OnlyKeysPressedDuringThePickAct) {
    StartFrozen(At(50, 50));
    // The keyboard's repeats, which Wine's SendInput does not make: the key was
    // down before this message.
    const auto repeat = [](WORD key) {
        PostMessageA(PickWindow(), WM_KEYDOWN, key, 1 | (KF_REPEAT << 16));
        DeliverInput();
    };
    repeat(VK_RETURN);
    EXPECT_NE(PickWindow(), nullptr) << "the held Enter kept a colour";
    repeat(VK_RIGHT);
    EXPECT_EQ(Last(), Event("moved", At(50, 50), Gradient(50, 50))) << "nor do held arrows move";
    RealKeyDown(VK_RIGHT);
    repeat(VK_RIGHT);
    RealKeyUp(VK_RIGHT);
    EXPECT_EQ(Last(), Event("moved", At(52, 50), Gradient(52, 50)));
    RealKey(VK_RETURN);
    EXPECT_EQ(Last(), Event("kept", At(52, 50), Gradient(52, 50)));
}

// A start that fails, or a pick that ends while it starts, leaves nothing taken
// and says so: the start is false, and an owner told of a move is told the end.
TEST_F(PickTest, AStartThatFailsOrEndsAtOnceLeavesNothing) {
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    DestroyWindow(gone);
    g_ownerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClosingOwnerProc)));
    const struct {
        const char* what;
        bool held;
        HWND owner;
        bool closeWhenAbove, cancelAtMove;
        size_t events;  // a move and the end, or nothing
    } cases[] = {
        {"held, for an owner already gone", true, gone, false, false, 0},
        {"frozen, closed as it shows", false, owner, true, false, 1},
        {"frozen, cancelled at its first report", false, owner, false, true, 2},
        {"held, cancelled at its first report", true, owner, false, true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_heard = {};
        g_heard.cancelAtMove = c.cancelAtMove;
        g_closeWhenAbove = c.closeWhenAbove;
        SetForegroundWindow(owner);
        ASSERT_TRUE(RealMouseTo(At(30, 30)));
        SetCursor(Hand());
        EXPECT_FALSE(c.held ? StartHeldPick(c.owner, kReport) : StartFrozenPick(c.owner, kReport));
        DeliverInput();
        EXPECT_EQ(g_heard.events.size(), c.events);
        EXPECT_EQ(Last(), c.events ? "restored" : "");
        ExpectGivenBack();
        EXPECT_FALSE(GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(GetForegroundWindow(), owner);
    }
    g_closeWhenAbove = false;
}

}  // namespace

// Red alternates 0 and 255 like a chess board, green steps 0, 100, 200 with the
// column: around (100, 100), whose red is 0, four of nine pixels are red, 113.3
// on average, and of 25 twelve, 122.4; green averages 100 in both.
COLORREF Checker(int x, int y) { return RGB((x + y) % 2 ? 255 : 0, x % 3 * 100, 10); }

TEST_F(PickTest, TheAKeyAveragesSquaresOfThreeToFifteenPixelsAndBackToOne) {
    ChangePattern(pattern, Checker);
    SetPickAverage(1);
    StartFrozen(At(100, 100));
    EXPECT_EQ(Last(), Event("moved", At(100, 100), RGB(0, 100, 10)));
    RealKey('A');
    EXPECT_EQ(Last(), Event("moved", At(100, 100), RGB(113, 100, 10)));
    RealKey('A');
    EXPECT_EQ(Last(), Event("moved", At(100, 100), RGB(122, 100, 10)));
    RealKey(VK_RETURN);
    EXPECT_EQ(Last(), Event("kept", At(100, 100), RGB(122, 100, 10)));
    // Kept for the next pick; after 15 comes one pixel again.
    EXPECT_EQ(PickAverage(), 5);
    StartFrozen(At(100, 100));
    EXPECT_EQ(Last(), Event("moved", At(100, 100), RGB(122, 100, 10)));
    for (int side = 7; side <= 15; side += 2) RealKey('A');
    EXPECT_EQ(PickAverage(), 15);
    RealKey('A');
    EXPECT_EQ(Last(), Event("moved", At(100, 100), RGB(0, 100, 10)));
    RealKey(VK_ESCAPE);
    SetPickAverage(1);
}
