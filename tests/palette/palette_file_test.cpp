// The Windows file writing against real failures: each leaves the old file
// whole, no temporary file behind, and a message to show.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "palette_file.h"
#include "test_folder.h"

namespace {

using Names = std::vector<std::string>;

const std::string kOld = "GIMP Palette\r\n  0   0   0\tBlack\r\n";
const std::string kNew = "GIMP Palette\n255 255 255\tWhite\n";

bool Write(const std::string& path, const std::string& bytes, FileProblem* problem) {
    return WriteFileAtomically(path.c_str(), bytes.data(), bytes.size(), problem) == 1;
}

class PaletteFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTestFolder("palette-file-");
        path = folder + "\\palorin.gpl";
        FileProblem problem = {};
        ASSERT_TRUE(Write(path, kOld, &problem)) << problem.text;
    }
    void TearDown() override { RemoveTestFolder(folder); }

    // The write fails with a message, and the folder holds what it held.
    void ExpectRefused(const std::string& target, const Names& names) {
        FileProblem problem = {};
        EXPECT_FALSE(Write(target, kNew, &problem));
        EXPECT_NE(problem.code, 0u);
        EXPECT_GT(std::strlen(problem.text), 5u) << problem.text;
        EXPECT_EQ(FolderNames(folder), names);
        EXPECT_EQ(FileBytes(path), kOld);
    }

    std::string folder;
    std::string path;
};

TEST_F(PaletteFile, ReplacesTheFileAndLeavesNothingBeside) {
    FileProblem problem = {};
    ASSERT_TRUE(Write(path, kNew, &problem)) << problem.text;
    EXPECT_EQ(FileBytes(path), kNew);
    EXPECT_EQ(FolderNames(folder), Names{"palorin.gpl"});
    ByteBuffer bytes = {};
    ASSERT_EQ(ReadWholeFile(path.c_str(), &bytes, &problem), 1) << problem.text;
    EXPECT_EQ(std::string(bytes.data, bytes.size), kNew);
    FreeByteBuffer(&bytes);
}

TEST_F(PaletteFile, RefusesAPathThroughAFileAndANameThatIsAFolder) {
    ExpectRefused(path + "\\inner.gpl", Names{"palorin.gpl"});
    ASSERT_TRUE(CreateDirectoryA((folder + "\\folder.gpl").c_str(), nullptr));
    ExpectRefused(folder + "\\folder.gpl", (Names{"folder.gpl", "palorin.gpl"}));
}

TEST_F(PaletteFile, KeepsAFileThatAnotherProgramHoldsWhole) {
    // Opened without sharing delete, as an editor may hold a file.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExpectRefused(path, Names{"palorin.gpl"});
    CloseHandle(held);
}

TEST_F(PaletteFile, ReportsAFolderRemovedMeanwhile) {
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
    FileProblem problem = {};
    EXPECT_FALSE(Write(path, kNew, &problem));
    EXPECT_EQ(problem.code, static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
    EXPECT_STRNE(problem.text, "");
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PaletteFile, RefusesToReadAFileTooLargeMissingOrAFolder) {
    const std::string large = folder + "\\large.gpl";
    HANDLE file = CreateFileA(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = kMaxPaletteFileSize + 1;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    const struct {
        std::string path;
        const char* text;
    } cases[] = {
        {large, "The file is larger than 16 MB."},
        {folder + "\\missing.gpl", nullptr},
        {folder, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ByteBuffer bytes = {};
        FileProblem problem = {};
        EXPECT_EQ(ReadWholeFile(c.path.c_str(), &bytes, &problem), 0);
        if (c.text) {
            EXPECT_STREQ(problem.text, c.text);
        } else {
            EXPECT_NE(problem.code, 0u);
            EXPECT_STRNE(problem.text, "");
        }
        FreeByteBuffer(&bytes);
    }
}

}  // namespace
