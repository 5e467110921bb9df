// Kills the writer at random moments, again and again, and finds the palette
// file whole every time: the old palette or the new one.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "kill_test_palettes.h"
#include "test_folder.h"

namespace {

std::string WriterPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\') + 1) + "kill_test_writer.exe";
}

std::string Formatted(int which) {
    ByteBuffer bytes = {};
    FormatKillTestPalette(which, &bytes);
    std::string text(bytes.data, bytes.size);
    FreeByteBuffer(&bytes);
    return text;
}

// The time since some fixed moment, in microseconds.
long long Microseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return now.QuadPart * 1000000 / frequency.QuadPart;
}

TEST(KillTest, FindsTheOldPaletteOrTheNewOneWholeAfterEveryKill) {
    const std::string palettes[2] = {Formatted(0), Formatted(1)};
    const std::string folder = MakeTestFolder("palette-kill-");
    const std::string path = folder + "\\palorin.gpl";
    const std::string mappingName = "palorin-kill-test-" + std::to_string(GetCurrentProcessId());
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(WriteCounts), mappingName.c_str());
    ASSERT_NE(mapping, nullptr);
    auto* counts = static_cast<WriteCounts*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_NE(counts, nullptr);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::printf("seed %u\n", seed);
    const int kKills = 100;
    int found[2] = {0, 0};
    int midWrite = 0;
    long long longestWrite = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        counts->begun = counts->ended = 0;
        std::string commandLine = "\"" + WriterPath() + "\" \"" + path + "\" " + mappingName;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        // Once in a long suite under Wine a start failed; the writer's start is
        // not what this tests, so a failed one is said and tried once more.
        bool launched = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                                       nullptr, nullptr, &startup, &process);
        if (!launched) {
            std::printf("kill %d: the writer did not start (error %lu), tried again\n", kill,
                        GetLastError());
            Sleep(100);
            launched = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &process);
        }
        ASSERT_TRUE(launched) << "error " << GetLastError();
        // Once it writes steadily, at a random moment within the next two writes.
        const long long started = Microseconds();
        while (counts->ended < 2 && Microseconds() - started < 10000000) Sleep(0);
        ASSERT_GE(counts->ended, 2) << "the writer wrote nothing";
        const long long steady = Microseconds();
        while (counts->ended < 6) Sleep(0);
        const long long written = Microseconds();
        const long long perWrite = (written - steady) / 4;
        if (perWrite > longestWrite) longestWrite = perWrite;
        const long long wait = std::uniform_int_distribution<long long>(0, 2 * perWrite)(random);
        while (Microseconds() - written < wait) {
        }
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(exitCode, 9u) << "the writer ended before the kill";
        if (counts->begun != counts->ended) ++midWrite;

        const std::string bytes = FileBytes(path);
        const bool whole = bytes == palettes[0] || bytes == palettes[1];
        ASSERT_TRUE(whole) << "kill " << kill << ": " << bytes.size() << " bytes";
        ++found[bytes == palettes[1]];
    }
    std::printf("%d kills, %d in the middle of a write; found the first palette %d times, the "
                "second %d; a write took up to %lld us\n",
                kKills, midWrite, found[0], found[1], longestWrite);
    // Most kills must land in a write, or the test proves little.
    EXPECT_GE(midWrite, kKills / 2);
    // A kill between the temporary file's creation and its rename may leave it
    // behind, but only empty or whole: a partial one deletes itself.
    int leftOver = 0;
    for (const std::string& name : FolderNames(folder)) {
        if (name == "palorin.gpl") continue;
        ++leftOver;
        const std::string bytes = FileBytes(folder + "\\" + name);
        EXPECT_TRUE(bytes.empty() || bytes == palettes[0] || bytes == palettes[1])
            << name << ": " << bytes.size() << " bytes";
    }
    std::printf("%d temporary files left, none partial\n", leftOver);
    UnmapViewOfFile(counts);
    CloseHandle(mapping);
    RemoveTestFolder(folder);
}

}  // namespace
