// The version item of the converter's system menu and the box it opens.
#include <gtest/gtest.h>

#include <string>

#include "converter_fields.h"
#include "converter_fixture.h"
#include "dialog_driver.h"
#include "resource.h"

namespace {

using VersionBox = ConverterTest;

std::string MenuItemText(HMENU menu, int position) {
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(VersionBox, SystemMenuGetsTheItemOncePerOpening) {
    for (int opening = 0; opening < 2; ++opening) {
        Open({0, 0, 0, 0});
        HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        MENUITEMINFOA separator = {};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoA(menu, 3, TRUE, &separator));
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, 4), static_cast<UINT>(IDM_VERSION));
        EXPECT_EQ(MenuItemText(menu, 4), "Version...(&V)");
        int versionItems = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            versionItems += GetMenuItemID(menu, i) == static_cast<UINT>(IDM_VERSION);
        EXPECT_EQ(versionItems, 1) << "opening " << opening;
    }
}

// The version box runs modally inside WM_SYSCOMMAND; a timer looks at it from
// within that loop and closes it the way the test says.
enum CloseBy { CLOSE_ENTER, CLOSE_ESCAPE, CLOSE_OK_BUTTON };
struct Seen {
    CloseBy closeBy;
    HWND box;
    HWND owner;
    std::string version;
} g_seen;

void CALLBACK LookAtVersionBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA(nullptr, "Version");
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    g_seen.box = box;
    g_seen.owner = GetWindow(box, GW_OWNER);
    g_seen.version = FieldText(box, IDC_VERSION_TEXT);
    HWND ok = GetDlgItem(box, IDCANCEL);
    if (g_seen.closeBy == CLOSE_OK_BUTTON) PostMessageA(ok, BM_CLICK, 0, 0);
    WPARAM key = g_seen.closeBy == CLOSE_ENTER ? VK_RETURN : VK_ESCAPE;
    if (g_seen.closeBy != CLOSE_OK_BUTTON) PostMessageA(ok, WM_KEYDOWN, key, 1);
}

TEST_F(VersionBox, ShowsTheVersionAndClosesWithEnterEscapeAndOk) {
    SetFieldText(dialog, IDC_HEX6, "#00FFFF");
    for (CloseBy closeBy : {CLOSE_ENTER, CLOSE_ESCAPE, CLOSE_OK_BUTTON}) {
        g_seen = {closeBy, nullptr, nullptr, ""};
        SetTimer(nullptr, 0, 20, LookAtVersionBox);
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_VERSION, 0);  // returns when the box has closed
        ASSERT_NE(g_seen.box, nullptr) << closeBy;
        EXPECT_FALSE(IsWindow(g_seen.box)) << closeBy;
        EXPECT_EQ(g_seen.owner, dialog);
        EXPECT_EQ(g_seen.version, "1.03");
    }
    // The converter is as it was.
    EXPECT_EQ(FieldText(dialog, IDC_HEX6), "#00FFFF");
    ExpectFieldsShow(dialog, ExpectedFields(color), {IDC_HEX6});
}

}  // namespace
