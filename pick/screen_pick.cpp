// The start and the end of a pick from the screen (see screen_pick.h). Whatever
// ends a pick, one teardown gives back the capture, the keyboard, the window,
// the picture and the cursor; an end asked for while the pick starts waits for
// the start to be through. The thread's DPI awareness is the owner's
// throughout: the frozen pick's window is per-monitor aware, and so is each
// call that needs physical pixels, for its own length.
#include "screen_pick.h"

#include "magnifier_geometry.h"
#include "magnifier_paint.h"
#include "physical_pixels.h"
#include "pick_session.h"

PickSession g_pickSession = {};
int g_pickAverage = 1;

namespace {

// The reports run in the owner's DPI awareness, whichever window passed them on.
void ReportMoved() {
    PickSession& pick = g_pickSession;
    pick.color = PickColorAt(pick.point);
    DPI_AWARENESS_CONTEXT passedOn = SwitchDpiAwareness(pick.ownerDpi);
    pick.report.moved(pick.report.context, pick.point, pick.color);
    SwitchDpiAwareness(passedOn);
    // A screen reader hears the colour a pick would keep, as it changes.
    if (pick.window) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, pick.window, OBJID_CLIENT, CHILDID_SELF);
}

void ReportEnd(const PickSession& ended, bool keep, COLORREF color) {
    DPI_AWARENESS_CONTEXT passedOn = SwitchDpiAwareness(ended.ownerDpi);
    if (keep)
        ended.report.kept(ended.report.context, ended.point, color);
    else
        ended.report.restored(ended.report.context);
    SwitchDpiAwareness(passedOn);
}

// The keyboard goes back where it was only while the pick still has it: a user
// who left for another window stays there.
void GiveBackKeyboard(const PickSession& ended) {
    if (ended.frozen) {
        if (ended.previousForeground && GetForegroundWindow() == ended.window)
            SetForegroundWindow(ended.previousForeground);
    } else if (GetFocus() == ended.window && IsWindow(ended.previousFocus)) {
        SetFocus(ended.previousFocus);
    }
}

// Wine lets go of the X server's pointer grab when a program moves the pointer
// while a button is held: a held pick would then hear neither the mouse over
// other programs' windows nor the button's release. Wine keeps a grab of its own
// while the cursor is clipped to less than the screen, so the keys of a held
// pick clip it to all but the screen's bottom row. Windows needs none of this.
bool RunsOnWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

RECT KeyMoveArea(PickSession& pick) {
    if (pick.frozen) return pick.picture.area;
    RECT screen = VirtualScreenRect();
    if (!pick.grabKept && RunsOnWine()) {
        RECT clip = screen;
        --clip.bottom;
        DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
        pick.grabKept = ClipCursor(&clip) != FALSE;
        LeavePhysicalPixels(previous);
    }
    if (pick.grabKept) --screen.bottom;
    return screen;
}

// `ended` is the session as it was; g_pickSession already says no pick lasts,
// so the messages this sends find nothing to end. A null window is already gone.
void TearDown(PickSession& ended) {
    if (ended.window) {
        if (GetCapture() == ended.window) ReleaseCapture();
        GiveBackKeyboard(ended);
    }
    if (ended.keepAbove && !ended.keepAboveWasTopmost && IsWindow(ended.keepAbove))
        SetWindowPos(ended.keepAbove, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (ended.grabKept) ClipCursor(nullptr);
    if (ended.window) DestroyWindow(ended.window);
    ThawScreen(&ended.picture);
    if (ended.cursorTaken) SetCursor(ended.previousCursor);
}

// The covering window takes the keyboard. A console program (palorin-cli) is
// not the foreground process, whose window the platform then keeps in front;
// sharing that window's input state for a moment lets the cover take its place.
void TakeForeground(HWND window) {
    if (SetForegroundWindow(window) && GetForegroundWindow() == window) return;
    HWND foreground = GetForegroundWindow();
    const DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD ours = GetCurrentThreadId();
    if (!theirs || theirs == ours || !AttachThreadInput(theirs, ours, TRUE)) return;
    SetForegroundWindow(window);
    AttachThreadInput(theirs, ours, FALSE);
}

bool StillStarting() { return g_pickSession.endWaiting == PICK_END_NONE; }

// Takes the mouse and the keyboard and reads the first point, at the cursor.
// Each step may end the pick: another window taking the focus back, the owner
// cancelling at the first report.
void Begin() {
    PickSession& pick = g_pickSession;
    if (!pick.frozen) pick.previousFocus = GetFocus();
    SetFocus(pick.window);
    if (StillStarting()) SetCapture(pick.window);
    if (!StillStarting()) return;
    pick.previousCursor = SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    pick.cursorTaken = true;
    if (!PhysicalCursorPos(&pick.point))
        pick.point = {pick.picture.area.left, pick.picture.area.top};
    ReportMoved();
}

// An end asked for while the pick starts waits for the start to be through;
// an owner going away has the last word.
void WaitForStart(PickEndWaiting end) {
    if (end == PICK_END_SILENT || g_pickSession.endWaiting == PICK_END_NONE)
        g_pickSession.endWaiting = end;
}

// Ends the pick that lasts and returns it as it was; g_pickSession says no
// pick lasts before anything is given back. `windowGone`: someone else is
// destroying the pick's window.
PickSession Finish(bool windowGone) {
    PickSession ended = g_pickSession;
    g_pickSession = {};
    if (windowGone) ended.window = nullptr;
    TearDown(ended);
    return ended;
}

// True if the pick lasts once its start is through; else it ends now, as was asked.
bool FinishStart() {
    g_pickSession.starting = false;
    const PickEndWaiting end = g_pickSession.endWaiting;
    if (end == PICK_END_NONE) return true;
    const PickSession ended = Finish(g_pickSession.windowGone);
    if (end == PICK_END_RESTORED) ReportEnd(ended, false, CLR_INVALID);
    return false;
}

PickSession NewSession(const PickReport& report) {
    PickSession pick = {};
    pick.report = report;
    pick.across = kStartZoom;
    pick.ownerDpi = ThreadDpiAwareness();
    return pick;
}

}  // namespace

