// The palette in the converter, driven as a user drives it: Add, clicks and
// real keys on the list, the right-click menu's commands, Open, a drop and the
// palette beside the program. After every change the file holds what the list
// shows and only the changed lines differ; a write that fails says so once and
// tries again at the next change; the contrast line follows the colour.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "message_boxes.h"
#include "palette_commands.h"
#include "palette_files.h"
#include "palette_home.h"
#include "palette_view.h"
#include "real_input.h"
#include "resource.h"
#include "test_folder.h"

namespace {

using Lines = std::vector<std::string>;

// A palette as GIMP writes it, saved by an editor on Windows: CR LF, a header
// with Name: and Columns:, a comment, tabs before the names, a colour without one.
const std::string kBrand =
    "GIMP Palette\r\n"
    "Name: Brand\r\n"
    "Columns: 3\r\n"
    "# exported by hand\r\n"
    "255   0   0\tBrand red\r\n"
    "  0 128   0\r\n"
    " 18  52  86\tDeep blue\r\n";
const Lines kBrandShown = {"#ff0000 Brand red", "#008000", "#123456 Deep blue"};

std::string ClipboardText() {
    std::string text = "(no text)";
    if (!OpenClipboard(nullptr)) return "(not opened)";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes) {
        text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Leaves no text behind for the tests that start palorin.exe.
void EmptyClipboardText() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

class PaletteWindow : public testing::Test {
protected:
    void SetUp() override {
        folder = MakeTestFolder("palette-window-");
        // The user's own palette and settings, as a new user has them: none yet.
        roaming = MakeTestFolder("palette-home-");
        home = roaming + "\\Palorin";
        UseProcessPaletteHome();  // first: a converter opened later keeps this test's
        UsePaletteHome(home.c_str());
        StartClosingMessageBoxes();
        Open();
    }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
        SetInputDialog(nullptr);
        StopClosingMessageBoxes();
        EXPECT_EQ(ClosedMessageBoxes(), Lines{}) << "message boxes no test expected";
        UseProcessPaletteHome();
        RemoveTestFolder(folder);
        RemoveTestFolder(roaming);
    }

    void Open() {
        if (dialog) DestroyWindow(dialog);
        color = {};
        dialog = OpenConverter(&color);
        ASSERT_NE(dialog, nullptr);
        SetForegroundWindow(dialog);
        SetInputDialog(dialog);
    }
    HWND List() const { return GetDlgItem(dialog, IDC_PALETTE); }

    // A file in the test's folder, written as another program would.
    std::string File(const char* name, const std::string& bytes) const {
        const std::string path = folder + "\\" + name;
        EXPECT_TRUE(WriteTestFile(path, bytes)) << path;
        return path;
    }
    void OpenFile(const std::string& path) {
        ASSERT_TRUE(OpenPaletteFile(dialog, path.c_str(), false)) << path;
    }
    // The middle of an item's swatch as the list shows it.
    COLORREF Swatch(int item) {
        RECT icon = {LVIR_ICON, 0, 0, 0};
        SendMessageA(List(), LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&icon));
        UpdateWindow(List());
        HDC dc = GetDC(List());
        const COLORREF pixel = GetPixel(dc, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2);
        ReleaseDC(List(), dc);
        return pixel;
    }

    // The colour the user typed, then Add.
    void Add(const char* hex6) {
        SetFieldText(dialog, IDC_HEX6, hex6);
        SendDlgItemMessageA(dialog, IDC_PALETTE_ADD, BM_CLICK, 0, 0);
    }
    // A click on the item's text, as the mouse sends it to the list, with
    // MK_CONTROL or MK_SHIFT among `keys` while those keys are held.
    void ClickItem(int item, WPARAM keys = 0) {
        RECT label = {LVIR_LABEL, 0, 0, 0};
        ASSERT_TRUE(SendMessageA(List(), LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&label)));
        const LPARAM at = MAKELPARAM(label.left + 4, (label.top + label.bottom) / 2);
        SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
        SendMessageA(List(), WM_LBUTTONUP, 0, at);
        PumpMessages();
    }
    // A real key pressed with the list focused, through the dialog manager.
    void KeyInList(WORD key) {
        SetFocus(List());
        RealKey(key);
    }
    // The key with Ctrl held. Under Wine a Ctrl press of SendInput soon after
    // the window became the foreground one may be taken back at once (the X
    // server, which never saw it, reports it up): then it is pressed again.
    static void ControlKey(WORD key) {
        RealKeyDown(VK_LCONTROL);
        if (GetKeyState(VK_CONTROL) >= 0) RealKeyDown(VK_LCONTROL);
        RealKey(key);
        RealKeyUp(VK_LCONTROL);
    }
    std::string Hex6() const { return FieldText(dialog, IDC_HEX6); }
    // The contrast line with '|' where it may break (a breaking blank) and
    // ' ' for a non-breaking one.
    std::wstring ContrastLine() const {
        wchar_t line[128] = L"";
        GetDlgItemTextW(dialog, IDC_CONTRAST, line, 128);
        for (wchar_t* c = line; *c; ++c)
            *c = *c == L' ' ? L'|' : *c == L'\u00a0' ? L' ' : *c;
        return line;
    }

    std::wstring Status() const {
        wchar_t line[256] = L"";
        GetDlgItemTextW(dialog, IDC_PALETTE_STATUS, line, 256);
        return line;
    }
    // What the status line's tooltip says once the mouse has been over the
    // line; "" when no tooltip has the line as its tool.
    std::wstring StatusTip() const {
        HWND status = GetDlgItem(dialog, IDC_PALETTE_STATUS);
        RECT r;
        GetWindowRect(status, &r);
        EXPECT_TRUE(RealMouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        DeliverInput();
        wchar_t text[512] = L"";
        for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip;
             tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
            TOOLINFOW tool = {};
            tool.cbSize = sizeof tool;
            tool.hwnd = dialog;
            tool.uId = reinterpret_cast<UINT_PTR>(status);
            tool.lpszText = text;
            if (GetWindow(tip, GW_OWNER) == dialog &&
                SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
                SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
                break;
            }
        }
        return text;
    }
    void Close() {
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        PumpMessages();
    }

    std::string folder, roaming, home;
    ColorRecord color = {};
    HWND dialog = nullptr;
};

