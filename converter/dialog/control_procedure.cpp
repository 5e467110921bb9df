// The converter's controls' own procedure (see control_procedure.h). The
// control's previous procedure is kept in a table here, not in the control's
// user data, whose writing would cost a round trip to the window server under
// Wine for each control at every start; everything not handled here goes on
// to it. Messages come here as Unicode, as the controls take them.
#include "control_procedure.h"

#include "accessible_object.h"
#include "accessible_text.h"
#include "dialog_control.h"
#include "face_cues.h"
#include "field_repaint.h"
#include "field_table.h"
#include "palette_status.h"
#include "picture_keys.h"
#include "resource.h"

namespace {

struct Subclassed {
    HWND control;
    WNDPROC previous;
    bool field;  // one of the text fields, repainted at once when rewritten
};

// The controls of the converters open now (some twenty-five each); a control
// leaves at its last message.
Subclassed s_subclassed[128];
int s_subclassedCount = 0;

Subclassed* Find(HWND control) {
    for (int i = 0; i < s_subclassedCount; ++i)
        if (s_subclassed[i].control == control) return &s_subclassed[i];
    return nullptr;
}

void Forget(HWND control) {
    if (Subclassed* entry = Find(control)) *entry = s_subclassed[--s_subclassedCount];
}

bool TakesKeys(int id) { return id == IDC_PICKER || id == IDC_LUMBAR; }

// Every message of every field passes here (a colour change rewrites them
// all): the id is asked for only by the messages that need it.
LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclassed* subclassed = Find(control);
    if (!subclassed) return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC previous = subclassed->previous;
    const bool field = subclassed->field;
    LRESULT result;
    switch (message) {
    case WM_NCDESTROY:
        Forget(control);
        break;
    case WM_SETTEXT:
        result = CallWindowProcW(previous, control, message, wParam, lParam);
        if (field) RepaintRewrittenField(control, previous);
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
    return CallWindowProcW(previous, control, message, wParam, lParam);
}

// Puts the procedure in front of `control`'s. Beyond the table's room a
// control keeps its own procedure alone.
void Subclass(HWND control, bool field) {
    if (!control ||
        s_subclassedCount == static_cast<int>(sizeof s_subclassed / sizeof s_subclassed[0]))
        return;
    // A Unicode procedure for Unicode controls: the window server is told
    // only when a window's procedure changes between ANSI and Unicode.
    const LONG_PTR previous = GetWindowLongPtrW(control, GWLP_WNDPROC);
    s_subclassed[s_subclassedCount++] = {control, reinterpret_cast<WNDPROC>(previous), field};
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc));
}

}  // namespace

void SubclassConverterControls(HWND dialog) {
    // Looked up by id, not by walking the dialog's seventy-odd children: under
    // Wine each step of that walk is a round trip to the window server.
    for (const ConverterField& field : kConverterFields) Subclass(DialogControl(dialog, field.id), true);
    static const int kPictures[] = {IDC_PICKER, IDC_LUMBAR, IDC_SWATCH, IDC_PALETTE_STATUS};
    for (int id : kPictures) Subclass(DialogControl(dialog, id), false);
    for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) Subclass(DialogControl(dialog, id), false);
}
