// palorin.exe's entry point, in place of the C runtime's: the runtime's own
// start-up (arguments, locale, TLS callbacks, pseudo-relocations, exit
// handlers) serves nothing of this program and costs a tenth of its size. The
// C runtime itself is msvcrt.dll, which readies itself when it loads.
#include <windows.h>

extern "C" void __main();  // libgcc's: runs the program's static constructors

// The static constructors register their destructors here. The process ends
// with ExitProcess, which needs none of them run: nothing is flushed, every
// file is closed by the system.
extern "C" int atexit(void (*)(void)) { return 0; }

extern "C" void PalorinEntry() {
    __main();
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL)));
}