// The palette's file after a change: the other program's lines as they were,
// the new or moved colour before the first colour line.
// A new colour goes in front; one the palette has is selected where it stands
// and nothing is written: the order of the user's file is the user's.
TEST_F(PaletteWindow, AddPutsANewColourInFrontAndSelectsOneThePaletteHas) {
    const std::string path = File("brand.gpl", kBrand);
    OpenFile(path);
    const std::string header = "GIMP Palette\r\nName: Brand\r\nColumns: 3\r\n# exported by hand\r\n";
    const Lines withWhite = {"#ffffff white", "#ff0000 Brand red", "#008000", "#123456 Deep blue"};
    const std::string whiteLines =
        "255 255 255\twhite\r\n255   0   0\tBrand red\r\n  0 128   0\r\n 18  52  86\tDeep blue\r\n";
    const struct {
        const char* colour;
        Lines shown;
        int selected;
        std::string colourLines;
    } steps[] = {
        {"#ffffff", withWhite, 0, whiteLines},
        {"#123456", withWhite, 3, whiteLines},
        {"#010203", {"#010203", "#ffffff white", "#ff0000 Brand red", "#008000", "#123456 Deep blue"}, 0,
         "  1   2   3\r\n" + whiteLines},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.colour);
        const std::string before = FileIdentity(path);
        Add(step.colour);
        EXPECT_EQ(ListedColours(dialog), step.shown);
        EXPECT_EQ(SelectedItems(dialog), std::vector<int>{step.selected});
        EXPECT_EQ(FileBytes(path), header + step.colourLines);
        if (step.selected > 0) {
            EXPECT_EQ(FileIdentity(path), before) << "nothing is written";
        }
    }
    // Ctrl+D adds wherever the focus is, here in a field: Brand red, selected.
    SetFieldText(dialog, IDC_HEX6, "#ff0000");
    SetFocus(GetDlgItem(dialog, IDC_HEX6));
    ControlKey('D');
    EXPECT_EQ(SelectedItems(dialog), std::vector<int>{2});
    EXPECT_EQ(FileColours(path), ListedColours(dialog));
    EXPECT_EQ(Hex6(), "#ff0000");  // the key went to the palette, not into the field
}

// A dialog over the converter with a control of the palette list's id, as
// the platform's Open and Save dialogs have: Ctrl+D typed into its edit is
// its own. It ends itself a moment after the key.
bool g_otherDialogHeardAdd = false;

INT_PTR CALLBACK OtherDialogProc(HWND other, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetTimer(other, 1, 100, nullptr);
        return TRUE;
    case WM_TIMER:
        KillTimer(other, wParam);
        if (wParam == 1) {
            SetFocus(GetDlgItem(other, 2));
            RealKeyDown(VK_LCONTROL);
            RealKey('D');
            RealKeyUp(VK_LCONTROL);
            SetTimer(other, 2, 300, nullptr);
        } else {
            EndDialog(other, 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PALETTE_ADD) g_otherDialogHeardAdd = true;
        return TRUE;
    }
    return FALSE;
}

// The template: a list box with the palette list's id, and an edit (id 2).
struct OtherDialogTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    // Each item starts on a DWORD.
    struct alignas(4) Item {
        DLGITEMTEMPLATE item;
        WORD classMarker, classAtom, title, extra;
    } list, edit;
};

