// palorin.exe end to end under Wine: the command line and the clipboard decide
// what the program shows first; the user reads and presses its windows from
// outside. A colour on the command line must leave the clipboard alone: those
// runs hold the clipboard open, so any attempt to read it would show the
// "Clipboard Open Error." box instead of ending.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_setup.h"
#include "palorin_process.h"
#include "resource.h"

namespace {

constexpr char kQuick[] = "Quick Convert Result";
constexpr char kConverter[] = "Palorin";
constexpr char kDialogClass[] = "#32770";
// The caption a message box gets when the program gives none.
constexpr char kMessageCaption[] = "Error";

// Which of the quick result box and the converter showed first, or null.
const char* FirstWindow(const PalorinProcess& palorin) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        if (palorin.FindWindowNow(kQuick)) return kQuick;
        if (palorin.FindWindowNow(kConverter)) return kConverter;
        Sleep(10);
    }
    return nullptr;
}

// Starts the program and waits for the quick result box: null if it didn't show.
HWND StartToBox(PalorinProcess& palorin, const std::string& arguments) {
    return palorin.Start(arguments) ? palorin.WaitWindow(kQuick) : nullptr;
}

// Closes the converter as its close box would and expects the program to end.
void CloseConverter(PalorinProcess& palorin, HWND converter) {
    PostMessageA(converter, WM_CLOSE, 0, 0);
    EXPECT_EQ(palorin.WaitExit(), 0u);
}

struct ShownCase {
    const char* arguments;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const ShownCase& row) {
    return out << '\'' << row.arguments << '\'';
}

class CommandLineColour : public testing::TestWithParam<ShownCase> {};

TEST_P(CommandLineColour, ShowsItAndExitsWithoutTheClipboard) {
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, GetParam().arguments);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, IDC_QUICK_TEXT), GetParam().shown);
    PressButton(box, IDCANCEL);
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
    EXPECT_EQ(palorin.FindWindowNow(kMessageCaption, kDialogClass), nullptr);
}

// The arguments follow the program name and one blank.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Notations, CommandLineColour, testing::Values(
    ShownCase{"#00ffff", "(0,255,255)"},
    ShownCase{"#0ff", "(0,255,255)"},
    ShownCase{"aqua", "#00ffff"},
    ShownCase{"fuchsia", "#ff00ff"},
    ShownCase{"(0,255,255)", "#00ffff"},
    ShownCase{"(0%,100%,100%)", "#00ffff"},
    ShownCase{" #0ff", "(0,255,255)"},
    ShownCase{"\t\x01#0ff", "(0,255,255)"},
    ShownCase{"(1,2,3) trailing", "#010203"},
    // What those rules find no colour is then read as H,L,S or any CSS colour.
    ShownCase{"oklch(63.7% 0.237 25.331)", "#fb2c36"},
    ShownCase{"rgb(0 255 255)", "#00ffff"},
    ShownCase{"color-mix(in srgb, red 25%, blue)", "#4000bf"},
    ShownCase{"rgb(from red r g calc(b + 20))", "#ff0014"},
    ShownCase{"rebeccapurple", "#663399"},
    ShownCase{"#0ff8", "(0,255,255)"},
    ShownCase{"120,120,240", "#00ffff"}));
// clang-format on

// Texts that are no colour: the program goes on to the clipboard's 'red'.
class CommandLineNoColour : public testing::TestWithParam<const char*> {};

TEST_P(CommandLineNoColour, FallsThroughToTheClipboard) {
    ASSERT_NE(PutTextOnClipboard("red"), nullptr);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, GetParam());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, IDC_QUICK_TEXT), "#ff0000");
    PressButton(box, IDCANCEL);
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommandLineNoColour,
                         testing::Values("\"#00ffff\"", "#00ffff ", "", "nocolour",
                                         "rgb(0 255 255) ", "calc(1)"));

