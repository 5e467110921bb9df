// Times what a user feels while working in the converter: one accepted keystroke
// (the field change, every field it rewrites and the repaint of what it
// invalidated), one mouse move while dragging on the picker or the bar, one move
// of a pick from the screen, held (the live screen) and by menu (the frozen one),
// each with the read, the fields and the magnified view, and the start of a pick
// by menu (the screen taken and shown, the first frame painted). The keystroke
// is compared with one change of the red field of the platform's own colour
// dialog, in the same process, alternating the two in rounds; a move of a pick by
// menu with a picker drag move. And the palette: opening one of 500 colours and
// showing it, and adding a colour to it with Add, the file written and the list
// shown.
// Usage: interaction_bench [rounds] [keystrokes per round] [moves per round]
//        interaction_bench count
// The second form does a few of each with marks between them, for counting the
// requests that reach the window server (WINEDEBUG=+server, bench/count-requests.sh).
#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "color_record.h"
#include "main_dialog.h"
#include "palette_commands.h"
#include "palette_files.h"
#include "resource.h"
#include "screen_pick.h"

namespace {

// Colour dialog field ids (red edit) and the pseudo-random colour sequence.
constexpr int kPeerRedField = 706;

// Changes of each kind between the marks of a count.
constexpr int kCountedChanges = 20;

unsigned g_seed = 12345;
unsigned NextColour() {
    g_seed = g_seed * 1103515245 + 12345;
    return (g_seed >> 8) & 0xFFFFFF;
}

// A request the server log shows with its name, between the parts counted.
void Mark(const char* what) {
    const ATOM atom = GlobalAddAtomA(what);
    if (atom) GlobalDeleteAtom(atom);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// One accepted change of field `id` per colour: the decimal red field is the
// counterpart of the peer's red field; the #RRGGBB field changes every channel.
std::vector<double> TimePalorinKeystrokes(HWND dialog, int id, int count) {
    std::vector<double> times;
    char text[16];
    // The user types where the caret is.
    SetFocus(GetDlgItem(dialog, id));
    for (int i = 0; i < count; ++i) {
        unsigned rgb = NextColour();
        if (id == IDC_HEX6)
            wsprintfA(text, "#%06x", rgb);
        else
            wsprintfA(text, "%u", rgb >> 16);
        double start = NowMs();
        SetDlgItemTextA(dialog, id, text);
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
    }
    return times;
}

struct PeerRun {
    int count;
    std::vector<double> times;
    bool marked;  // counting: the changes stand between marks of their own
};
PeerRun* g_peerRun;

// Runs inside the colour dialog's modal loop. (A hook would be simpler, but with
// a hook installed Wine's dialog ignores its own red field.)
void CALLBACK TimeInsidePeer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Color");
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    SetFocus(GetDlgItem(dialog, kPeerRedField));
    FlushPaint(dialog);
    char text[16];
    if (g_peerRun->marked) Mark("palorin-count-peer-red");
    for (int i = 0; i < g_peerRun->count; ++i) {
        wsprintfA(text, "%u", NextColour() >> 16);
        double start = NowMs();
        SetDlgItemTextA(dialog, kPeerRedField, text);
        FlushPaint(dialog);
        g_peerRun->times.push_back(NowMs() - start);
    }
    if (g_peerRun->marked) Mark("palorin-count-end");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::vector<double> TimePeerKeystrokes(int count, bool marked = false) {
    static COLORREF custom[16];
    PeerRun run = {count, {}, marked};
    g_peerRun = &run;
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.rgbResult = RGB(0, 128, 255);
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT;
    SetTimer(nullptr, 0, 10, TimeInsidePeer);
    ChooseColorA(&choose);
    return run.times;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Presses at `press` inside the dialog, moves `count` times across `area` and
// releases; returns the time of each move.
std::vector<double> TimeDrag(HWND dialog, POINT press, RECT area, int count) {
    std::vector<double> times;
    int width = area.right - area.left, height = area.bottom - area.top;
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    FlushPaint(dialog);
    for (int i = 0; i < count; ++i) {
        unsigned r = NextColour();
        int x = area.left + static_cast<int>(r % width),
            y = area.top + static_cast<int>((r >> 12) % height);
        double start = NowMs();
        SendMessageA(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
    }
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
    PumpMessages();
    return times;
}

// A window of small blocks in many colours, so that every pick move over it
// takes a new colour and rewrites the fields, as picking from a photograph would.
constexpr int kMosaicBlock = 6, kMosaicSide = 240;

LRESULT CALLBACK MosaicProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    for (int y = 0; y < kMosaicSide; y += kMosaicBlock)
        for (int x = 0; x < kMosaicSide; x += kMosaicBlock) {
            RECT block = {x, y, x + kMosaicBlock, y + kMosaicBlock};
            unsigned rgb = NextColour();
            HBRUSH brush = CreateSolidBrush(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
            FillRect(dc, &block, brush);
            DeleteObject(brush);
        }
    EndPaint(window, &paint);
    return 0;
}

HWND ShowMosaic() {
    WNDCLASSA mosaicClass = {};
    mosaicClass.lpfnWndProc = MosaicProc;
    mosaicClass.hInstance = GetModuleHandleA(nullptr);
    mosaicClass.lpszClassName = "PalorinBenchMosaic";
    RegisterClassA(&mosaicClass);
    HWND mosaic = CreateWindowExA(WS_EX_TOPMOST, "PalorinBenchMosaic", "", WS_POPUP | WS_VISIBLE, 0,
                                  0, kMosaicSide, kMosaicSide, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (mosaic) UpdateWindow(mosaic);
    return mosaic;
}

RECT ControlArea(HWND dialog, int id) {
    RECT rect;
    HWND control = GetDlgItem(dialog, id);
    GetClientRect(control, &rect);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// One pick over the mosaic (screen coordinates), held from the swatch or by
// menu; returns the time of each move. The pointer is moved before the clock
// starts: that is the user's part.
std::vector<double> TimePickMoves(HWND dialog, bool byMenu, RECT mosaic, int count) {
    std::vector<double> times;
    if (byMenu) {
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
    } else {
        const POINT swatch = Centre(ControlArea(dialog, IDC_SWATCH));
        SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(swatch.x, swatch.y));
    }
    FlushPaint(dialog);
    HWND window = PickWindow();
    if (!window) return times;
    const int width = mosaic.right - mosaic.left, height = mosaic.bottom - mosaic.top;
    for (int i = 0; i < count; ++i) {
        unsigned r = NextColour();
        int x = mosaic.left + static_cast<int>(r % width),
            y = mosaic.top + static_cast<int>((r >> 12) % height);
        SetCursorPos(x, y);
        double start = NowMs();
        SendMessageA(window, WM_MOUSEMOVE, byMenu ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
        PumpMessages();  // the pointer's own move, which finds the pick there already
    }
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    return times;
}

// From the menu command to the frozen screen shown and the converter's first
// frame of the pick painted.
std::vector<double> TimePickStarts(HWND dialog, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        double start = NowMs();
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
        HWND cover = PickWindow();
        if (!cover) break;
        FlushPaint(cover);
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
        SendMessageA(cover, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpMessages();
    }
    return times;
}

// A GIMP palette of `count` named colours in a new folder of its own, as a
// large palette of a user's would be; its path, or "" when it couldn't be written.
constexpr int kLargePalette = 500;

std::string WriteLargePalette(int count) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "palorin-bench-" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryA(path.c_str(), nullptr)) return "";
    path += "\\large.gpl";
    std::string bytes = "GIMP Palette\nName: Large\nColumns: 10\n#\n";
    char line[64];
    for (int i = 0; i < count; ++i) {
        const unsigned rgb = NextColour();
        wsprintfA(line, "%3u %3u %3u\tColour %d\n", rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF, i + 1);
        bytes += line;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    const bool whole = file != INVALID_HANDLE_VALUE &&
                       WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return whole ? path : "";
}

void RemoveLargePalette(const std::string& path) {
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.substr(0, path.rfind('\\')).c_str());
}

// From the palette's file to the list shown: read, the palette replaced, the
// list painted.
std::vector<double> TimePaletteOpens(HWND dialog, const std::string& path, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        double start = NowMs();
        if (!OpenPaletteFile(dialog, path.c_str(), true)) break;
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
    }
    return times;
}

// Add pressed on a colour the palette hasn't: the line added, the whole file
// written and flushed, the list painted. Each is removed again, untimed, so
// that the palette keeps its size.
std::vector<double> TimePaletteAdds(HWND dialog, ColorRecord* color, int count) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const unsigned rgb = NextColour();
        *color = {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16), 0};
        double start = NowMs();
        SendDlgItemMessageA(dialog, IDC_PALETTE_ADD, BM_CLICK, 0, 0);
        FlushPaint(dialog);
        times.push_back(NowMs() - start);
        RunPaletteMenuCommand(dialog, 0, IDM_REMOVE);
        FlushPaint(dialog);
    }
    return times;
}