TEST_F(PaletteWindow, CtrlDInADialogTheConverterOpenedIsThatDialogs) {
    OtherDialogTemplate t = {};
    t.dialog = {WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME, 0, 2, 10, 10, 200, 100};
    t.list = {{WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 5, 5, 90, 80, IDC_PALETTE}, 0xFFFF, 0x0083, 0, 0};
    t.edit = {{WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 100, 5, 90, 14, 2}, 0xFFFF, 0x0081, 0, 0};
    g_otherDialogHeardAdd = false;
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &t.dialog, dialog, OtherDialogProc, 0);
    EXPECT_FALSE(g_otherDialogHeardAdd);
    EXPECT_EQ(ListedColours(dialog), Lines{});
}

// Ctrl+D typed while the converter's window menu is open, then the menu
// closed: timers of the thread run inside the menu's loop.
void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    RealKeyDown(VK_LCONTROL);
    RealKey('D');
    RealKeyUp(VK_LCONTROL);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR next, DWORD) {
        KillTimer(nullptr, next);
        EndMenu();
    });
}

TEST_F(PaletteWindow, CtrlDInTheWindowMenuIsTheMenus) {
    SetTimer(nullptr, 0, 200, TypeIntoMenu);
    SendMessageA(dialog, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);  // returns when the menu closes
    PumpMessages();
    EXPECT_EQ(ListedColours(dialog), Lines{});
}