TEST(ClipboardColour, ACssColourThereShowsToo) {
    ASSERT_NE(PutTextOnClipboard("hsl(0 100% 50%)"), nullptr);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, IDC_QUICK_TEXT), "#ff0000");
    PressButton(box, IDCANCEL);
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
}

TEST(EndingTheBox, EscapeEndsTheProgram) {
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "#00ffff");
    ASSERT_NE(box, nullptr);
    // A key goes to the active window: the box, once it has come to the front.
    for (DWORD start = GetTickCount();
         GetForegroundWindow() != box && GetTickCount() - start < 2000;)
        Sleep(10);
    ASSERT_EQ(GetForegroundWindow(), box);
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
}

TEST(EndingTheBox, CloseBoxEndsTheProgram) {
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "#00ffff");
    ASSERT_NE(box, nullptr);
    POINT closeBox = CloseBoxPoint(box);
    ASSERT_GE(closeBox.x, 0);
    ASSERT_TRUE(ClickAt(closeBox));
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
}

TEST(EndingTheBox, MainDialogOpensTheConverterWithTheColour) {
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "aqua");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDC_TO_MAIN);
    // Straight to the converter: a look at the held clipboard would have shown an error first.
    HWND converter = palorin.WaitWindow(kConverter);
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(palorin.FindWindowNow(kMessageCaption, kDialogClass), nullptr);
    EXPECT_EQ(palorin.FindWindowNow(kQuick), nullptr);
    EXPECT_EQ(ItemText(converter, IDC_HEX6), "#00ffff");
    EXPECT_EQ(ItemText(converter, IDC_NAME), "aqua");
    CloseConverter(palorin, converter);
}

struct ClipboardCase {
    const char* name;
    std::string bytes;  // exactly the block's bytes; a terminated text ends with '\0'
    const char* shown;  // null: the converter opens at once, black
};

std::ostream& operator<<(std::ostream& out, const ClipboardCase& row) { return out << row.name; }

class ClipboardText : public testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardText, ShowsTheColourOrOpensTheConverterBlack) {
    const ClipboardCase& row = GetParam();
    ASSERT_NE(PutTextOnClipboard(row.bytes.data(), row.bytes.size()), nullptr);
    PalorinProcess palorin;
    ASSERT_TRUE(palorin.Start(""));
    const char* first = FirstWindow(palorin);
    ASSERT_NE(first, nullptr);
    if (row.shown) {
        ASSERT_STREQ(first, kQuick);
        HWND box = palorin.FindWindowNow(kQuick);
        EXPECT_EQ(ItemText(box, IDC_QUICK_TEXT), row.shown);
        // The program closed the clipboard before it showed the box.
        EXPECT_TRUE(OpenClipboard(nullptr));
        CloseClipboard();
        PressButton(box, IDCANCEL);
        EXPECT_EQ(palorin.WaitExit(3000), 0u);
    } else {
        ASSERT_STREQ(first, kConverter);
        HWND converter = palorin.FindWindowNow(kConverter);
        EXPECT_EQ(ItemText(converter, IDC_HEX6), "#000000");
        CloseConverter(palorin, converter);
    }
}

using namespace std::string_literals;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ClipboardText, testing::Values(
    ClipboardCase{"Name", "red\0"s, "#ff0000"},
    ClipboardCase{"TextAfterTriple", "(10,20,30) is my colour\0"s, "#0a141e"},
    ClipboardCase{"HexThenLineBreak", "#00ffff\r\n\0"s, nullptr},
    ClipboardCase{"NameThenLineBreak", "red\r\n\0"s, nullptr},
    // The program must not read past the block; Wine itself also cuts such a
    // text short by its last byte, which this text survives either way.
    ClipboardCase{"NoTerminator", "(10,20,30)xyz"s, "#0a141e"}),
    [](const testing::TestParamInfo<ClipboardCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(Clipboard, MainDialogOpensTheConverterWithItsColour) {
    ASSERT_NE(PutTextOnClipboard("red"), nullptr);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDC_TO_MAIN);
    HWND converter = palorin.WaitWindow(kConverter);
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(ItemText(converter, IDC_HEX6), "#ff0000");
    CloseConverter(palorin, converter);
}

