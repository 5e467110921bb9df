// Loading oleacc at run time (see oleacc_library.h). The libraries stay loaded
// until the process ends: objects a screen reader holds still run their code.
#include "oleacc_library.h"

#include "system_library.h"

const GUID kIidIAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

OleaccLibrary s_library;
bool s_tried = false, s_loaded = false;

// GetProcAddress gives a function of no particular type; the casts name the real one.
template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *function != nullptr;
}

// The objects go to a screen reader in another process through COM, which the
// thread must have joined first: as an apartment of its own, served by the
// dialog's message loop. It stays joined until the process ends.
bool JoinCom() {
    HMODULE ole = LoadSystemLibrary("ole32.dll");
    HRESULT(WINAPI * coInitializeEx)(void*, DWORD);
    if (!ole || !Find(ole, "CoInitializeEx", &coInitializeEx)) return false;
    const HRESULT joined = coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(joined) || joined == RPC_E_CHANGED_MODE;  // already in another apartment
}

bool Load() {
    HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    HMODULE oleaut = LoadSystemLibrary("oleaut32.dll");
    return oleacc && oleaut && JoinCom() &&
           Find(oleacc, "CreateStdAccessibleObject", &s_library.createStdAccessibleObject) &&
           Find(oleacc, "LresultFromObject", &s_library.lresultFromObject) &&
           Find(oleaut, "SysAllocString", &s_library.sysAllocString);
}

}  // namespace

const OleaccLibrary* Oleacc() {
    if (!s_tried) {
        s_tried = true;
        s_loaded = Load();
    }
    return s_loaded ? &s_library : nullptr;
}
