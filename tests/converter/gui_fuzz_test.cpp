// Random user input on the real converter: typing, deleting, pasting, Enter,
// "Nega / Posi", presses and drags on the picker and the luminance bar, picks
// from the screen, held and by menu, with moves, arrows, zoom and every way of
// ending them, the dialog destroyed among them, and the palette: Add, a click
// on a colour, Delete, Compare, Ctrl+Z, Open and Save (by the functions behind
// their dialogs), the palette's folder taken away and given back, and another
// program adding to the palette's file behind the converter's back. After every
// action the dialog must be in one of its two consistent states, the swatch must show
// the colour and the contrast line its contrast, and when no pick lasts nothing
// of one is left: no capture, no pick window, no confined cursor. After every
// action that may change the palette, its file holds what the list shows
// (unless the last write failed) with every colour the other program added,
// and a run of failed writes said so once.
// Seeded and reproducible: a failure prints the seed and the actions that led
// to it.
//   gui_fuzz_test [--seed=N] [--actions=N]   (plus the usual GoogleTest flags)
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "contrast.h"
#include "converter_fields.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "field_refresh.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "hls.h"
#include "main_dialog.h"
#include "message_boxes.h"
#include "named_colors.h"
#include "notation_format.h"
#include "palette_commands.h"
#include "palette_files.h"
#include "palette_view.h"
#include "resource.h"
#include "screen_pick.h"
#include "test_folder.h"

namespace {

unsigned g_seed = 20261208;
// Enough for every kind of action two hundred times over (some 40 kinds), in
// about three minutes on a quiet machine and well under ten on a busy one:
// each change of a palette with a file writes it to disk. Longer runs:
// --actions=N.
int g_actionCount = 10000;

const char kTypedCharacters[] = "0123456789abcdefABCDEF#(),%gxyz ";

// The field whose change the converter last read as user input.
int g_fieldRead;
// The last pick was ended in a way that puts the colour back.
bool g_lastPickRestored;

INT_PTR CALLBACK WatchingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && g_fieldsIdle)
        g_fieldRead = LOWORD(wParam);
    return MainDlgProc(dialog, message, wParam, lParam);
}

// Delivers what the actions posted (Enter's moves, the cursor moves of a press)
// but leaves the edit controls' repainting out: only the text matters here,
// and painting thirteen edits per action would make the run ten times longer.
void DeliverPostedMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0,
                        PM_REMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE))
        DispatchMessageA(&message);
}

HWND OpenDialog(ColorRecord* color) {
    HWND dialog = OpenConverter(color, WatchingProc);
    if (dialog) SetForegroundWindow(dialog);
    return dialog;
}

// The palette's files: GIMP palettes in a folder that the fuzz takes away and
// gives back empty, and beside it a text file, a damaged file and what Save
// writes.
struct PaletteFiles {
    std::string folder, kept;
};

const char kOtherProgramsPalette[] =
    "GIMP Palette\r\nName: Fuzz\r\nColumns: 4\r\n# written by hand\r\n"
    "255   0   0\tRed\r\n  0 128   0\r\n 18  52  86\tDeep blue\r\n";

// A message box of a failed write, as against one of a refused file.
bool IsWriteFailure(const std::string& text) {
    return text.find("written again at the next change") != std::string::npos;
}

// What the contrast line shows for `color` (see contrast_line.h), its blanks
// all alike.
std::wstring ContrastLineOf(const ColorRecord& color) {
    char text[64];
    if (g_comparing) {
        char hex[kColorTextCapacity];
        FormatContrast(ContrastHundredths(color, g_compareColour), text);
        FormatHex6(g_compareColour, hex);
        return std::wstring(text, text + std::strlen(text)) + L" against " +
               std::wstring(hex, hex + std::strlen(hex));
    }
    const ColorRecord white = {255, 255, 255, 0}, black = {0, 0, 0, 0};
    FormatContrast(ContrastHundredths(color, white), text);
    std::wstring line = std::wstring(text, text + std::strlen(text)) + L" on white \u00b7 ";
    FormatContrast(ContrastHundredths(color, black), text);
    return line + std::wstring(text, text + std::strlen(text)) + L" on black";
}