// A palette in a folder named in Cyrillic and Chinese, named in UTF-8 as GIMP
// writes names: the list shows the name as itself, and a change is written.
TEST_F(PaletteWindow, TakesFoldersInAnyScriptAndShowsUtf8NamesAsThemselves) {
    const std::string named = folder + "\\Цвет 颜色";
    ASSERT_TRUE(CreateDirectoryA(named.c_str(), nullptr));
    const std::string path = named + "\\Grün.gpl";
    ASSERT_TRUE(WriteTestFile(path, "GIMP Palette\nName: Grün\n  0 128   0\tGrün\n"));
    OpenFile(path);
    wchar_t text[32] = L"";
    LVITEMW item = {};
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(List(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"#008000 Grün");
    Add("#010203");
    EXPECT_EQ(FileColours(path), (Lines{"#010203", "#008000 Grün"}));
    DeleteFileA(path.c_str());
    RemoveDirectoryA(named.c_str());
}

TEST_F(PaletteWindow, AClickSpaceOrEnterInTheListMakesTheColourCurrent) {
    OpenFile(File("brand.gpl", kBrand));
    SetFieldText(dialog, IDC_HEX6, "#00ff");  // a text that is no colour yet: fields empty
    const struct {
        const char* how;
        int item;
        ColorRecord colour;  // blue, green, red
    } recalls[] = {
        {"click", 2, {86, 52, 18, 0}},
        {"Space", 1, {0, 128, 0, 0}},
        {"Enter", 0, {0, 0, 255, 0}},
        {"click", 1, {0, 128, 0, 0}},
    };
    for (const auto& recall : recalls) {
        SCOPED_TRACE(std::string(recall.how) + " on " + std::to_string(recall.item));
        if (recall.how[0] == 'c') {
            ClickItem(recall.item);
        } else {
            SelectItems(dialog, {recall.item});
            KeyInList(recall.how[0] == 'S' ? VK_SPACE : VK_RETURN);
        }
        EXPECT_EQ(RgbText(color.red, color.green, color.blue),
                  RgbText(recall.colour.red, recall.colour.green, recall.colour.blue));
        ExpectFieldsShow(dialog, ExpectedFields(recall.colour));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
        HWND swatch = GetDlgItem(dialog, IDC_SWATCH);
        RECT r;
        GetClientRect(swatch, &r);
        MapWindowPoints(swatch, dialog, reinterpret_cast<POINT*>(&r), 2);
        UpdateWindow(dialog);
        HDC dc = GetDC(dialog);
        EXPECT_EQ(GetPixel(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2),
                  RGB(recall.colour.red, recall.colour.green, recall.colour.blue));
        ReleaseDC(dialog, dc);
        EXPECT_EQ(ListedColours(dialog), kBrandShown);  // a recall changes no palette
    }
}

// "Show as seen with" changes the list's swatches, not the colours: red and
// green as protanopia sees them (the simulation's table, worked by hand).
TEST_F(PaletteWindow, TheSwatchesShowTheColoursAsSeenWithADeficiency) {
    OpenFile(File("brand.gpl", kBrand));
    EXPECT_EQ(Swatch(0), RGB(255, 0, 0));
    RunPaletteMenuCommand(dialog, 0, IDM_SEEN_NONE + 1);  // protanopia
    EXPECT_EQ(Swatch(0), RGB(0x6d, 0x5f, 0x00));
    RunPaletteMenuCommand(dialog, 0, IDM_SEEN_LAST);  // achromatopsia: green's luminance 0.154
    EXPECT_EQ(Swatch(1), RGB(0x6d, 0x6d, 0x6d));
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
    RunPaletteMenuCommand(dialog, 0, IDM_SEEN_NONE);
    EXPECT_EQ(Swatch(0), RGB(255, 0, 0));
}

// Rows scrolled into view get their swatches, the one cut off at the bottom
// too: row i of this palette is (6i, 0, 255 - 6i).
TEST_F(PaletteWindow, RowsScrolledIntoViewShowTheirSwatches) {
    std::string text = "GIMP Palette\n";
    for (int i = 0; i < 40; ++i)
        text += std::to_string(6 * i) + " 0 " + std::to_string(255 - 6 * i) + "\tRow\n";
    OpenFile(File("long.gpl", text));
    SendMessageA(List(), LVM_ENSUREVISIBLE, 39, FALSE);
    const int top = static_cast<int>(SendMessageA(List(), LVM_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 0);
    EXPECT_EQ(Swatch(39), RGB(234, 0, 21));
    EXPECT_EQ(Swatch(top), RGB(6 * top, 0, 255 - 6 * top));
    SendMessageA(List(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(Swatch(top - 1), RGB(6 * (top - 1), 0, 255 - 6 * (top - 1)));
    // The row cut off at the bottom, where the list shows a part of one,
    // painted anew rather than scrolled down from where it was whole.
    InvalidateRect(List(), nullptr, TRUE);
    UpdateWindow(List());
    const int cut = top - 1 + static_cast<int>(SendMessageA(List(), LVM_GETCOUNTPERPAGE, 0, 0));
    RECT icon = {LVIR_ICON, 0, 0, 0}, client;
    SendMessageA(List(), LVM_GETITEMRECT, cut, reinterpret_cast<LPARAM>(&icon));
    GetClientRect(List(), &client);
    if (icon.top + 2 < client.bottom) {  // the swatch is filled from its third row
        HDC dc = GetDC(List());
        EXPECT_EQ(GetPixel(dc, (icon.left + icon.right) / 2, icon.top + 2),
                  RGB(6 * cut, 0, 255 - 6 * cut));
        ReleaseDC(List(), dc);
    }
}

// Ctrl+ and Shift+click select colours for Delete; only a plain click recalls.
TEST_F(PaletteWindow, CtrlAndShiftClicksSelectWithoutRecalling) {
    OpenFile(File("brand.gpl", kBrand));
    ClickItem(0);
    ASSERT_EQ(Hex6(), "#ff0000");
    const struct {
        WORD key;
        WPARAM flag;
        int item;
    } clicks[] = {{VK_LCONTROL, MK_CONTROL, 2}, {VK_LSHIFT, MK_SHIFT, 1}};
    for (const auto& click : clicks) {
        RealKeyDown(click.key);
        ClickItem(click.item, click.flag);
        RealKeyUp(click.key);
        EXPECT_EQ(Hex6(), "#ff0000") << "after a click with key " << click.key;
    }
    // Shift extends from the Ctrl+click's item.
    EXPECT_EQ(SelectedItems(dialog), (std::vector<int>{1, 2}));
}

// Typing in the list goes to the next colour whose text or name begins with
// what was typed, as in any list; a text no colour has leaves the selection
// where it is. Neither changes the current colour.
TEST_F(PaletteWindow, TypingInTheListGoesToTheColourWhoseTextBeginsSo) {
    OpenFile(File("brand.gpl", kBrand));
    SelectItems(dialog, {0});
    SetFocus(List());
    const struct {
        const char* typed;
        int selected;
    } steps[] = {{"de", 2}, {"#0", 1}, {"q", 1}, {"b", 0}};
    for (const auto& step : steps) {
        // The list starts a new search after a pause of a second.
        Sleep(1100);
        for (const char* c = step.typed; *c; ++c) {
            if (*c == '#')
                RealKey('3', true);
            else
                RealKey(static_cast<WORD>(*c >= 'a' ? *c - 32 : *c));
        }
        EXPECT_EQ(SelectedItems(dialog), std::vector<int>{step.selected}) << "typed " << step.typed;
    }
    EXPECT_EQ(Hex6(), "#000000");
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
}

TEST_F(PaletteWindow, DeleteRemovesTheSelectedColoursAndTheirLinesOnly) {
    const std::string path = File("five.gpl",
                                  "GIMP Palette\nName: Five\n#\n  1   1   1\tone\n  2   2   2\ttwo\n"
                                  "# the middle\n  3   3   3\tthree\n  4   4   4\tfour\n  5   5   5\tfive");
    OpenFile(path);
    SelectItems(dialog, {1, 3});
    KeyInList(VK_DELETE);
    EXPECT_EQ(ListedColours(dialog), (Lines{"#010101 one", "#030303 three", "#050505 five"}));
    EXPECT_EQ(FileBytes(path),
              "GIMP Palette\nName: Five\n#\n  1   1   1\tone\n# the middle\n  3   3   3\tthree\n"
              "  5   5   5\tfive");
    // The selection moves to the colour that took the first one's place.
    EXPECT_EQ(SelectedItems(dialog), std::vector<int>{1});
    KeyInList(VK_DELETE);
    SelectItems(dialog, {0, 1});
    KeyInList(VK_DELETE);
    EXPECT_EQ(ListedColours(dialog), Lines{});
    EXPECT_EQ(FileBytes(path), "GIMP Palette\nName: Five\n#\n# the middle\n");
}

// A selection never outlives the colours it stood on: after another palette
// opens or the menu removes a colour, Delete has nothing to remove.
TEST_F(PaletteWindow, NoSelectionIsLeftOnColoursThatTookOthersPlaces) {
    OpenFile(File("brand.gpl", kBrand));
    SelectItems(dialog, {1, 2});
    OpenFile(File("two.txt", "#010101\n#020202\n#030303\n"));
    EXPECT_EQ(SelectedItems(dialog), std::vector<int>{});
    SelectItems(dialog, {1});
    RunPaletteMenuCommand(dialog, 0, IDM_REMOVE);
    EXPECT_EQ(SelectedItems(dialog), std::vector<int>{});
    KeyInList(VK_DELETE);
    EXPECT_EQ(ListedColours(dialog), (Lines{"#020202", "#030303"}));
}

TEST_F(PaletteWindow, CtrlCAndTheMenuCopyTheColourInEachNotation) {
    OpenFile(File("tomato.txt", "tomato\n#123456\n"));
    SelectItems(dialog, {1});
    SetFocus(List());
    ControlKey('C');
    EXPECT_EQ(ClipboardText(), "#123456");
    const struct {
        int command;
        const char* text;
    } copies[] = {
        {IDM_COPY_HEX6, "#ff6347"},        {IDM_COPY_HEX3, "#f64"},
        {IDM_COPY_PERCENT, "(100%,38%,27%)"}, {IDM_COPY_TRIPLE, "(255,99,71)"},
        {IDM_COPY_NAME, "tomato"},         {IDM_COPY_HLS, "6,153,240"},
        {IDM_COPY_CSS, "rgb(255 99 71)"},  {IDM_COPY_HSB, "hsv(9, 72%, 100%)"},
    };
    for (const auto& copy : copies) {
        RunPaletteMenuCommand(dialog, 0, copy.command);
        EXPECT_EQ(ClipboardText(), copy.text) << copy.command;
    }
    RunPaletteMenuCommand(dialog, 0, IDM_REMOVE);
    EXPECT_EQ(ListedColours(dialog), Lines{"#123456"});
    EmptyClipboardText();
}

// "Add tints and shades" adds nine colours from the one chosen: black's are
// four greys and itself (worked by hand in the colour model's tests), taken
// back as one.
TEST_F(PaletteWindow, TintsAndShadesAddNineColours) {
    OpenFile(File("black.txt", "#000000\n"));
    RunPaletteMenuCommand(dialog, 0, IDM_TINTS_SHADES);
    Lines listed = ListedColours(dialog);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (Lines{"#000000 black", "#161616", "#484848", "#808080 gray", "#bebebe"}));
    // One command, one Ctrl+Z.
    RunPaletteMenuCommand(dialog, 0, IDM_UNDO);
    EXPECT_EQ(ListedColours(dialog), Lines{"#000000 black"});
}

// Palettes as GIMP, Inkscape and Krita write them, and plain text. Opening one
// shows it and leaves the file alone, time and all; a text file is a new palette
// with no file of its own, so a change writes nothing.
TEST_F(PaletteWindow, OpensPalettesOtherProgramsWrote) {
    const struct {
        const char* name;
        std::string bytes;
        Lines shown;
    } files[] = {
        {"gimp.gpl",
         "GIMP Palette\nName: Bears\nColumns: 16\n#\n  8   8   8\tgrey3\n 68  44  44\tUntitled\n"
         "255 255 255\t\n",
         {"#080808 grey3", "#442c2c Untitled", "#ffffff"}},
        {"inkscape.gpl",
         "GIMP Palette\r\nName: Inkscape default\r\nColumns: 3\r\n# generated\r\n\r\n"
         "  0   0   0\tBlack (#000000)\r\n128 128 128\t50% Gray\r\n",
         {"#000000 Black (#000000)", "#808080 50% Gray"}},
        {"krita.gpl", "GIMP Palette\nName: Krita\nColumns: 0\n#\n 10 20 30\tdeep\tsea\n",
         {"#0a141e deep\tsea"}},
        {"colours.txt", "#f80\r\n  CornflowerBlue\r\n\r\n(1,2,3)\r\n", {"#ff8800", "#6495ed cornflowerblue", "#010203"}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = File(file.name, file.bytes);
        const std::string written = FileIdentity(path);
        OpenFile(path);
        EXPECT_EQ(ListedColours(dialog), file.shown);
        Open();  // closes the converter
        EXPECT_EQ(FileBytes(path), file.bytes);
        EXPECT_EQ(FileIdentity(path), written);
    }
    OpenFile(folder + "\\colours.txt");
    Add("#ffffff");
    EXPECT_EQ(ListedColours(dialog).size(), 4u);
    EXPECT_EQ(FileBytes(folder + "\\colours.txt"), files[3].bytes);
}

// A damaged file, by Open or by a drop: a message naming its line, and the
// palette and its file stay what they were.
TEST_F(PaletteWindow, RefusesADamagedPaletteNamingTheLine) {
    const std::string path = File("brand.gpl", kBrand);
    const std::string damaged = File("damaged.gpl", "GIMP Palette\n  1   2   3\tfine\n300   0   0\tover\n");
    OpenFile(path);
    EXPECT_FALSE(OpenPaletteFile(dialog, damaged.c_str(), false));
    EXPECT_EQ(ClosedMessageBoxes(), Lines{damaged + " is no palette: line 3: a channel above 255"});
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
    Add("#ffffff");
    EXPECT_EQ(FileColours(path), ListedColours(dialog));
    EXPECT_EQ(FileBytes(damaged), "GIMP Palette\n  1   2   3\tfine\n300   0   0\tover\n");
}

// A file dropped on the converter, as the shell hands it over.
HDROP DropOf(const std::string& path) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    reinterpret_cast<DROPFILES*>(bytes)->pFiles = sizeof(DROPFILES);
    std::memcpy(bytes + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(PaletteWindow, ADroppedFileOpensAsThePalette) {
    const std::string path = File("brand.gpl", kBrand);
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(path)), 0);
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
    Add("#ffffff");
    EXPECT_EQ(FileColours(path), ListedColours(dialog));
    const std::string damaged = File("damaged.txt", "#123456\nnot a colour\n");
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(damaged)), 0);
    EXPECT_EQ(ClosedMessageBoxes(), Lines{damaged + " is no palette: line 2: not a colour"});
    EXPECT_EQ(ListedColours(dialog).size(), 4u);
}

// A name no format of which is known, such as one too long to take the
// extension of the filter chosen, is refused aloud, and nothing is written.
TEST_F(PaletteWindow, SaveRefusesANameOfNoFormatWithAMessage) {
    Add("#ffffff");
    const std::string path = folder + "\\colours.bmp";
    EXPECT_FALSE(SavePaletteFile(dialog, path.c_str()));
    EXPECT_EQ(ClosedMessageBoxes(), Lines{path + ": not saved; a palette is saved as .gpl, .css, .json or .txt."});
    EXPECT_EQ(FolderNames(folder), Lines{});
}

// The palette's file made unwritable in the two ways a user meets: its folder
// removed, and a folder in its place. One message for the run of failures, the
// palette kept, no half file left; once the fault is mended the next change
// writes everything.
TEST_F(PaletteWindow, AFailingWriteSaysSoOnceAndTheNextChangeWritesAgain) {
    const std::string sub = folder + "\\sub", path = sub + "\\brand.gpl";
    for (bool folderRemoved : {true, false}) {
        SCOPED_TRACE(folderRemoved ? "folder removed" : "a folder in the file's place");
        Open();
        ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
        ASSERT_TRUE(WriteTestFile(path, kBrand));
        OpenFile(path);
        ASSERT_TRUE(DeleteFileA(path.c_str()));
        ASSERT_TRUE(folderRemoved ? RemoveDirectoryA(sub.c_str()) : CreateDirectoryA(path.c_str(), nullptr));

        Add("#ffffff");
        Add("#000000");
        const Lines boxes = ClosedMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(path + ": ", 0), 0u) << boxes[0];
        EXPECT_NE(boxes[0].find("written again at the next change"), std::string::npos) << boxes[0];
        EXPECT_EQ(ListedColours(dialog), (Lines{"#000000 black", "#ffffff white", "#ff0000 Brand red",
                                                "#008000", "#123456 Deep blue"}));
        EXPECT_EQ(FolderNames(folderRemoved ? folder : sub),
                  folderRemoved ? Lines{} : Lines{"brand.gpl"});

        ASSERT_TRUE(folderRemoved ? CreateDirectoryA(sub.c_str(), nullptr) : RemoveDirectoryA(path.c_str()));
        Add("#010203");
        EXPECT_EQ(ClosedMessageBoxes(), Lines{});
        EXPECT_EQ(FileBytes(path),
                  "GIMP Palette\r\nName: Brand\r\nColumns: 3\r\n# exported by hand\r\n"
                  "  1   2   3\r\n  0   0   0\tblack\r\n255 255 255\twhite\r\n"
                  "255   0   0\tBrand red\r\n  0 128   0\r\n 18  52  86\tDeep blue\r\n");
        EXPECT_EQ(FolderNames(sub), Lines{"brand.gpl"});
        DeleteFileA(path.c_str());
        RemoveDirectoryA(sub.c_str());
    }
}

