// GetDlgItem asks the window server every time under Wine, and one colour
// change looks up some twenty controls; the handles are kept instead. A kept
// handle is trusted only while it is still that dialog's control with that id,
// so a dialog opened again (or a new one) fills the table afresh.
#include "dialog_control.h"

namespace {

struct KeptControl {
    int id;
    HWND control;
};

// Room for every control the converter looks up; any beyond are looked up each time.
KeptControl s_kept[64];
int s_keptCount = 0;

bool StillValid(HWND control, HWND dialog, int id) {
    return control && IsWindow(control) && GetParent(control) == dialog &&
           GetDlgCtrlID(control) == id;
}

}  // namespace

HWND DialogControl(HWND dialog, int id) {
    for (int i = 0; i < s_keptCount; ++i) {
        KeptControl& kept = s_kept[i];
        if (kept.id != id) continue;
        if (!StillValid(kept.control, dialog, id)) kept.control = GetDlgItem(dialog, id);
        return kept.control;
    }
    HWND control = GetDlgItem(dialog, id);
    if (s_keptCount < static_cast<int>(sizeof s_kept / sizeof s_kept[0]))
        s_kept[s_keptCount++] = {id, control};
    return control;
}

bool IsClass(HWND window, const char* name) {
    char className[16];
    return GetClassNameA(window, className, sizeof className) && lstrcmpiA(className, name) == 0;
}