void Report(const char* what, const std::vector<double>& times, const char* goal) {
    double median = Median(times);
    std::printf("%-34s median %7.3f ms  (%zu samples, %.0f per second)%s\n", what, median,
                times.size(), median > 0 ? 1000.0 / median : 0.0, goal);
}

void Append(std::vector<double>& all, const std::vector<double>& more) {
    all.insert(all.end(), more.begin(), more.end());
}

// Each kind of change a few times, between marks; the same colours every run.
void CountRequests(HWND dialog, ColorRecord* color) {
    const RECT pickerArea = ControlArea(dialog, IDC_PICKER);
    TimePalorinKeystrokes(dialog, IDC_DEC_R, 5);  // warm
    Mark("palorin-count-dec-r");
    TimePalorinKeystrokes(dialog, IDC_DEC_R, kCountedChanges);
    Mark("palorin-count-hex6");
    TimePalorinKeystrokes(dialog, IDC_HEX6, kCountedChanges);
    Mark("palorin-count-picker-drag");
    TimeDrag(dialog, Centre(pickerArea), pickerArea, kCountedChanges);
    Mark("palorin-count-end");
    const std::string large = WriteLargePalette(kLargePalette);
    if (!large.empty() && OpenPaletteFile(dialog, large.c_str(), true)) {
        Mark("palorin-count-add-remove");
        TimePaletteAdds(dialog, color, kCountedChanges);
    }
    Mark("palorin-count-end");
    if (!large.empty()) RemoveLargePalette(large);
    TimePeerKeystrokes(kCountedChanges, true);
}

}  // namespace

