// The settings file: the last palette's path written, and read back from the
// file as a user may have edited it.
#include <gtest/gtest.h>

#include <string>

#include "palette_settings.h"

namespace {

TEST(Settings, LastPaletteAsWrittenAndAsEditedByHand) {
    char text[256];
    ASSERT_TRUE(FormatSettings("C:\\Цвет\\brand 2.gpl", text, sizeof text));
    EXPECT_STREQ(text, "[Palette]\r\nLast=C:\\Цвет\\brand 2.gpl\r\n");
    EXPECT_FALSE(FormatSettings("C:\\a\nb.gpl", text, sizeof text));
    EXPECT_FALSE(FormatSettings("C:\\a.gpl", text, 20));

    const struct {
        const char* file;
        const char* last;  // null: none
    } cases[] = {
        {"[Palette]\r\nLast=C:\\Цвет\\brand 2.gpl\r\n", "C:\\Цвет\\brand 2.gpl"},
        {"; mine\n[Other]\nLast=no\n\n  [Palette]  \n  Last=D:\\p.gpl \t\n", "D:\\p.gpl"},
        {"[Palette]\nLast=D:\\p.gpl", "D:\\p.gpl"},
        {"[Other]\nLast=D:\\p.gpl\n", nullptr},
        {"[Palette]\nLast=\n", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        char path[64] = "";
        const std::string file = c.file;
        EXPECT_EQ(ReadLastPalette(file.data(), file.size(), path, sizeof path), c.last != nullptr);
        if (c.last) {
            EXPECT_STREQ(path, c.last);
        }
    }
    char tiny[4];
    EXPECT_FALSE(ReadLastPalette("[Palette]\nLast=D:\\p.gpl", 23, tiny, sizeof tiny));
}

}  // namespace
