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

// The file stays the user's: hidden stays hidden.
TEST_F(PaletteFile, KeepsTheFilesAttributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    FileProblem problem = {};
    ASSERT_TRUE(Write(path, kNew, &problem)) << problem.text;
    EXPECT_EQ(FileBytes(path), kNew);
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

// A temporary file a crash left beside the palette goes at the next write;
// files of other names stay.
TEST_F(PaletteFile, RemovesTheTemporaryFilesACrashLeft) {
    for (const char* name : {"palorin.gpl.4711.tmp", "palorin.gpl.4711-3.tmp", "palorin.gpl.mine.tmp",
                             "other.gpl.4711.tmp"}) {
        FileProblem problem = {};
        ASSERT_TRUE(Write(folder + "\\" + name, "GIMP Palette\n", &problem)) << problem.text;
    }
    FileProblem problem = {};
    ASSERT_TRUE(Write(path, kNew, &problem)) << problem.text;
    EXPECT_EQ(FolderNames(folder), (Names{"other.gpl.4711.tmp", "palorin.gpl", "palorin.gpl.mine.tmp"}));
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

// The path as the wide calls take it past 260 characters.
std::wstring LongWide(const std::string& utf8) {
    std::wstring wide(utf8.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0],
                                    static_cast<int>(wide.size())) - 1);
    return L"\\\\?\\" + wide;
}

// Names in Cyrillic and Chinese, and a path past 260 characters: written,
// replaced and read back, with the names as given on the disk.
TEST_F(PaletteFile, TakesNamesInAnyScriptAndPathsPast260Characters) {
    ASSERT_EQ(GetACP(), 65001u) << "the manifest makes UTF-8 the code page";
    std::vector<std::string> made = {folder + "\\Цвет 颜色"};
    while (made.back().size() < 300) made.push_back(made.back() + "\\" + std::string(60, 'd'));
    for (const std::string& f : made) ASSERT_TRUE(CreateDirectoryW(LongWide(f).c_str(), nullptr));
    for (const std::string& target : {made[0] + "\\Палитра 调色板.gpl", made.back() + "\\p.gpl"}) {
        SCOPED_TRACE(target);
        FileProblem problem = {};
        ASSERT_TRUE(Write(target, kOld, &problem)) << problem.text;
        ASSERT_TRUE(Write(target, kNew, &problem)) << problem.text;
        EXPECT_TRUE(IsExistingFile(target.c_str()));
        EXPECT_NE(GetFileAttributesW(LongWide(target).c_str()), INVALID_FILE_ATTRIBUTES);
        ByteBuffer bytes = {};
        ASSERT_EQ(ReadWholeFile(target.c_str(), &bytes, &problem), 1) << problem.text;
        EXPECT_EQ(std::string(bytes.data, bytes.size), kNew);
        FreeByteBuffer(&bytes);
        EXPECT_TRUE(DeleteFileW(LongWide(target).c_str()));
    }
    for (auto f = made.rbegin(); f != made.rend(); ++f) RemoveDirectoryW(LongWide(*f).c_str());
}

// Two processes adding to one palette at once, each writing after every
// colour, as two converters or a converter and GIMP may: every colour stays.
TEST_F(PaletteFile, TwoCopiesAddingAtOnceKeepEveryColour) {
    FileProblem problem = {};
    ASSERT_TRUE(Write(path, kOld, &problem)) << problem.text;
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::string adder(program, length);
    adder.replace(adder.rfind('\\') + 1, std::string::npos, "palette_adder.exe");
    PROCESS_INFORMATION copies[2] = {};
    for (int tag = 0; tag < 2; ++tag) {
        std::string line = "\"" + adder + "\" \"" + path + "\" " + std::to_string(tag + 1) + " 30";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessA(adder.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &copies[tag]));
    }
    // Meanwhile a third program reads the file over and over, as a virus
    // scanner or GIMP may: a replace that meets it open waits its turn.
    while (WaitForSingleObject(copies[0].hProcess, 0) == WAIT_TIMEOUT ||
           WaitForSingleObject(copies[1].hProcess, 0) == WAIT_TIMEOUT) {
        ByteBuffer bytes = {};
        ReadWholeFile(path.c_str(), &bytes, &problem);
        FreeByteBuffer(&bytes);
    }
    for (const PROCESS_INFORMATION& copy : copies) {
        DWORD code = 99;
        EXPECT_EQ(WaitForSingleObject(copy.hProcess, 60000), WAIT_OBJECT_0);
        GetExitCodeProcess(copy.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(copy.hProcess);
        CloseHandle(copy.hThread);
    }
    const std::string bytes = FileBytes(path);
    size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    EXPECT_EQ(lines, 2u + 2 * 30) << bytes;  // the header, black and every colour added
}

// What could not be read again is not written: the old file stays.
TEST_F(PaletteFile, RefusesToWriteMoreThanItCouldReadAgain) {
    const std::string large(kMaxPaletteFileSize + 1, '#');
    FileProblem problem = {};
    EXPECT_FALSE(Write(path, large, &problem));
    EXPECT_STREQ(problem.text, "too large to keep: 16777217 bytes");
    EXPECT_EQ(FileBytes(path), kOld);
    EXPECT_EQ(FolderNames(folder), Names{"palorin.gpl"});
}

}  // namespace
