// The private copy of the clipboard's text, read in this process.
#include <gtest/gtest.h>

#include <cstring>

#include "clipboard_setup.h"
#include "clipboard_text.h"

namespace {

TEST(CopyClipboardText, CopiesTheText) {
    ASSERT_NE(PutTextOnClipboard("(10,20,30) is my colour"), nullptr);
    char* copy = CopyClipboardText();
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "(10,20,30) is my colour");
    FreeClipboardText(copy);
}

TEST(CopyClipboardText, NothingWithoutText) {
    ASSERT_TRUE(PutImageOnClipboard());
    EXPECT_EQ(CopyClipboardText(), nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(CopyClipboardText(), nullptr);
}

// A block of text with no terminating NUL that ends where readable memory ends:
// reading one byte past it would fault. Blocks of a megabyte get a mapping of
// their own, so the block is sized to end exactly at the end of that mapping.
HGLOBAL AllocateAtMappingEnd(SIZE_T* size) {
    const SIZE_T mapping = 1 << 20;
    HGLOBAL probe = GlobalAlloc(GMEM_MOVEABLE, mapping);
    if (!probe) return nullptr;
    SIZE_T header = reinterpret_cast<UINT_PTR>(GlobalLock(probe)) & 0xFFFF;
    GlobalUnlock(probe);
    GlobalFree(probe);
    *size = mapping - header;
    return GlobalAlloc(GMEM_MOVEABLE, *size);
}

TEST(CopyClipboardText, BlockWithoutTerminatorIsNotReadPastItsEnd) {
    SIZE_T size = 0;
    HGLOBAL block = AllocateAtMappingEnd(&size);
    ASSERT_NE(block, nullptr);
    char* bytes = static_cast<char*>(GlobalLock(block));
    MEMORY_BASIC_INFORMATION after = {};
    VirtualQuery(bytes + size, &after, sizeof after);
    ASSERT_NE(after.State, static_cast<DWORD>(MEM_COMMIT))
        << "the block must end at unreadable memory";
    std::memset(bytes, 'x', size);
    std::memcpy(bytes, "(10,20,30)", 10);
    GlobalUnlock(block);

    // Setting the text writes a NUL over its last byte, so the byte is put back
    // afterwards; this process, as the owner, then reads the very same block.
    ClipboardHolder owner;
    ASSERT_TRUE(owner.open);
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_EQ(SetClipboardData(CF_TEXT, block), block);
    static_cast<char*>(GlobalLock(block))[size - 1] = 'x';
    GlobalUnlock(block);
    ASSERT_EQ(GetClipboardData(CF_TEXT), block);
    ASSERT_TRUE(CloseClipboard());
    owner.open = false;

    char* copy = CopyClipboardText();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::strlen(copy), size);
    EXPECT_EQ(std::strncmp(copy, "(10,20,30)xxx", 13), 0);
    EXPECT_EQ(copy[size - 1], 'x');
    FreeClipboardText(copy);
    PutTextOnClipboard("");
}

}  // namespace
