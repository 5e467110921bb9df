// The converter's buttons, keys, system menu and label colours, and what its
// own field writes do (nothing).
#include <gtest/gtest.h>

#include <string>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "field_refresh.h"
#include "main_dialog.h"
#include "picture_geometry.h"
#include "resource.h"

namespace {

using Commands = ConverterTest;

void ClickInvert(HWND dialog) { SendDlgItemMessageA(dialog, IDC_NEGAPOSI, BM_CLICK, 0, 0); }

TEST_F(Commands, InvertTwiceRestoresAndWhiteBecomesBlack) {
    Open({30, 20, 10, 0});
    ClickInvert(dialog);
    EXPECT_EQ(Rgb(), "245,235,225");
    ExpectFieldsShow(dialog, ExpectedFields(color));
    ClickInvert(dialog);
    EXPECT_EQ(Rgb(), "10,20,30");
    ExpectFieldsShow(dialog, ExpectedFields(color));

    Open({255, 255, 255, 0});
    ClickInvert(dialog);
    EXPECT_EQ(FieldText(dialog, IDC_NAME), "black");
    EXPECT_EQ(FieldText(dialog, IDC_HLS_H), "160");
}

TEST_F(Commands, InvertRewritesTheFieldTheUserTypedIn) {
    SetFieldText(dialog, IDC_HEX6, "#00FFFF");
    ClickInvert(dialog);
    EXPECT_EQ(FieldText(dialog, IDC_HEX6), "#ff0000");
    EXPECT_EQ(FieldText(dialog, IDC_NAME), "red");
}

struct Selection {
    DWORD start, end;
};

Selection SelectionOf(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST_F(Commands, EnterMovesThroughAGroupWithTheTextSelected) {
    Open({30, 20, 10, 0});
    const int groups[][3] = {{IDC_DEC_R, IDC_DEC_G, IDC_DEC_B},
                             {IDC_HEX_R, IDC_HEX_G, IDC_HEX_B},
                             {IDC_HLS_H, IDC_HLS_L, IDC_HLS_S}};
    for (const auto& group : groups) {
        SetFocus(GetDlgItem(dialog, group[0]));
        for (int next = 1; next < 3; ++next) {
            PressEnter(dialog);
            HWND edit = GetDlgItem(dialog, group[next]);
            ASSERT_EQ(GetFocus(), edit) << group[next];
            Selection selection = SelectionOf(edit);
            EXPECT_EQ(selection.start, 0u);
            EXPECT_EQ(selection.end, static_cast<DWORD>(GetWindowTextLengthA(edit)));
        }
        // After a group's last field comes a label or a group box: nothing happens.
        PressEnter(dialog);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, group[2]));
    }
    ExpectFieldsShow(dialog, ExpectedFields(color));
}

TEST_F(Commands, EnterInASingleFieldOrWithoutFocusDoesNothing) {
    for (int id : {IDC_HEX6, IDC_TRIPLE, IDC_NAME}) {
        SetFocus(GetDlgItem(dialog, id));
        PressEnter(dialog);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << id;
    }
    SetFocus(nullptr);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PumpMessages();
    ExpectFieldsShow(dialog, ExpectedFields(color));
    EXPECT_TRUE(IsWindow(dialog));
}

// Runs the converter modally and ends it the way `end` says, from inside its
// own message loop; returns what the dialog returned.
enum EndBy { END_EXIT_BUTTON, END_ESCAPE, END_CLOSE_BOX };
EndBy g_endBy;

INT_PTR CALLBACK EndingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        HWND exit = GetDlgItem(dialog, IDCANCEL);
        if (g_endBy == END_EXIT_BUTTON) PostMessageA(exit, BM_CLICK, 0, 0);
        if (g_endBy == END_ESCAPE)
            PostMessageA(GetDlgItem(dialog, IDC_HEX6), WM_KEYDOWN, VK_ESCAPE, 1);
        if (g_endBy == END_CLOSE_BOX) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return MainDlgProc(dialog, message, wParam, lParam);
}

TEST(ConverterExit, ExitEscapeAndCloseBoxEndTheDialogWithZero) {
    for (EndBy end : {END_EXIT_BUTTON, END_ESCAPE, END_CLOSE_BOX}) {
        g_endBy = end;
        ColorRecord color = {};
        INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN),
                                         nullptr, EndingProc, reinterpret_cast<LPARAM>(&color));
        EXPECT_EQ(result, 0) << "ending " << end;
    }
}

// Counts the change notifications the converter gets, by whether it was idle.
int g_userChanges, g_ownWrites;

INT_PTR CALLBACK CountingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        ++(g_fieldsIdle ? g_userChanges : g_ownWrites);
    return MainDlgProc(dialog, message, wParam, lParam);
}