class Fuzzer {
public:
    Fuzzer(HWND dialog, ColorRecord* color, unsigned seed, const PaletteFiles& files)
        : dialog_(dialog), color_(color), files_(files), random_(seed) {
        // Another program's window, for the user to leave to and to take the capture.
        other_ = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                 nullptr, nullptr, nullptr);
        SetForegroundWindow(dialog_);
    }
    ~Fuzzer() { DestroyWindow(other_); }
    HWND Dialog() const { return dialog_; }

    // Runs one random action.
    void Act();
    // Empty when the dialog is consistent; otherwise what is wrong.
    std::string Check();
    const std::vector<std::string>& Log() const { return log_; }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    int RandomField() { return kAllFields[Pick(14)]; }
    std::string RandomText();
    void Paste(HWND field, const std::string& text);
    void Drag(int id);
    void ScreenPick();
    void PaletteStep();
    void OtherProgramAdds();
    void OpenOrSave();
    std::string PaletteProblem();
    void PickStep(bool byMenu);
    bool EndPick(bool byMenu);
    std::string PickLeftovers() const;
    void Note(const std::string& action) { log_.push_back(action); }
    // A typing action that made the dialog read its field makes that group the
    // edited one (a paste into a full field still notifies; a refused digit doesn't).
    void Typed(int id) {
        if (g_fieldRead == id) edited_ = FieldGroupOf(id);
    }

    // The fields last typed into keep the user's text until something rewrites
    // every field, so they are left out of the comparison.
    std::vector<int> edited_;

    HWND dialog_;
    HWND other_;
    ColorRecord* color_;
    PaletteFiles files_;
    bool faulty_ = false;          // the kept folder is gone
    bool paletteTouched_ = false;  // the last action may have changed the palette
    bool failedBefore_ = false;    // the last write before the action failed
    // The palette's file, gone with the kept folder and not written since:
    // the next change writes it.
    std::string goneFile_;
    // What the other program added to the palette's file and the converter
    // did not remove since: the file must keep it.
    std::vector<std::string> othersAdded_;
    std::string problem_;  // found during an action, reported by the next Check
    std::mt19937 random_;
    std::vector<std::string> log_;
};

std::string Fuzzer::RandomText() {
    static const char* const kSamples[] = {
        "#00ffff", "#0ff", "(0,255,255)", "(0%,100%,100%)", "aqua", "CornflowerBlue", "255",
        "ff",      "239",  "240"};
    if (Pick(2)) return kSamples[Pick(10)];
    std::string text;
    for (int n = Pick(8); n > 0; --n) text += kTypedCharacters[Pick(sizeof kTypedCharacters - 1)];
    return text;
}