TEST(Clipboard, ImageWithoutTextOpensTheConverterAtOnce) {
    ASSERT_TRUE(PutImageOnClipboard());
    PalorinProcess palorin;
    ASSERT_TRUE(palorin.Start(""));
    ASSERT_STREQ(FirstWindow(palorin), kConverter);
    EXPECT_EQ(palorin.FindWindowNow(kMessageCaption, kDialogClass), nullptr);
    HWND converter = palorin.FindWindowNow(kConverter);
    EXPECT_EQ(ItemText(converter, IDC_HEX6), "#000000");
    CloseConverter(palorin, converter);
}

TEST(Clipboard, HugeTextStartingWithAColour) {
    std::string text(64 << 20, 'x');
    text.replace(0, 11, "(0,255,255)");
    text.back() = '\0';
    ASSERT_NE(PutTextOnClipboard(text.data(), text.size()), nullptr);
    PalorinProcess palorin;
    ASSERT_TRUE(palorin.Start(""));
    HWND box = palorin.WaitWindow(kQuick, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, IDC_QUICK_TEXT), "#00ffff");
    PressButton(box, IDCANCEL);
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
    PutTextOnClipboard("");
}

// Another program keeps the clipboard open: one warning, then the converter, black.
TEST(Clipboard, HeldOpenShowsOneWarningThenTheConverter) {
    ASSERT_NE(PutTextOnClipboard("red"), nullptr);
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    ASSERT_TRUE(palorin.Start(""));
    HWND message = palorin.WaitWindow(kMessageCaption, 10000, kDialogClass);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(GetWindow(message, GW_OWNER), nullptr);
    // The text, a warning icon and a lone "OK".
    std::vector<std::string> texts;
    int buttons = 0;
    HWND icon = nullptr;
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0) {
            ++buttons;
            EXPECT_EQ(ItemText(message, GetDlgCtrlID(child)), "OK");
        } else if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            icon = child;
        } else {
            texts.push_back(ItemText(message, GetDlgCtrlID(child)));
        }
    }
    EXPECT_EQ(texts, std::vector<std::string>{"Clipboard Open Error."});
    EXPECT_EQ(buttons, 1);
    ASSERT_NE(icon, nullptr);
    bool warning = false;
    for (DWORD start = GetTickCount(); !warning && GetTickCount() - start < 2000; Sleep(50))
        warning = ShowsSystemIcon(icon, IDI_WARNING);
    EXPECT_TRUE(warning);

    PressButton(message, IDOK);
    HWND converter = palorin.WaitWindow(kConverter);
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(palorin.FindWindowNow(kMessageCaption, kDialogClass), nullptr);
    EXPECT_EQ(ItemText(converter, IDC_HEX6), "#000000");
    CloseConverter(palorin, converter);
}

// The version item of the box's system menu opens the version box, owned by it.
TEST(QuickBox, VersionItemOpensTheVersionBoxOwnedByIt) {
    ClipboardHolder held;
    ASSERT_TRUE(held.open);
    PalorinProcess palorin;
    HWND box = StartToBox(palorin, "#00ffff");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_SYSCOMMAND, IDM_VERSION, 0);
    HWND version = palorin.WaitWindow("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(GetWindow(version, GW_OWNER), box);
    PressButton(version, IDCANCEL);
    EXPECT_TRUE(palorin.WaitGone("Version"));
    EXPECT_NE(palorin.FindWindowNow(kQuick), nullptr);
    PressButton(box, IDCANCEL);
    EXPECT_EQ(palorin.WaitExit(3000), 0u);
}

}  // namespace
