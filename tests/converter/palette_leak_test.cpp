// A thousand colours added to the palette and a thousand removed, each change
// written to the palette's file and the list painted with its swatches, leave
// the GDI objects, the windows and the memory as they were: every brush a
// swatch paints with is deleted in that paint.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "gdi_count.h"
#include "palette_commands.h"
#include "palette_files.h"
#include "palette_view.h"
#include "process_usage.h"
#include "resource.h"
#include "test_folder.h"

namespace {

TEST(PaletteLeak, AThousandAddsAndRemovesLeaveNothingBehind) {
    ASSERT_TRUE(GdiCountingWorks()) << "unable to count GDI objects";
    const std::string folder = MakeTestFolder("palette-leak-"), path = folder + "\\leak.gpl";
    ASSERT_TRUE(WriteTestFile(path, "GIMP Palette\n  1   2   3\n  4   5   6\n  7   8   9\n"));
    ColorRecord color = {0, 136, 255, 0};
    HWND dialog = OpenConverter(&color);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(OpenPaletteFile(dialog, path.c_str(), false));
    HWND list = GetDlgItem(dialog, IDC_PALETTE);
    // Add takes the converter's colour, here set without the fields' rewriting,
    // which would take most of the time.
    auto addAndRemove = [&](int i) {
        const unsigned rgb = 0x100000 + i * 97;
        color = {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16), 0};
        SendDlgItemMessageA(dialog, IDC_PALETTE_ADD, BM_CLICK, 0, 0);
        UpdateWindow(list);
        SelectItems(dialog, {3});  // the oldest
        SendMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
        UpdateWindow(list);
    };
    for (int i = 0; i < 4; ++i) addAndRemove(i);  // warm-up
    const int objects = CountGdiObjects(), windows = CountThreadWindows();
    const SIZE_T memory = PrivateBytes();
    for (int i = 4; i < 1004; ++i) addAndRemove(i);
    EXPECT_EQ(CountGdiObjects(), objects);
    EXPECT_EQ(CountThreadWindows(), windows);
    EXPECT_LT(PrivateBytes(), memory + 1024 * 1024);
    // And it still shows and writes the palette: the last three colours added.
    EXPECT_EQ(ListedColours(dialog), (std::vector<std::string>{"#117c0b", "#117baa", "#117b49"}));
    EXPECT_EQ(FileColours(path), ListedColours(dialog));
    DestroyWindow(dialog);
    RemoveTestFolder(folder);
}

}  // namespace
