// palorin.exe's entry point, in place of the C runtime's: the runtime's own
// start-up (arguments, locale, TLS callbacks, pseudo-relocations, exit
// handlers) serves nothing of this program and costs a tenth of its size. The
// C runtime itself is msvcrt.dll, which readies itself when it loads.
#include <windows.h>

// The linker's list of the program's static constructors (the tables the
// colour model builds at start): a count, or -1 and then a null at the end;
// they run last to first, as the C runtime would run them.
extern "C" void (*__CTOR_LIST__[])();

namespace {

void RunStaticConstructors() {
    size_t count = reinterpret_cast<size_t>(__CTOR_LIST__[0]);
    if (count == static_cast<size_t>(-1))
        for (count = 0; __CTOR_LIST__[count + 1]; ++count) {
        }
    for (size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

}  // namespace

// The process ends with ExitProcess: nothing is left to flush, and the system
// closes every handle.
extern "C" void PalorinEntry() {
    RunStaticConstructors();
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOWNORMAL)));
}