TEST(ConverterOwnWrites, OnlyTheUsersChangeConverts) {
    ColorRecord color = {};
    UseProcessPaletteHome();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                     CountingProc, reinterpret_cast<LPARAM>(&color));
    ASSERT_NE(dialog, nullptr);
    const struct {
        const char* what;
        int id;
        const char* text;
    } changes[] = {{"accepted", IDC_HEX6, "#00ffff"},
                   {"rejected", IDC_TRIPLE, "(1,"},
                   {"accepted group", IDC_DEC_G, "9"}};
    for (const auto& change : changes) {
        g_userChanges = g_ownWrites = 0;
        SetFieldText(dialog, change.id, change.text);
        EXPECT_EQ(g_userChanges, 1) << change.what;
        EXPECT_GT(g_ownWrites, 0) << change.what;
    }
    g_userChanges = g_ownWrites = 0;
    SendDlgItemMessageA(dialog, IDC_NEGAPOSI, BM_CLICK, 0, 0);
    EXPECT_EQ(g_userChanges, 0);
    EXPECT_GT(g_ownWrites, 0);
    DestroyWindow(dialog);
}

TEST_F(Commands, ExampleLabelsAreHighlightedAndPicturesTransparent) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto colorMessage = [&](int id) {
        SetTextColor(dc, RGB(1, 2, 3));
        return SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
    for (int id : {IDC_EX_HEX6, IDC_EX_DEC_R, IDC_EX_TRIPLE, IDC_EX_NAME, IDC_EX_HLS_S}) {
        EXPECT_EQ(colorMessage(id), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)))
            << id;
        EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_HIGHLIGHT)) << id;
        EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE)) << id;
    }
    for (int id : {IDC_SWATCH, IDC_PICKER, IDC_LUMBAR})
        EXPECT_EQ(colorMessage(id), reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH))) << id;

    // A plain label ("B" of the decimal group, just before the first example label)
    // is left to the dialog manager's default colours.
    HWND plain = GetWindow(GetDlgItem(dialog, IDC_EX_DEC), GW_HWNDPREV);
    ASSERT_EQ(GetDlgCtrlID(plain), -1);
    SetTextColor(dc, RGB(1, 2, 3));
    EXPECT_EQ(MainDlgProc(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(plain)),
              0);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    DeleteDC(dc);
}

RECT ControlRect(HWND dialog, int id) {
    RECT rect;
    HWND control = GetDlgItem(dialog, id);
    GetClientRect(control, &rect);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The dialog's update region after `action`, compared with the union of `rects`.
bool UpdateRegionIs(HWND dialog, std::initializer_list<RECT> rects) {
    HRGN expected = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : rects) {
        HRGN part = CreateRectRgnIndirect(&r);
        CombineRgn(expected, expected, part, RGN_OR);
        DeleteObject(part);
    }
    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(dialog, actual, FALSE);
    bool equal = EqualRgn(expected, actual);
    DeleteObject(expected);
    DeleteObject(actual);
    return equal;
}

TEST_F(Commands, RefreshInvalidatesTheSwatchAndTheChosenPictures) {
    RECT swatch = ControlRect(dialog, IDC_SWATCH), picker = ControlRect(dialog, IDC_PICKER),
         bar = ControlRect(dialog, IDC_LUMBAR);
    // The swatches of the colour as seen with each deficiency go with the
    // swatch, in one rectangle from the swatch to the last of them.
    RECT swatches = swatch;
    const RECT lastSeen = ControlRect(dialog, IDC_SEEN_LAST);
    UnionRect(&swatches, &swatches, &lastSeen);
    int a = g_arrowSize;
    ASSERT_GT(a, 0);
    RECT arrow = ArrowColumn(bar, a);

    // Painted, the pictures know what they show: of the picker only the
    // marker's old and new places are repainted.
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(dialog);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(dialog, dc);
    auto marker = [&] {
        RECT box = MarkerBox(MarkerCentre(picker, g_hls.hue, g_hls.saturation), dpi);
        IntersectRect(&box, &box, &picker);
        return box;
    };
    const RECT oldMarker = marker();
    ValidateRect(dialog, nullptr);
    SetFieldText(dialog, IDC_HEX6, "#123456");  // everything but its own field
    EXPECT_TRUE(UpdateRegionIs(dialog, {swatches, oldMarker, marker(), bar, arrow}));

    ValidateRect(dialog, nullptr);
    SetFieldText(dialog, IDC_HEX6, "#1234");  // rejected: nothing repaints
    EXPECT_TRUE(UpdateRegionIs(dialog, {}));

    ValidateRect(dialog, nullptr);
    // No picture bits: the swatch still, which shows black until it is painted.
    RefreshConverter(dialog, UPD_NAME | UPD_FROM_RGB);
    EXPECT_TRUE(UpdateRegionIs(dialog, {swatches}));

    ValidateRect(dialog, nullptr);
    RefreshConverter(dialog, MASK_LUMBAR_DRAG);
    EXPECT_TRUE(UpdateRegionIs(dialog, {swatches, arrow}));
}

TEST_F(Commands, RefreshFromHlsRecomputesTheColour) {
    g_hls = {200, 120, 231};
    RefreshConverter(dialog, MASK_PICKER_ONLY);
    EXPECT_EQ(Rgb(), "251,4,251");
    EXPECT_EQ(FieldText(dialog, IDC_HEX6), "#000000") << "no field is written";
}

}  // namespace
