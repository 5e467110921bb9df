// The palette kept in its file while another program, or another copy of this
// one, changes the file too: every colour either side added is kept, every
// colour either side removed stays removed, and a file that is no palette now
// is not written over.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "palette_document.h"
#include "palette_test_support.h"

namespace {

using Strings = std::vector<std::string>;

class Document : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/palette-document-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder + "/brand.gpl";
        Put("GIMP Palette\nName: Brand\n255 0 0\tRed\n0 0 255\tBlue\n");
        Open(&document);
    }
    void TearDown() override {
        FreePaletteDocument(&document);
        std::system(("rm -rf " + folder).c_str());
    }
    void Put(const std::string& bytes) const {
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    // Another program's change: the file replaced with more at its end.
    void Append(const std::string& line) const {
        FILE* file = std::fopen(path.c_str(), "ab");
        std::fputs(line.c_str(), file);
        std::fclose(file);
    }
    std::string Bytes() const {
        ByteBuffer bytes = {};
        FileProblem problem = {};
        std::string text = ReadWholeFile(path.c_str(), &bytes, &problem) ? std::string(bytes.data, bytes.size) : "";
        FreeByteBuffer(&bytes);
        return text;
    }
    void Open(PaletteDocument* into) const {
        FileProblem problem = {};
        PaletteError error = {};
        ASSERT_EQ(OpenPaletteDocument(into, path.c_str(), &problem, &error), OpenResult::kOpened);
    }

    std::string folder, path;
    PaletteDocument document = {};
};

TEST_F(Document, KeepsWhatAnotherProgramAddedBetweenTwoChanges) {
    ASSERT_EQ(AddToDocument(&document, ColorRecord{0, 255, 0, 0}), PaletteChange::kAdded);
    ASSERT_TRUE(WritePaletteDocument(&document));
    Append("1 2 3\tAppended\n");
    ASSERT_EQ(AddToDocument(&document, ColorRecord{255, 255, 255, 0}), PaletteChange::kAdded);
    const size_t red[] = {2};  // white, lime, red, blue
    ASSERT_EQ(RemoveFromDocument(&document, red, 1), 1u);
    ASSERT_TRUE(WritePaletteDocument(&document));
    EXPECT_EQ(Bytes(),
              "GIMP Palette\nName: Brand\n255 255 255\twhite\n  0 255   0\tlime\n0 0 255\tBlue\n"
              "1 2 3\tAppended\n");
    EXPECT_EQ(Entries(document.palette),
              (Strings{"#ffffff white", "#00ff00 lime", "#0000ff Blue", "#010203 Appended"}));
}

TEST_F(Document, ShowsTheFileAsItIsNowAndKeepsWhatIsNoPalette) {
    Append("1 2 3\tAppended\n");
    EXPECT_TRUE(ReloadPaletteDocument(&document));
    EXPECT_EQ(Entries(document.palette), (Strings{"#ff0000 Red", "#0000ff Blue", "#010203 Appended"}));
    EXPECT_FALSE(ReloadPaletteDocument(&document));

    Put("a letter, not a palette\n");
    ASSERT_EQ(AddToDocument(&document, ColorRecord{0, 255, 0, 0}), PaletteChange::kAdded);
    EXPECT_FALSE(WritePaletteDocument(&document));
    EXPECT_TRUE(document.writeFailed);
    EXPECT_NE(std::string(document.problem.text).find("no palette"), std::string::npos);
    EXPECT_EQ(Bytes(), "a letter, not a palette\n");
    EXPECT_EQ(PaletteSize(document.palette), 4u);
}

// Ctrl+Z: a removal of several comes back where it stood, names and all, and
// the file is as before; an add goes; each step is written like any change.
TEST_F(Document, TakesBackChangesOneCommandAtATime) {
    // (A colour put back is written in GIMP's own layout, as these lines are.)
    Put("GIMP Palette\n#kept\n  1   1   1\tOne\n  2   2   2\n  3   3   3\tThree\n  4   4   4\tFour\n");
    Open(&document);
    const std::string before = Bytes();
    ASSERT_EQ(AddToDocument(&document, ColorRecord{0, 255, 0, 0}), PaletteChange::kAdded);
    const size_t some[] = {4, 2, 4};  // Four and #020202, named in any order
    ASSERT_EQ(RemoveFromDocument(&document, some, 3), 2u);
    ASSERT_TRUE(WritePaletteDocument(&document));
    ASSERT_TRUE(UndoDocumentChange(&document));
    ASSERT_TRUE(WritePaletteDocument(&document));
    EXPECT_EQ(Entries(document.palette),
              (Strings{"#00ff00 lime", "#010101 One", "#020202", "#030303 Three", "#040404 Four"}));
    ASSERT_TRUE(UndoDocumentChange(&document));
    ASSERT_TRUE(WritePaletteDocument(&document));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(UndoDocumentChange(&document));
}

// Two processes, each adding colours of its own to one palette and writing
// after each: the file ends with all of them.
TEST_F(Document, TwoProcessesAddingAtOnceKeepEveryColour) {
    constexpr int kEach = 40;
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            PaletteDocument mine = {};
            Open(&mine);
            for (int i = 0; i < kEach; ++i) {
                AddToDocument(&mine, ColorRecord{static_cast<uint8_t>(i), static_cast<uint8_t>(child), 7, 0});
                if (!WritePaletteDocument(&mine)) _exit(1);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    PaletteDocument after = {};
    Open(&after);
    EXPECT_EQ(PaletteSize(after.palette), 2u + 2 * kEach);
    FreePaletteDocument(&after);
}

}  // namespace