// A new user: nothing is written until the first colour, which goes to the
// user's own palette (folder and all) and is there at the next start.
TEST_F(PaletteWindow, ANewUsersColoursSurviveARestart) {
    EXPECT_EQ(Status(), L"Kept in palorin.gpl");
    Open();
    EXPECT_EQ(FolderNames(roaming), Lines{}) << "nothing written before a colour is added";
    Add("#ffffff");
    Open();
    EXPECT_EQ(ListedColours(dialog), Lines{"#ffffff white"});
    EXPECT_EQ(FolderNames(home), Lines{"palorin.gpl"});
}

// The palette last opened or saved opens at the next start; when it is gone,
// the user's own palette does and the status line says so.
TEST_F(PaletteWindow, TheLastPaletteReopensAtTheNextStart) {
    const std::string brand = File("brand.gpl", kBrand);
    OpenFile(brand);
    EXPECT_EQ(Status(), L"Kept in brand.gpl");
    Open();
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
    ASSERT_TRUE(SavePaletteFile(dialog, (folder + "\\saved.gpl").c_str()));
    Open();
    EXPECT_EQ(Status(), L"Kept in saved.gpl");
    DeleteFileA((folder + "\\saved.gpl").c_str());
    Open();
    EXPECT_EQ(ListedColours(dialog), Lines{});
    EXPECT_EQ(Status(), L"saved.gpl could not be opened: this is palorin.gpl");
    const std::wstring palette(home.begin(), home.end());
    EXPECT_EQ(StatusTip(), L"saved.gpl could not be opened: this is " + palette + L"\\palorin.gpl");
    Add("#ffffff");
    EXPECT_EQ(Status(), L"Kept in palorin.gpl");
    EXPECT_EQ(StatusTip(), palette + L"\\palorin.gpl") << "the tooltip follows the line";
}

