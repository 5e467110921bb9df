// GetDlgItem asks the window server every time under Wine, and one colour
// change looks up some twenty controls; the handles are kept instead. A kept
// handle is trusted only while it is still that dialog's control with that id,
// so a dialog opened again (or a new one) fills the table afresh.
#include "dialog_control.h"

#include "resource.h"

namespace {

constexpr int kFirstId = IDC_HEX6;
constexpr int kLastId = IDC_LUMBAR;
HWND s_controls[kLastId - kFirstId + 1];

bool StillValid(HWND control, HWND dialog, int id) {
    return control && IsWindow(control) && GetParent(control) == dialog &&
           GetDlgCtrlID(control) == id;
}

}  // namespace

HWND DialogControl(HWND dialog, int id) {
    if (id < kFirstId || id > kLastId) return GetDlgItem(dialog, id);
    HWND& kept = s_controls[id - kFirstId];
    if (!StillValid(kept, dialog, id)) kept = GetDlgItem(dialog, id);
    return kept;
}
