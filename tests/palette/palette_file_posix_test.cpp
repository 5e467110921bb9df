// The POSIX file writing: the new bytes in place of the old, no temporary file
// left, and a write that cannot be made leaves the old file whole.
#include <gtest/gtest.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "palette_file.h"

namespace {

std::string ReadAll(const std::string& path) {
    ByteBuffer bytes = {};
    FileProblem problem = {};
    const int read = ReadWholeFile(path.c_str(), &bytes, &problem);
    std::string text = read ? std::string(bytes.data, bytes.size) : "(" + std::string(problem.text) + ")";
    FreeByteBuffer(&bytes);
    return text;
}

int FileCount(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    int count = 0;
    while (dirent* entry = readdir(dir)) count += entry->d_name[0] != '.';
    closedir(dir);
    return count;
}

TEST(WriteFileAtomically, ReplacesTheFileOrLeavesItWhole) {
    char folderTemplate[] = "/tmp/palette-test-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    const std::string path = folder + "/palorin.gpl";
    FileProblem problem = {};
    ASSERT_EQ(WriteFileAtomically(path.c_str(), "old\n", 4, &problem), 1) << problem.text;
    chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(path.c_str(), "new\n", 4, &problem), 1) << problem.text;
    EXPECT_EQ(ReadAll(path), "new\n");
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    // Through a regular file, and onto a folder: refused, nothing left behind.
    EXPECT_EQ(WriteFileAtomically((path + "/x.gpl").c_str(), "x", 1, &problem), 0);
    EXPECT_EQ(problem.code, static_cast<unsigned long>(ENOTDIR));
    ASSERT_EQ(mkdir((folder + "/folder.gpl").c_str(), 0755), 0);
    EXPECT_EQ(WriteFileAtomically((folder + "/folder.gpl").c_str(), "x", 1, &problem), 0);
    EXPECT_NE(problem.text[0], '\0');
    EXPECT_EQ(ReadAll(path), "new\n");
    EXPECT_EQ(FileCount(folder), 2);

    EXPECT_EQ(ReadAll(folder + "/missing.gpl"), "(No such file or directory)");
    ASSERT_EQ(truncate(path.c_str(), kMaxPaletteFileSize + 1), 0);
    EXPECT_EQ(ReadAll(path), "(The file is larger than 16 MB.)");
    unlink(path.c_str());
    rmdir((folder + "/folder.gpl").c_str());
    rmdir(folder.c_str());
}

// Linux's file of a process's memory opens, but a read at its start fails:
// what was read so far is freed, not left for a caller that gave up.
// Through a link the file it points to is written, and the link stays.
TEST(WriteFileAtomically, WritesThroughALink) {
    char folderTemplate[] = "/tmp/palette-test-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    FileProblem problem = {};
    ASSERT_EQ(WriteFileAtomically((folder + "/real.gpl").c_str(), "old\n", 4, &problem), 1);
    ASSERT_EQ(symlink("real.gpl", (folder + "/link.gpl").c_str()), 0);
    ASSERT_EQ(WriteFileAtomically((folder + "/link.gpl").c_str(), "new\n", 4, &problem), 1) << problem.text;
    struct stat status;
    ASSERT_EQ(lstat((folder + "/link.gpl").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(ReadAll(folder + "/real.gpl"), "new\n");
    EXPECT_EQ(FileCount(folder), 2);
    std::system(("rm -rf " + folder).c_str());
}

TEST(ReadWholeFile, AFileThatCannotBeReadWholeLeavesNothingAllocated) {
    ByteBuffer bytes = {};
    FileProblem problem = {};
    ASSERT_EQ(ReadWholeFile("/proc/self/mem", &bytes, &problem), 0);
    EXPECT_EQ(bytes.data, nullptr);
    EXPECT_NE(problem.text[0], '\0');
}

}  // namespace