// Writes that fail are said on the status line and retried at each change; a
// close then asks, and Cancel keeps the converter open, Don't Save closes it.
// Ctrl+Z takes changes back, written like any change.
TEST_F(PaletteWindow, AFailingWriteThenACloseAsksAndUndoIsWritten) {
    const std::string sub = folder + "\\sub";
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    const std::string path = sub + "\\brand.gpl";
    ASSERT_TRUE(WriteTestFile(path, kBrand));
    OpenFile(path);
    Add("#ffffff");
    SetFocus(List());
    ControlKey('Z');
    EXPECT_EQ(FileColours(path), kBrandShown);
    Add("#ffffff");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(sub.c_str());
    Add("#000000");
    EXPECT_EQ(ClosedMessageBoxes().size(), 1u);
    EXPECT_EQ(Status().rfind(L"Not saved: ", 0), 0u) << std::string(Status().begin(), Status().end());
    Add("#010101");
    EXPECT_EQ(ClosedMessageBoxes(), Lines{}) << "said once";
    Close();
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Cancel keeps the converter open";
    EXPECT_EQ(ClosedMessageBoxes(),
              Lines{"The palette could not be written to " + path +
                    ". Save it elsewhere before closing? [&Save\xe2\x80\xa6|Do&n't Save|Cancel]"});
    AnswerQuestionsWith(IDNO);
    Close();
    AnswerQuestionsWith(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "Don't Save closes it";
    EXPECT_EQ(ClosedMessageBoxes().size(), 1u);
}

// palorin.gpl beside the program (here the test program) opens with every
// converter, is written at each change and untouched otherwise.
TEST_F(PaletteWindow, ThePaletteBesideTheProgramOpensAtStart) {
    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
    std::string beside = program;
    beside = beside.substr(0, beside.rfind('\\') + 1) + "palorin.gpl";
    ASSERT_TRUE(WriteTestFile(beside, kBrand));
    const std::string written = FileIdentity(beside);
    UsePaletteHome(nullptr);
    Open();
    EXPECT_EQ(ListedColours(dialog), kBrandShown);
    Open();
    EXPECT_EQ(FileIdentity(beside), written);
    Add("#ffffff");
    Open();
    DeleteFileA(beside.c_str());
    EXPECT_EQ(ListedColours(dialog), (Lines{"#ffffff white", "#ff0000 Brand red", "#008000",
                                            "#123456 Deep blue"}));
    Open();
    EXPECT_EQ(ListedColours(dialog), Lines{});
}

// The contrast line as the colour changes by typing and by a click in the
// palette, and with Compare on a palette colour, until Compare on it again;
// the entry compared with is marked in the list while it is.
TEST_F(PaletteWindow, TheContrastLineFollowsTheColourAndCompare) {
    OpenFile(File("greys.gpl", "GIMP Palette\n255 255 255\tWhite\n  0   0   0\tBlack\n"));
    HWND hex6 = GetDlgItem(dialog, IDC_HEX6);
    enum Step { kType, kBackspace, kClick, kCompare, kRemove, kStop, kClickLine };
    const Lines plain = {"#ffffff White", "#000000 Black"};
    const Lines white = {"#ffffff White (compared)", "#000000 Black"};
    const Lines black = {"#ffffff White", "#000000 Black (compared)"};
    const struct {
        Step step;
        const char* text;
        int entry;
        std::wstring line;
        Lines listed;
    } steps[] = {
        {kType, "#767676", 0, L"4.54:1 AA on white \u00b7|4.62:1 AA on black", plain},
        {kBackspace, "", 0, L"", plain},
        {kClick, "", 1, L"21.00:1 AAA on white \u00b7|1.00:1 fail on black", plain},
        {kCompare, "", 0, L"21.00:1 AAA|against #ffffff", white},
        {kType, "#767676", 0, L"4.54:1 AA|against #ffffff", white},
        {kCompare, "", 1, L"4.62:1 AA|against #000000", black},
        {kCompare, "", 1, L"4.54:1 AA on white \u00b7|4.62:1 AA on black", plain},
        {kCompare, "", 0, L"4.54:1 AA|against #ffffff", white},
        {kClick, "", 0, L"1.00:1 fail|against #ffffff", white},
        {kStop, "", 0, L"1.00:1 fail on white \u00b7|21.00:1 AAA on black", plain},
        {kCompare, "", 1, L"21.00:1 AAA|against #000000", black},
        {kClickLine, "", 0, L"1.00:1 fail on white \u00b7|21.00:1 AAA on black", plain},
        {kCompare, "", 0, L"1.00:1 fail|against #ffffff", white},
        {kRemove, "", 0, L"1.00:1 fail on white \u00b7|21.00:1 AAA on black", Lines{"#000000 Black"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        switch (s.step) {
        case kType:
            SetFieldText(dialog, IDC_HEX6, "");
            TypeText(hex6, s.text);
            break;
        case kBackspace:
            SendMessageA(hex6, WM_CHAR, VK_BACK, 1);
            break;
        case kClick:
            ClickItem(s.entry);
            break;
        case kCompare:
            RunPaletteMenuCommand(dialog, s.entry, IDM_COMPARE);
            break;
        case kRemove:
            RunPaletteMenuCommand(dialog, s.entry, IDM_REMOVE);
            break;
        case kStop:
            RunPaletteMenuCommand(dialog, s.entry, IDM_STOP_COMPARING);
            break;
        case kClickLine: {
            HWND line = GetDlgItem(dialog, IDC_CONTRAST);
            SendMessageA(line, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageA(line, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            break;
        }
        }
        EXPECT_EQ(ContrastLine(), s.line);
        EXPECT_EQ(ListedColours(dialog), s.listed);
    }
}

// The static control wraps the line only where it may ('|'), and each phrase
// fits a line of its own: no phrase is broken, at the line's width or others.
TEST_F(PaletteWindow, TheContrastLineBreaksOnlyBetweenPhrases) {
    OpenFile(File("white.gpl", "GIMP Palette\n255 255 255\tWhite\n"));
    HWND line = GetDlgItem(dialog, IDC_CONTRAST);
    RECT designed;
    GetClientRect(line, &designed);
    const struct {
        int width;  // 0 for the line's own
        bool compare;
        int lines;
    } cases[] = {{0, false, 2}, {0, true, 1}, {100, true, 2}, {600, false, 1}, {600, true, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const int width = c.width ? c.width : designed.right;
        SetWindowPos(line, nullptr, 0, 0, width, designed.bottom, SWP_NOMOVE | SWP_NOZORDER);
        if (c.compare) RunPaletteMenuCommand(dialog, 0, IDM_COMPARE);
        SetFieldText(dialog, IDC_HEX6, "");
        TypeText(GetDlgItem(dialog, IDC_HEX6), "#767676");
        wchar_t text[128] = L"";
        GetWindowTextW(line, text, 128);
        HDC dc = GetDC(line);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(line, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        RECT drawn = {0, 0, width, 0};
        DrawTextW(dc, text, -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        EXPECT_EQ(drawn.bottom / metrics.tmHeight, c.lines);
        EXPECT_LE(drawn.bottom, designed.bottom) << "cut off";
        for (const wchar_t* phrase = text; *phrase;) {
            const wchar_t* end = phrase;
            while (*end && *end != L' ') ++end;
            RECT one = {0, 0, 0, 0};
            DrawTextW(dc, phrase, static_cast<int>(end - phrase), &one, DT_CALCRECT | DT_SINGLELINE);
            EXPECT_LE(one.right, width) << "a phrase wider than the line";
            phrase = *end ? end + 1 : end;
        }
        SelectObject(dc, old);
        ReleaseDC(line, dc);
        if (c.compare) RunPaletteMenuCommand(dialog, 0, IDM_STOP_COMPARING);
    }
}

}  // namespace
