// What this process holds, for the tests that check that nothing is left behind.
#pragma once
#include <windows.h>

// The windows of this thread, top-level and child.
int CountThreadWindows();
// The process's private memory, in bytes.
SIZE_T PrivateBytes();
