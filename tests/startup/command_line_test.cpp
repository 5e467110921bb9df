// Which part of the command line is read as a colour. Rows marked "start-up
// code differs" are the cases where the C run-time's own lpCmdLine is wrong.
#include <gtest/gtest.h>

#include "command_line.h"

namespace {

struct Row {
    const char* commandLine;
    const char* text;
};

class CommandLineTextTest : public testing::TestWithParam<Row> {};

TEST_P(CommandLineTextTest, IsWhatFollowsTheProgramName) {
    EXPECT_STREQ(CommandLineText(GetParam().commandLine), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CommandLineTextTest, testing::Values(
    Row{"palorin.exe #00ffff", "#00ffff"},
    Row{"\"C:\\Program Files\\palorin.exe\" #00ffff", "#00ffff"},
    Row{"C:\\tools\\palorin.exe\t#0ff", "#0ff"},
    // Blanks, tabs and control characters after the name are skipped...
    Row{"palorin.exe  \t #0ff", "#0ff"},
    Row{"palorin.exe \x01\x1f#0ff", "#0ff"},
    Row{"palorin.exe\x01#0ff", "#0ff"},
    // ...but nothing else is changed: quotes stay, a trailing blank stays.
    Row{"palorin.exe \"#00ffff\"", "\"#00ffff\""},
    Row{"palorin.exe #00ffff ", "#00ffff "},
    Row{"palorin.exe (0, 255, 255)", "(0, 255, 255)"},
    // No text at all.
    Row{"", ""},
    Row{"palorin.exe", ""},
    Row{"palorin.exe   ", ""},
    Row{"\"palorin.exe\"", ""},
    Row{"\"palorin.exe #0ff", ""},
    Row{"\"\" #0ff", "#0ff"},
    // A quoted name ends at its closing quote (start-up code differs: empty).
    Row{"\"palorin.exe\"#00ffff", "#00ffff"},
    // Characters above 127 are not blanks (start-up code differs: it skips them).
    Row{"palorin.exe \xe9t\xe9", "\xe9t\xe9"},
    Row{"palorin\xe9.exe aqua", "aqua"},
    Row{"\"C:\\Fr\xe9" "d\xe9ric\\palorin.exe\" aqua", "aqua"}));
// clang-format on

}  // namespace
