// What a screen reader finds in the converter, asked as one asks, in the
// program's own process: AccessibleObjectFromWindow on each control, its name,
// role and value after typing, dragging and keys, and the value-change events
// (SetWinEventHook) that make it speak.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "contrast_line.h"
#include "current_colour.h"
#include "palette_state.h"
#include "pictures.h"
#include "dialog_driver.h"
#include "pattern_window.h"
#include "picture_probe.h"
#include "real_input.h"
#include "resource.h"

namespace {

const GUID kIidIAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Narrow(BSTR text) {
    std::string narrow;
    for (const WCHAR* c = text; c && *c; ++c) narrow += static_cast<char>(*c);
    SysFreeString(text);
    return narrow;
}

// What the control's accessible object says of itself.
struct Heard {
    std::string name, value, description;
    LONG role = 0;
};

Heard Ask(HWND control) {
    Heard heard;
    IAccessible* object = nullptr;
    HRESULT result = AccessibleObjectFromWindow(control, OBJID_CLIENT, kIidIAccessible,
                                                reinterpret_cast<void**>(&object));
    EXPECT_EQ(result, S_OK) << "control " << GetDlgCtrlID(control);
    if (FAILED(result)) return heard;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK) heard.name = Narrow(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK) heard.value = Narrow(text);
    text = nullptr;
    if (object->get_accDescription(self, &text) == S_OK) heard.description = Narrow(text);
    VARIANT role;
    VariantInit(&role);
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) heard.role = role.lVal;
    object->Release();
    return heard;
}

// The controls whose value-change events arrived since the last call.
std::set<HWND> g_changed;

void CALLBACK OnValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_changed.insert(window);
}

class AccessTest : public PictureTest {
protected:
    void SetUp() override {
        hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                               OnValueChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
    }
    void TearDown() override {
        UnhookWinEvent(hook);
        PictureTest::TearDown();
    }
    HWND Control(int id) const { return GetDlgItem(dialog, id); }
    Heard AskControl(int id) const { return Ask(Control(id)); }
    std::string ValueOf(int id) const { return AskControl(id).value; }

    // The pictures that told of a new value since the last call.
    std::set<int> Changed() {
        PumpMessages();
        std::set<int> ids;
        for (HWND window : g_changed) ids.insert(GetDlgCtrlID(window));
        g_changed.clear();
        return ids;
    }

    HWINEVENTHOOK hook = nullptr;
};

TEST_F(AccessTest, EveryFieldIsNamedByItsGroupAndLabelAndThePicturesByWhatTheySet) {
    Open(0, 255, 255);
    const struct {
        int id;
        const char* name;
        LONG role;
    } controls[] = {
        {IDC_HEX6, "#RRGGBB", ROLE_SYSTEM_TEXT},
        {IDC_HEX3, "#RGB", ROLE_SYSTEM_TEXT},
        {IDC_PERCENT, "(R%,G%,B%)", ROLE_SYSTEM_TEXT},
        {IDC_DEC_R, "RGB - dec R", ROLE_SYSTEM_TEXT},
        {IDC_DEC_G, "RGB - dec G", ROLE_SYSTEM_TEXT},
        {IDC_DEC_B, "RGB - dec B", ROLE_SYSTEM_TEXT},
        {IDC_HEX_R, "RGB - hex R", ROLE_SYSTEM_TEXT},
        {IDC_HEX_G, "RGB - hex G", ROLE_SYSTEM_TEXT},
        {IDC_HEX_B, "RGB - hex B", ROLE_SYSTEM_TEXT},
        {IDC_TRIPLE, "(R,G,B)", ROLE_SYSTEM_TEXT},
        {IDC_NAME, "Netscape Color Name", ROLE_SYSTEM_TEXT},
        {IDC_HLS_H, "HLS H", ROLE_SYSTEM_TEXT},
        {IDC_HLS_L, "HLS L", ROLE_SYSTEM_TEXT},
        {IDC_HLS_S, "HLS S", ROLE_SYSTEM_TEXT},
        {IDC_CSS, "CSS", ROLE_SYSTEM_TEXT},
        {IDC_PICKER, "Hue and saturation", ROLE_SYSTEM_SLIDER},
        {IDC_LUMBAR, "Lightness", ROLE_SYSTEM_SLIDER},
        {IDC_SWATCH, "Colour", ROLE_SYSTEM_GRAPHIC},
    };
    for (const auto& control : controls) {
        const Heard heard = AskControl(control.id);
        EXPECT_EQ(heard.name, control.name) << control.id;
        EXPECT_EQ(heard.role, control.role) << control.id;
    }
    // A field's value stays the platform's: its text.
    EXPECT_EQ(ValueOf(IDC_HEX6), "#00ffff");
    EXPECT_EQ(ValueOf(IDC_HLS_S), "240");
    // The palette's status line reads as it shows, its whole path as its description.
    const Heard status = AskControl(IDC_PALETTE_STATUS);
    EXPECT_EQ(status.name, "Kept in palorin.gpl");
    EXPECT_EQ(status.description, g_document.file);
}

