// The converter's controls' own procedure (see picture_control.h). The
// control's previous procedure is kept in its user data, which neither statics
// nor edits use; everything not handled here goes on to it.
#include "control_procedure.h"

#include "accessible_object.h"
#include "accessible_text.h"
#include "dialog_control.h"
#include "face_cues.h"
#include "palette_status.h"
#include "field_repaint.h"
#include "picture_keys.h"
#include "resource.h"

namespace {

bool TakesKeys(int id) { return id == IDC_PICKER || id == IDC_LUMBAR; }

bool AnswersScreenReader(HWND control) {
    const int id = GetDlgCtrlID(control);
    return TakesKeys(id) || id == IDC_SWATCH || id == IDC_PALETTE_STATUS ||
           (id >= IDC_SEEN_FIRST && id <= IDC_SEEN_LAST) || IsClass(control, "Edit");
}

// Every message of every field passes here (a colour change rewrites them
// all): the id is asked for only by the messages that need it.
LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_USERDATA));
    LRESULT result;
    switch (message) {
    case WM_SETTEXT:
        result = CallWindowProcA(previous, control, message, wParam, lParam);
        if (IsClass(control, "Edit")) RepaintRewrittenField(control, previous);
        return result;
    case WM_GETOBJECT:
        if (AnswerGetObject(control, wParam, lParam, &result)) return result;
        break;
    case WM_GETDLGCODE:
        // The arrows come here instead of moving the focus; Tab and Enter stay the dialog's.
        if (TakesKeys(GetDlgCtrlID(control))) return DLGC_WANTARROWS;
        break;
    case WM_KEYDOWN: {
        const int id = GetDlgCtrlID(control);
        if (TakesKeys(id) && OnPictureKey(GetParent(control), id, wParam)) return 0;
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        NoteFieldFocus(control, message == WM_SETFOCUS);
        [[fallthrough]];
    case WM_UPDATEUISTATE:
        if (TakesKeys(GetDlgCtrlID(control))) InvalidateFocusRing(control);
        break;
    default:
        if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST &&
            GetDlgCtrlID(control) == IDC_PALETTE_STATUS)
            RelayPaletteStatusMouse(control, message, wParam, lParam);
        break;
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

}  // namespace

void SubclassConverterControls(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!AnswersScreenReader(child)) continue;
        SetWindowLongPtrA(child, GWLP_USERDATA, GetWindowLongPtrA(child, GWLP_WNDPROC));
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
    }
}
