// Reading the version text from version resources: this program's own and
// those of small fixture libraries built beside the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "version_string.h"

namespace {

// A file next to this test program.
std::string Beside(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of("\\/") + 1) + name;
}

struct Result {
    int ok;
    std::string text;
    UINT capacity;
};

Result Read(const char* file, UINT capacity) {
    std::string path = file ? Beside(file) : "";
    char buffer[64];
    buffer[0] = 'x';
    buffer[1] = '\0';
    Result result = {};
    result.capacity = capacity;
    result.ok = GetVersionString(file ? path.c_str() : nullptr, buffer, &result.capacity);
    result.text = buffer;
    return result;
}

TEST(VersionString, FormatsMajorMinorAndRevision) {
    const struct {
        const char* file;  // null: this program
        const char* text;
    } cases[] = {
        {nullptr, "1.03"},                            // 1.3.1.1: a third number of 1 adds nothing
        {"version_2_5_0_9.dll", "2.05"},              // nor does 0
        {"version_1_100_26_0.dll", "1.100 Rev. 1a"},  // wide minor in full, revision in hex
    };
    for (const auto& c : cases) {
        Result result = Read(c.file, 16);
        EXPECT_EQ(result.ok, 1) << c.text;
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.capacity, std::string(c.text).size());
    }
}

TEST(VersionString, TextThatDoesNotFitLeavesTheBufferEmpty) {
    // "1.03" needs 5 bytes with its terminator.
    Result tight = Read(nullptr, 4);
    EXPECT_EQ(tight.ok, 0);
    EXPECT_EQ(tight.text, "");
    EXPECT_EQ(tight.capacity, 4u);
    EXPECT_EQ(Read(nullptr, 5).ok, 1);

    // The version box's 16 bytes are too few for "65535.65535 Rev. ffff".
    Result wide = Read("version_65535_65535_65535_0.dll", 16);
    EXPECT_EQ(wide.ok, 0);
    EXPECT_EQ(wide.text, "");
    EXPECT_EQ(wide.capacity, 21u);
    EXPECT_EQ(Read("version_65535_65535_65535_0.dll", 22).text, "65535.65535 Rev. ffff");
}

TEST(VersionString, NoVersionResourceGivesAnEmptyText) {
    for (const char* file : {"version_none.dll", "no_such_file.dll"}) {
        Result result = Read(file, 16);
        EXPECT_EQ(result.ok, 0) << file;
        EXPECT_EQ(result.text, "") << file;
        EXPECT_EQ(result.capacity, 0u) << file;
    }
}

}  // namespace
