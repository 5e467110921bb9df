// The line under the name field and the contrast fix button: what they say
// for a colour, and what a press of the button does. The distances are
// nearest_reference.py's; #767676 is the lightest grey that reaches AA on white.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "accessible_text.h"
#include "converter_fixture.h"
#include "dialog_driver.h"
#include "resource.h"

namespace {

using NamesAndFix = ConverterTest;

std::wstring WideText(HWND dialog, int id) {
    wchar_t text[128] = L"";
    GetDlgItemTextW(dialog, id, text, 128);
    return text;
}

ColorRecord FromHex(int rrggbb) {
    return {static_cast<uint8_t>(rrggbb), static_cast<uint8_t>(rrggbb >> 8),
            static_cast<uint8_t>(rrggbb >> 16), 0};
}

TEST_F(NamesAndFix, TheNearestNameLineFollowsTheColour) {
    const struct {
        int colour;
        const wchar_t* line;
    } cases[] = {
        {0x4682b5, L"\u2248 steelblue (\u0394E 0.2)"},
        {0x123456, L"\u2248 midnightblue (\u0394E 10.4)"},
        {0x00ffff, L"= aqua"},
        {0x663399, L"= rebeccapurple"},  // a CSS name the name field does not show
    };
    for (const auto& c : cases) {
        Open(FromHex(c.colour));
        EXPECT_EQ(WideText(dialog, IDC_NEAREST), c.line);
        // Screen readers hear it as the name field's description.
        wchar_t description[kAccessibleTextSize] = L"";
        EXPECT_TRUE(NameFieldDescription(GetDlgItem(dialog, IDC_NAME), description));
        EXPECT_EQ(std::wstring(description), c.line);
    }
    // Typed into the name field itself, and emptied with the fields.
    SetFieldText(dialog, IDC_NAME, "Teal");
    EXPECT_EQ(WideText(dialog, IDC_NEAREST), L"= teal");
    SetFieldText(dialog, IDC_NAME, "Tea");
    EXPECT_EQ(WideText(dialog, IDC_NEAREST), L"");
}

TEST_F(NamesAndFix, TheFixButtonOffersTheNearestColourThatReachesAA) {
    HWND button = GetDlgItem(dialog, IDC_CONTRAST_FIX);
    Open(FromHex(0x123456));  // 12.26:1 on white: nothing to fix
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_CONTRAST_FIX)));
    Open(FromHex(0x777777));  // 4.47:1
    button = GetDlgItem(dialog, IDC_CONTRAST_FIX);
    EXPECT_TRUE(IsWindowVisible(button));
    EXPECT_EQ(FieldText(dialog, IDC_CONTRAST_FIX), "Use #767676 for AA");
    SetFocus(button);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(FieldText(dialog, IDC_HEX6), "#767676");
    EXPECT_EQ(Rgb(), "118,118,118");
    EXPECT_FALSE(IsWindowVisible(button));
    EXPECT_NE(GetFocus(), button);  // the focus moved on from the hidden button
    // A text that is no colour hides it with the line.
    SetFieldText(dialog, IDC_HEX6, "#77777");
    SetFieldText(dialog, IDC_HEX6, "#777777");
    EXPECT_TRUE(IsWindowVisible(button));
    SetFieldText(dialog, IDC_HEX6, "#7777");
    EXPECT_FALSE(IsWindowVisible(button));
}

// The real mouse resting on a small swatch shows its tooltip.
TEST_F(NamesAndFix, ASmallSwatchHasItsTooltip) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    SetForegroundWindow(dialog);
    RECT swatch;
    GetWindowRect(GetDlgItem(dialog, IDC_SEEN_FIRST + 1), &swatch);
    SetCursorPos((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    HWND tip = nullptr;
    // A move the tooltip hears of, now and then, as a resting mouse makes none;
    // seldom, as a move may start the tooltip's delay over.
    // (A tooltip's delay is the double-click time unless it is set.)
    const int delay = std::max(50, static_cast<int>(GetDoubleClickTime()) / 50 * 50);
    for (int waited = 0; !tip && waited < 6 * delay + 1000; waited += 50) {
        if (waited % (3 * delay) == 0) mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
        PumpMessages();
        Sleep(50);
        for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w;
             w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr))
            if (GetWindow(w, GW_OWNER) == dialog && IsWindowVisible(w)) tip = w;
    }
    ASSERT_NE(tip, nullptr) << "no tooltip shown";
    char text[80] = "";
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uId, static_cast<UINT_PTR>(IDC_SEEN_FIRST + 1));
    EXPECT_STREQ(text, "As seen with deuteranopia");
}

}  // namespace