// Values follow typing, keys and a drag, and each change is told of the
// pictures whose value it changed, no others.
TEST_F(AccessTest, ValuesFollowEveryChangeAndEachChangeIsTold) {
    OpenForKeys(255, 0, 0);
    Changed();
    // The swatches of the colour as seen with each deficiency are told of
    // when their own value changes: with `base`, those whose value changed
    // since the last step.
    std::map<int, std::string> seen;
    auto told = [&](std::set<int> base) {
        for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) {
            const std::string value = ValueOf(id);
            if (value != seen[id]) base.insert(id);
            seen[id] = value;
        }
        return base;
    };
    told({});
    EXPECT_EQ(ValueOf(IDC_SEEN_FIRST), "#6d5f00");  // red, as protanopia sees it
    EXPECT_EQ(ValueOf(IDC_PICKER), "hue 0, saturation 240");
    EXPECT_EQ(ValueOf(IDC_LUMBAR), "120");
    EXPECT_EQ(ValueOf(IDC_SWATCH), "#ff0000 red");

    SetFieldText(dialog, IDC_TRIPLE, "(0,0,255");
    TypeText(Control(IDC_TRIPLE), ")");
    EXPECT_EQ(ValueOf(IDC_TRIPLE), "(0,0,255)");
    EXPECT_EQ(ValueOf(IDC_PICKER), "hue 160, saturation 240");
    EXPECT_EQ(ValueOf(IDC_LUMBAR), "120");
    EXPECT_EQ(ValueOf(IDC_SWATCH), "#0000ff blue");
    EXPECT_EQ(Changed(), told(std::set<int>{IDC_PICKER, IDC_SWATCH}));

    SetFieldText(dialog, IDC_NAME, "Blue");  // the same colour: nothing to tell
    EXPECT_EQ(Changed(), told(std::set<int>{}));

    SetFocus(Control(IDC_LUMBAR));
    RealKey(VK_UP);
    EXPECT_EQ(ValueOf(IDC_LUMBAR), "121");
    EXPECT_EQ(Changed(), told(std::set<int>{IDC_LUMBAR, IDC_SWATCH}));

    SetFocus(Control(IDC_PICKER));
    RealKey(VK_LEFT);
    EXPECT_EQ(ValueOf(IDC_PICKER), "hue 159, saturation 240");
    EXPECT_EQ(Changed(), told(std::set<int>{IDC_PICKER, IDC_SWATCH}));

    // Dragged to the bottom left corner: hue 0, no saturation, a grey of
    // lightness 121, 128 on the 255 scale.
    const RECT picker = Picker();
    Press(picker.left + 5, picker.top + 5);
    Move(picker.left, picker.bottom - 1);
    Release(picker.left, picker.bottom - 1);
    EXPECT_EQ(ValueOf(IDC_PICKER), "hue 0, saturation 0");
    EXPECT_EQ(ValueOf(IDC_SWATCH), "#808080 gray");
    EXPECT_EQ(Changed(), told(std::set<int>{IDC_PICKER, IDC_SWATCH}));
}

COLORREF SteelBlue(int, int) { return RGB(70, 130, 180); }

// During a pick from the screen, the window that takes the keys says the colour
// a pick would keep, and tells of it at every move.
TEST_F(AccessTest, APickFromTheScreenSaysTheColourItWouldKeep) {
    OpenForKeys(255, 0, 0);
    HWND pattern = ShowPattern({40, 40, 80, 80}, SteelBlue);  // clear of the converter
    ASSERT_NE(pattern, nullptr);
    ASSERT_TRUE(RealMouseTo({60, 60}));
    SendMessageA(dialog, WM_SYSCOMMAND, IDM_PICK, 0);
    ASSERT_EQ(g_dragMode, DRAG_SCREEN);
    HWND pick = FindWindowA("PalorinPick", nullptr);
    ASSERT_NE(pick, nullptr);
    PumpMessages();
    g_changed.clear();
    RealKey(VK_RIGHT);
    PumpMessages();
    EXPECT_TRUE(g_changed.count(pick)) << "no value change told by the pick's window";
    const Heard heard = Ask(pick);
    EXPECT_EQ(heard.name, "Pick from the screen");
    EXPECT_EQ(heard.value, "#4682b4 steelblue");
    RealKey(VK_ESCAPE);
    EXPECT_EQ(g_dragMode, DRAG_NONE);
    DestroyWindow(pattern);
}

}  // namespace