void Fuzzer::Paste(HWND field, const std::string& text) {
    if (!OpenClipboard(dialog_)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
    SendMessageA(field, EM_SETSEL, Pick(2) ? 0 : 0x7fffffff, 0x7fffffff);
    SendMessageA(field, WM_PASTE, 0, 0);
}

// A press somewhere around the control (inside it, or just beside it), moves
// that may leave it, and a release.
void Fuzzer::Drag(int id) {
    RECT r;
    HWND control = GetDlgItem(dialog_, id);
    GetClientRect(control, &r);
    MapWindowPoints(control, dialog_, reinterpret_cast<POINT*>(&r), 2);
    auto point = [&] {
        int x = r.left - 12 + Pick(r.right - r.left + 24),
            y = r.top - 4 + Pick(r.bottom - r.top + 8);
        return MAKELPARAM(x, y);
    };
    LPARAM at = point();
    Note("press " + std::to_string(id) + " at " + std::to_string(LOWORD(at)) + "," +
         std::to_string(HIWORD(at)));
    SendMessageA(dialog_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    bool dragging = g_dragMode != DRAG_NONE;
    // The press moves the cursor to the pressed point; that move comes first.
    DeliverPostedMessages();
    for (int n = Pick(4); n > 0; --n) {
        at = point();
        Note("  move " + std::to_string(LOWORD(at)) + "," + std::to_string(HIWORD(at)));
        SendMessageA(dialog_, WM_MOUSEMOVE, MK_LBUTTON, at);
        if (dragging) edited_.clear();
    }
    SendMessageA(dialog_, WM_LBUTTONUP, 0, at);
}

// A pick from the screen from start to end, a few random steps in between.
void Fuzzer::ScreenPick() {
    const bool byMenu = Pick(2);
    const ColorRecord before = *color_;
    const HlsTriple hlsBefore = g_hls;
    if (byMenu) {
        Note("pick by menu");
        SendMessageA(dialog_, WM_SYSCOMMAND, IDM_PICK, 0);
    } else {
        RECT swatch;
        HWND control = GetDlgItem(dialog_, IDC_SWATCH);
        GetClientRect(control, &swatch);
        MapWindowPoints(control, dialog_, reinterpret_cast<POINT*>(&swatch), 2);
        Note("held pick");
        SendMessageA(dialog_, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(swatch.left + 3, swatch.top + 3));
    }
    if (!PickWindow()) {
        problem_ = "the pick did not start";
        return;
    }
    edited_.clear();
    paletteTouched_ = true;  // a pick kept adds its colour
    for (int n = Pick(6); n > 0; --n) {
        PickStep(byMenu);
        problem_ = Check();
        if (!problem_.empty()) return;
    }
    if (!EndPick(byMenu)) return;
    if (PickWindow())
        problem_ = "the pick lasts after its end";
    else if (g_lastPickRestored && (std::memcmp(color_, &before, sizeof before) != 0 ||
                                    std::memcmp(&g_hls, &hlsBefore, sizeof g_hls) != 0))
        problem_ = "a restore did not put back the colour and HLS from before the pick";
}

// One move, arrow or zoom.
void Fuzzer::PickStep(bool byMenu) {
    HWND window = PickWindow();
    const int x = Pick(GetSystemMetrics(SM_CXSCREEN)), y = Pick(GetSystemMetrics(SM_CYSCREEN));
    static const WORD kKeys[] = {VK_LEFT,     VK_RIGHT,    VK_UP,        VK_DOWN, VK_ADD,
                                 VK_SUBTRACT, VK_OEM_PLUS, VK_OEM_MINUS, 'A',     VK_BACK};
    switch (Pick(4)) {
    case 0:
    case 1:
        Note("  move " + std::to_string(x) + "," + std::to_string(y));
        SetCursorPos(x, y);
        SendMessageA(window, WM_MOUSEMOVE, byMenu ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        break;
    case 2: {
        const WORD key = kKeys[Pick(10)];
        Note("  key " + std::to_string(key));
        SendMessageA(window, WM_KEYDOWN, key, 1);
        break;
    }
    default: {
        const int delta = (Pick(5) - 2) * 60;
        Note("  wheel " + std::to_string(delta));
        SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(x, y));
        break;
    }
    }
    DeliverPostedMessages();
}

// False when the dialog went with the pick.
bool Fuzzer::EndPick(bool byMenu) {
    HWND window = PickWindow();
    g_lastPickRestored = false;
    switch (Pick(byMenu ? 9 : 6)) {
    case 0:
        Note("  release");
        SendMessageA(window, WM_LBUTTONUP, 0, 0);
        break;
    case 1:
        Note("  Escape");
        g_lastPickRestored = true;
        SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
        break;
    case 2:
        Note("  capture taken");
        g_lastPickRestored = true;
        SetCapture(other_);
        ReleaseCapture();
        break;
    case 3:
        Note("  another window activated");
        g_lastPickRestored = true;
        SetForegroundWindow(other_);
        SetForegroundWindow(dialog_);
        break;
    case 4:
        Note("  dialog destroyed");
        DestroyWindow(dialog_);
        if (PickWindow() || GetCapture()) problem_ = "a destroyed dialog left its pick";
        dialog_ = OpenDialog(color_);
        edited_.clear();
        return false;
    case 5:
        Note(byMenu ? "  Enter" : "  Enter, ignored, then the release");
        SendMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
        if (!byMenu) SendMessageA(window, WM_LBUTTONUP, 0, 0);
        break;
    case 6:
        Note("  Space");
        SendMessageA(window, WM_KEYDOWN, VK_SPACE, 1);
        break;
    case 7:
        Note("  right click");
        g_lastPickRestored = true;
        SendMessageA(window, WM_RBUTTONUP, 0, 0);
        break;
    default:
        Note("  Alt+F4");
        g_lastPickRestored = true;
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    }
    DeliverPostedMessages();
    return true;
}

// What a pick that no longer lasts must not leave behind.
std::string Fuzzer::PickLeftovers() const {
    if (PickWindow()) return g_dragMode == DRAG_SCREEN ? "" : "a pick window without a pick";
    if (g_dragMode == DRAG_SCREEN) return "a pick without its window";
    if (GetCapture()) return "the capture is held with no drag or pick";
    if (FindWindowA("PalorinPick", nullptr) ||
        FindWindowExA(dialog_, nullptr, "PalorinPick", nullptr))
        return "a pick window is left";
    // Free, the cursor may go anywhere on the virtual screen, every monitor.
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT clip;
    GetClipCursor(&clip);
    if (!EqualRect(&clip, &screen)) return "the cursor is confined";
    return "";
}

void Fuzzer::Act() {
    int field = RandomField();
    HWND edit = GetDlgItem(dialog_, field);
    g_fieldRead = 0;
    paletteTouched_ = false;
    failedBefore_ = g_document.writeFailed;
    switch (Pick(14)) {
    case 0:
    case 1:
    case 2:
    case 3: {
        char c = kTypedCharacters[Pick(sizeof kTypedCharacters - 1)];
        Note("type '" + std::string(1, c) + "' into " + std::to_string(field));
        SendMessageA(edit, EM_SETSEL, 0x7fffffff, 0x7fffffff);
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        Typed(field);
        break;
    }
    case 4:
        Note("backspace in " + std::to_string(field));
        SendMessageA(edit, EM_SETSEL, 0x7fffffff, 0x7fffffff);
        SendMessageA(edit, WM_CHAR, VK_BACK, 1);
        Typed(field);
        break;
    case 5: {
        std::string text = RandomText();
        Note("paste '" + text + "' into " + std::to_string(field));
        Paste(edit, text);
        Typed(field);
        break;
    }
    case 6:
        Note("Enter in " + std::to_string(field));
        SetFocus(edit);
        PressEnter(dialog_);
        break;
    case 7:
        // A user can't press a disabled button (Wine's BM_CLICK would).
        if (!IsWindowEnabled(GetDlgItem(dialog_, IDC_NEGAPOSI))) break;
        Note("Nega / Posi");
        edited_.clear();
        SendDlgItemMessageA(dialog_, IDC_NEGAPOSI, BM_CLICK, 0, 0);
        break;
    case 8:
        ScreenPick();
        break;
    case 9:
    case 10:
        Drag(Pick(2) ? IDC_PICKER : IDC_LUMBAR);
        break;
    case 11:
        OpenOrSave();
        break;
    default:
        PaletteStep();
        break;
    }
}

// Add, a click on a colour, Delete of one or two, Compare, or the kept folder
// taken away or given back.
void Fuzzer::PaletteStep() {
    paletteTouched_ = true;
    HWND list = GetDlgItem(dialog_, IDC_PALETTE);
    const int size = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    const int item = size > 0 ? Pick(size) : -1;
    // A long palette gets shorter: the checks read every colour.
    switch (size > 24 ? 2 : Pick(8)) {
    case 0:
    case 1:
        Note("Add");
        SendDlgItemMessageA(dialog_, IDC_PALETTE_ADD, BM_CLICK, 0, 0);
        break;
    case 2: {
        if (item < 0) break;
        std::vector<int> items = {item};
        if (Pick(2)) items.push_back(Pick(size));
        Note("Delete of " + std::to_string(items.front()) + " and " + std::to_string(items.back()));
        for (int removed : items) {
            const std::string colour = ListedColours(dialog_)[removed];
            othersAdded_.erase(std::remove(othersAdded_.begin(), othersAdded_.end(), colour),
                               othersAdded_.end());
        }
        SelectItems(dialog_, items);
        SendMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
        break;
    }
    case 3: {
        if (item < 0) break;
        Note("click on colour " + std::to_string(item));
        SendMessageA(list, LVM_ENSUREVISIBLE, item, FALSE);
        RECT label = {LVIR_LABEL, 0, 0, 0};
        SendMessageA(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&label));
        const LPARAM at = MAKELPARAM(label.left + 4, (label.top + label.bottom) / 2);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
        edited_.clear();
        break;
    }
    case 4:
        if (item < 0) break;
        Note("Compare on " + std::to_string(item));
        RunPaletteMenuCommand(dialog_, static_cast<size_t>(item), IDM_COMPARE);
        break;
    case 5:
        OtherProgramAdds();
        break;
    case 6:
        // The user's last command taken back: never a colour the other program added.
        Note("Ctrl+Z");
        SendMessageA(dialog_, WM_COMMAND, IDM_UNDO, 0);
        break;
    default:
        faulty_ = !faulty_;
        Note(faulty_ ? "the kept folder taken away" : "the kept folder given back");
        othersAdded_.clear();
        if (faulty_) {
            if (std::string(g_document.file).rfind(files_.kept, 0) == 0) goneFile_ = g_document.file;
            RemoveTestFolder(files_.kept);
        } else {
            CreateDirectoryA(files_.kept.c_str(), nullptr);
        }
        break;
    }
}

// Another program adds a colour the palette lacks to the end of its file; the
// converter then becomes the active window, or the user adds a colour it lacks.
void Fuzzer::OtherProgramAdds() {
    if (!g_document.file[0] || GetFileAttributesA(g_document.file) == INVALID_FILE_ATTRIBUTES) return;
    const int red = Pick(256), green = Pick(256), blue = Pick(256);
    char line[64], shown[64];
    std::snprintf(line, sizeof line, "%3d %3d %3d\tother\r\n", red, green, blue);
    std::snprintf(shown, sizeof shown, "#%02x%02x%02x other", red, green, blue);
    for (const std::string& listed : ListedColours(dialog_))
        if (listed.compare(0, 7, shown, 7) == 0) return;
    Note(std::string("another program adds ") + shown);
    FILE* file = std::fopen(g_document.file, "ab");
    if (!file) return;
    std::fputs(line, file);
    std::fclose(file);
    othersAdded_.push_back(shown);
    // An Add that finds the colour in the palette changes nothing, writes
    // nothing and reads nothing: the activation, as the user comes back, does.
    const bool adds = IsWindowEnabled(GetDlgItem(dialog_, IDC_NEGAPOSI)) &&
                      FindPaletteColour(g_document.palette, *color_) == kNotInPalette;
    if (!adds || Pick(2)) {
        Note("the converter activated");
        SendMessageA(dialog_, WM_ACTIVATE, WA_ACTIVE, 0);
    } else {
        Note("Add");
        SendDlgItemMessageA(dialog_, IDC_PALETTE_ADD, BM_CLICK, 0, 0);
    }
}

// Open one of the palettes, a text file or a damaged file; or Save in one of
// the formats, a GIMP palette in the kept folder or beside it.
void Fuzzer::OpenOrSave() {
    paletteTouched_ = true;
    // Mostly the one in the kept folder, so that its faults matter.
    static const char* const kOpened[] = {"kept\\saved.gpl", "kept\\saved.gpl", "kept\\other.gpl",
                                          "saved.gpl", "colours.txt", "damaged.gpl"};
    static const char* const kSaved[] = {"kept\\saved.gpl", "kept\\saved.gpl", "saved.gpl",
                                         "saved.css", "saved.json", "saved.txt"};
    const bool open = Pick(2);
    const std::string path = files_.folder + "\\" + (open ? kOpened[Pick(6)] : kSaved[Pick(6)]);
    Note((open ? "Open " : "Save ") + path);
    othersAdded_.clear();
    if (open)
        OpenPaletteFile(dialog_, path.c_str(), false);
    else
        SavePaletteFile(dialog_, path.c_str());
}

std::string Fuzzer::PaletteProblem() {
    int writeFailures = 0;
    for (const std::string& text : ClosedMessageBoxes()) writeFailures += IsWriteFailure(text);
    if (writeFailures > 1 || (writeFailures == 1 && failedBefore_))
        return "a failed write said so again";
    if (writeFailures == 1 && !g_document.writeFailed) return "a write that did not fail said so";
    if (!g_document.file[0] || g_document.writeFailed) return "";
    if (goneFile_ == g_document.file) {
        if (GetFileAttributesA(g_document.file) == INVALID_FILE_ATTRIBUTES) return "";
        goneFile_.clear();
    }
    const std::vector<std::string> listed = ListedColours(dialog_);
    // The user's own palette is not written before its first colour.
    if (listed.empty() && GetFileAttributesA(g_document.file) == INVALID_FILE_ATTRIBUTES) return "";
    const std::vector<std::string> stored = FileColours(g_document.file);
    for (const std::string& colour : othersAdded_)
        if (std::find(stored.begin(), stored.end(), colour) == stored.end())
            return "the palette's file lost " + colour + ", which another program added";
    // The list marks the colour the contrast line compares with.
    std::vector<std::string> marked = stored;
    char compared[kColorTextCapacity] = "";
    if (g_comparing) FormatHex6(g_compareColour, compared);
    for (std::string& colour : marked)
        if (compared[0] && colour.compare(0, 7, compared) == 0) colour += " (compared)";
    if (listed == marked) return "";
    std::string problem = std::string("the palette's file ") + g_document.file + " holds";
    for (const std::string& colour : stored) problem += " '" + colour + "'";
    problem += ", the list shows";
    for (const std::string& colour : listed) problem += " '" + colour + "'";
    return problem;
}

std::string Fuzzer::Check() {
    DeliverPostedMessages();
    if (!problem_.empty()) return problem_;
    if (g_dragMode != DRAG_SCREEN) {
        const std::string left = PickLeftovers();
        if (!left.empty()) return left;
    }
    if (paletteTouched_) {
        const std::string palette = PaletteProblem();
        if (!palette.empty()) return palette;
    }
    bool enabled = IsWindowEnabled(GetDlgItem(dialog_, IDC_NEGAPOSI)) != FALSE;
    wchar_t line[128] = L"";
    GetDlgItemTextW(dialog_, IDC_CONTRAST, line, 128);
    std::replace(line, line + 128, L'\u00a0', L' ');  // where it breaks is another test's
    if (line != (enabled ? ContrastLineOf(*color_) : std::wstring()))
        return "the contrast line doesn't give the colour's contrast";
    std::vector<FieldShown> expected = ExpectedFields(*color_);
    for (const FieldShown& field : expected) {
        bool skip = false;
        for (int id : edited_) skip |= id == field.id;
        if (skip) continue;
        std::string shown = FieldText(dialog_, field.id);
        std::string want = enabled ? field.text : "";
        // Any colour may come up here, the names of all of them only in the
        // program's table (checked entry by entry natively).
        if (enabled && field.id == IDC_NAME) want = FindColorName(*color_);
        bool hlsField = field.id == IDC_HLS_H || field.id == IDC_HLS_L || field.id == IDC_HLS_S;
        if (enabled && hlsField) {
            // The HLS fields show the triple the colour came from, which a
            // picker or bar drag sets directly.
            int value = field.id == IDC_HLS_H   ? g_hls.hue
                        : field.id == IDC_HLS_L ? g_hls.lightness
                                                : g_hls.saturation;
            want = std::to_string(value);
        }
        if (shown != want)
            return "field " + std::to_string(field.id) + " shows '" + shown + "', expected '" +
                   want + "' (Nega / Posi " + (enabled ? "enabled" : "disabled") + ")";
    }
    if (enabled) {
        // The platform's own HLS conversions, apart from the program's.
        const COLORREF rgb = RGB(color_->red, color_->green, color_->blue);
        WORD hue, lightness, saturation;
        ColorRGBToHLS(rgb, &hue, &lightness, &saturation);
        bool fromHls = ColorHLSToRGB(g_hls.hue, g_hls.lightness, g_hls.saturation) == rgb;
        bool fromRgb = hue == g_hls.hue && lightness == g_hls.lightness && saturation == g_hls.saturation;
        if (!fromHls && !fromRgb) return "the colour and the HLS triple disagree";
    }
    RECT swatch;
    HWND control = GetDlgItem(dialog_, IDC_SWATCH);
    GetClientRect(control, &swatch);
    MapWindowPoints(control, dialog_, reinterpret_cast<POINT*>(&swatch), 2);
    RedrawWindow(dialog_, &swatch, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    HDC dc = GetDC(dialog_);
    COLORREF pixel =
        GetPixel(dc, (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    ReleaseDC(dialog_, dc);
    if (pixel != RGB(color_->red, color_->green, color_->blue))
        return "the swatch doesn't show the colour";
    return "";
}

TEST(GuiFuzz, EveryActionLeavesTheConverterConsistent) {
    PaletteFiles files;
    files.folder = MakeTestFolder("gui-fuzz-");
    files.kept = files.folder + "\\kept";
    ASSERT_TRUE(CreateDirectoryA(files.kept.c_str(), nullptr));
    ASSERT_TRUE(WriteTestFile(files.kept + "\\other.gpl", kOtherProgramsPalette));
    ASSERT_TRUE(WriteTestFile(files.folder + "\\colours.txt", "#f80\r\naqua\r\n(1,2,3)\r\n"));
    ASSERT_TRUE(WriteTestFile(files.folder + "\\damaged.gpl", "GIMP Palette\n1 2 3\n1 2\n"));
    StartClosingMessageBoxes();
    ColorRecord color = {};
    HWND dialog = OpenDialog(&color);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(OpenPaletteFile(dialog, (files.kept + "\\other.gpl").c_str(), false));
    Fuzzer fuzzer(dialog, &color, g_seed, files);
    std::string failure;
    for (int action = 0; action < g_actionCount && failure.empty(); ++action) {
        fuzzer.Act();
        std::string problem = fuzzer.Check();
        if (problem.empty()) continue;
        std::string actions, fields;
        for (const std::string& line : fuzzer.Log()) actions += "  " + line + "\n";
        for (int id : kAllFields)
            fields += " " + std::to_string(id) + "='" + FieldText(fuzzer.Dialog(), id) + "'";
        failure = "seed " + std::to_string(g_seed) + ", after action " + std::to_string(action + 1) +
                  ": " + problem + "\nfields:" + fields + "\nactions:\n" + actions;
    }
    DestroyWindow(fuzzer.Dialog());
    StopClosingMessageBoxes();
    RemoveTestFolder(files.kept);
    RemoveTestFolder(files.folder);
    if (!failure.empty()) FAIL() << failure;
    std::printf("seed %u: %d actions, all consistent\n", g_seed, g_actionCount);
}

// Leaves no pasted text behind for the tests that start palorin.exe.
void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (!std::strncmp(argv[i], "--seed=", 7)) g_seed = std::strtoul(argv[i] + 7, nullptr, 10);
        if (!std::strncmp(argv[i], "--actions=", 10)) g_actionCount = std::atoi(argv[i] + 10);
    }
    int result = RUN_ALL_TESTS();
    EmptyTheClipboard();
    return result;
}
