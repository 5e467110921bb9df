// System libraries come from the system folder only: a library of the same
// name beside the program is never the one loaded.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "system_library.h"

namespace {

TEST(SystemLibrary, ACopyBesideTheProgramIsNeverLoaded) {
    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
    std::string beside = program;
    beside = beside.substr(0, beside.rfind('\\') + 1) + "palorin-decoy.dll";
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\version.dll").c_str(), beside.c_str(), FALSE));
    EXPECT_EQ(LoadSystemLibrary("palorin-decoy.dll"), nullptr);
    HMODULE decoy = LoadLibraryA("palorin-decoy.dll");
    EXPECT_NE(decoy, nullptr) << "the copy beside the program is one a bare name would load";
    if (decoy) FreeLibrary(decoy);
    DeleteFileA(beside.c_str());
    EXPECT_NE(LoadSystemLibrary("version.dll"), nullptr);
}

}  // namespace