int main(int argc, char** argv) {
    const bool counting = argc > 1 && lstrcmpA(argv[1], "count") == 0;
    int rounds = argc > 1 ? std::atoi(argv[1]) : 10;
    int keystrokes = argc > 2 ? std::atoi(argv[2]) : 100;
    int moves = argc > 3 ? std::atoi(argv[3]) : 100;

    ColorRecord color = {};
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                     MainDlgProc, reinterpret_cast<LPARAM>(&color));
    if (!dialog) {
        std::printf("the converter did not open: %lu\n", GetLastError());
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    FlushPaint(dialog);
    PumpMessages();
    if (counting) {
        CountRequests(dialog, &color);
        DestroyWindow(dialog);
        return 0;
    }

    HWND mosaic = ShowMosaic();
    RECT mosaicArea;
    GetWindowRect(mosaic, &mosaicArea);
    const RECT pickerArea = ControlArea(dialog, IDC_PICKER),
               barArea = ControlArea(dialog, IDC_LUMBAR);
    const std::string large = WriteLargePalette(kLargePalette);
    std::vector<double> palorin, palorinAll, peer, picker, bar, held, byMenu, starts, opens, adds;
    for (int round = 0; round < rounds; ++round) {
        Append(palorin, TimePalorinKeystrokes(dialog, IDC_DEC_R, keystrokes));
        Append(palorinAll, TimePalorinKeystrokes(dialog, IDC_HEX6, keystrokes));
        Append(peer, TimePeerKeystrokes(keystrokes));
        Append(picker, TimeDrag(dialog, Centre(pickerArea), pickerArea, moves));
        Append(bar, TimeDrag(dialog, Centre(barArea), barArea, moves));
        Append(held, TimePickMoves(dialog, false, mosaicArea, moves));
        Append(byMenu, TimePickMoves(dialog, true, mosaicArea, moves));
        Append(starts, TimePickStarts(dialog, 5));
        if (large.empty()) continue;
        Append(opens, TimePaletteOpens(dialog, large, 10));
        Append(adds, TimePaletteAdds(dialog, &color, 20));
    }
    DestroyWindow(dialog);
    DestroyWindow(mosaic);
    if (!large.empty()) RemoveLargePalette(large);

    Report("keystroke, Palorin red field", palorin, "  goal < 8 ms");
    Report("keystroke, platform colour dialog", peer, "");
    Report("keystroke, Palorin #RRGGBB field", palorinAll, "  (every channel changes)");
    std::printf("%-34s %7.2f  goal <= 1.5\n", "keystroke ratio Palorin / peer",
                Median(palorin) / Median(peer));
    std::printf("%-34s %7.2f\n", "keystroke ratio #RRGGBB / peer",
                Median(palorinAll) / Median(peer));
    Report("picker drag move", picker, "  goal < 3 ms");
    Report("luminance bar drag move", bar, "  goal < 8 ms");
    Report("held pick move (live screen)", held, "  goal < 8 ms");
    Report("pick move by menu (frozen screen)", byMenu, "  goal < 8 ms");
    std::printf("%-34s %7.2f  goal <= 1.0\n", "pick move by menu / picker drag move",
                Median(byMenu) / Median(picker));
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN),
              height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::printf("%-34s median %7.3f ms  (%zu samples, %dx%d screen)  goal < 100 ms\n",
                "pick by menu, start", Median(starts), starts.size(), width, height);
    Report("open a 500-colour palette, shown", opens, "  goal < 50 ms");
    Report("add to it, file written, shown", adds, "  goal < 16.7 ms (a 60 Hz frame)");
    return byMenu.empty() || starts.empty() || opens.empty() || adds.empty() ? 1 : 0;
}