namespace {

COLORREF PixelAt(POINT point) {
    return g_pickSession.frozen ? FrozenPixel(g_pickSession.picture, point) : ReadLivePixel(point);
}

}  // namespace

COLORREF PickColorAt(POINT point) {
    const int half = g_pickAverage / 2;
    if (half == 0) return PixelAt(point);
    int sum[3] = {0, 0, 0}, count = 0;
    for (int dy = -half; dy <= half; ++dy) {
        for (int dx = -half; dx <= half; ++dx) {
            const COLORREF pixel = PixelAt({point.x + dx, point.y + dy});
            if (pixel == CLR_INVALID) continue;
            sum[0] += GetRValue(pixel);
            sum[1] += GetGValue(pixel);
            sum[2] += GetBValue(pixel);
            ++count;
        }
    }
    if (count == 0) return CLR_INVALID;
    // The mean rounded half up: (2 sum + count) / (2 count).
    int mean[3];
    for (int i = 0; i < 3; ++i) mean[i] = (2 * sum[i] + count) / (2 * count);
    return RGB(mean[0], mean[1], mean[2]);
}

int PickAverage() { return g_pickAverage; }

void SetPickAverage(int side) { g_pickAverage = side >= 1 && side <= 15 && side % 2 == 1 ? side : 1; }

bool StartHeldPick(HWND owner, const PickReport& report) {
    if (g_pickSession.window) return false;
    PickSession pick = NewSession(report);
    pick.window = CreatePickWindow(owner, {});
    if (!pick.window) {
        TearDown(pick);
        return false;
    }
    pick.starting = true;
    g_pickSession = pick;
    Begin();
    return FinishStart();
}

bool StartFrozenPick(HWND keepAbove, const PickReport& report) {
    if (g_pickSession.window) return false;
    PickSession pick = NewSession(report);
    pick.frozen = true;
    const RECT screen = VirtualScreenRect();
    // Per-monitor aware, the cover's place, size and mouse messages are physical pixels.
    DPI_AWARENESS_CONTEXT previous = EnterPhysicalPixels();
    const bool made = FreezeScreen(screen, &pick.picture) &&
                      (pick.window = CreatePickWindow(nullptr, screen)) != nullptr;
    LeavePhysicalPixels(previous);
    if (!made) {
        TearDown(pick);
        return false;
    }
    pick.keepAbove = keepAbove;
    pick.keepAboveWasTopmost =
        keepAbove && (GetWindowLongPtrA(keepAbove, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    pick.previousForeground = GetForegroundWindow();
    pick.starting = true;
    g_pickSession = pick;

    // The picture is the screen as it is, so showing it changes nothing visible.
    ShowWindow(pick.window, SW_SHOW);
    UpdateWindow(pick.window);
    if (keepAbove)
        SetWindowPos(keepAbove, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (StillStarting()) TakeForeground(pick.window);
    if (StillStarting()) Begin();
    return FinishStart();
}

HWND PickWindow() { return g_pickSession.window; }

void PickMoveTo(POINT point) {
    PickSession& pick = g_pickSession;
    if (!pick.window || (point.x == pick.point.x && point.y == pick.point.y)) return;
    pick.point = point;
    ReportMoved();
}

// The mouse pointer goes with the point; the move it makes then finds the
// point already there.
void PickMoveBy(int dx, int dy) {
    PickSession& pick = g_pickSession;
    if (!pick.window) return;
    pick.point = MovePointOnScreen(pick.point, dx, dy, KeyMoveArea(pick));
    MoveCursorToPhysical(pick.point);
    ReportMoved();
}

void PickZoom(bool closer) {
    if (!g_pickSession.window) return;
    g_pickSession.across = NextZoom(g_pickSession.across, closer);
    ReportMoved();
}

void PickNextAverage() {
    if (!g_pickSession.window) return;
    g_pickAverage = g_pickAverage >= 15 ? 1 : g_pickAverage + 2;
    ReportMoved();
}

void PickEnd(bool keep) {
    if (!g_pickSession.window) return;
    if (g_pickSession.starting) {
        WaitForStart(PICK_END_RESTORED);  // nothing has been picked yet
        return;
    }
    // Read again at the end: a release keeps the pixel under the release itself,
    // before the picture goes.
    const COLORREF color = keep ? PickColorAt(g_pickSession.point) : CLR_INVALID;
    ReportEnd(Finish(false), keep, color);
}

void PickWindowGone() {
    if (!g_pickSession.window) return;
    if (g_pickSession.starting) {
        g_pickSession.windowGone = true;
        WaitForStart(PICK_END_RESTORED);
        return;
    }
    ReportEnd(Finish(true), false, CLR_INVALID);
}

void CancelPick() { PickEnd(false); }

void AbandonPick() {
    if (!g_pickSession.window) return;
    if (g_pickSession.starting)
        WaitForStart(PICK_END_SILENT);
    else
        Finish(false);
}

void PaintPickMagnifier(HDC dc, const RECT& area) {
    const PickSession& pick = g_pickSession;
    if (!pick.window) return;
    PaintMagnifier(dc, area, pick.across, pick.point, pick.color, g_pickAverage,
                   pick.frozen ? &pick.picture : nullptr);
}
