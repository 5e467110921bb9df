// The converter dialog: opening, buttons, keyboard navigation, system menu and
// label colours. Typed input, painting and the mouse have files of their own.
#include "main_dialog.h"

#include "converter_pick.h"
#include "converter_state.h"
#include "css_group.h"
#include "dialog_control.h"
#include "dialog_frame.h"
#include "field_input.h"
#include "field_refresh.h"
#include "field_table.h"
#include "picture_control.h"
#include "picture_mouse.h"
#include "picture_paint.h"
#include "resource.h"
#include "version_box.h"

namespace {

void SetTextLimits(HWND dialog) {
    for (const ConverterField& field : kConverterFields)
        SendMessageA(DialogControl(dialog, field.id), EM_LIMITTEXT, field.textLimit, 0);
}

void OnInitDialog(HWND dialog, LPARAM lParam) {
    g_fieldsIdle = 1;
    g_instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    SetDialogIcons(dialog, g_instance);
    g_color = reinterpret_cast<ColorRecord*>(lParam);
    // Three quarters of the average character width: the arrow scales with the font.
    g_arrowSize = static_cast<uint16_t>(LOWORD(GetDialogBaseUnits()) * 3 / 4);
    g_dragMode = DRAG_NONE;
    SetTextLimits(dialog);
    FillCssForms(dialog);
    SubclassConverterControls(dialog);
    RefreshConverter(dialog, MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
    AppendVersionMenuItem(dialog);
    AppendPickMenuItem(dialog);
}

// Enter moves on to the next control in creation order: into the next edit of a
// three-field group with its text selected, or presses a following button.
void OnEnterKey(HWND dialog) {
    HWND focus = GetFocus();
    HWND next = focus ? GetWindow(focus, GW_HWNDNEXT) : nullptr;
    char className[24];
    if (!next || !GetClassNameA(next, className, sizeof className)) return;
    if (lstrcmpiA(className, "BUTTON") == 0) {
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(next)), 0);
    } else if (lstrcmpiA(className, "EDIT") == 0) {
        SetFocus(next);
        PostMessageA(next, EM_SETSEL, 0, -1);
    }
}

void OnInvert(HWND dialog) {
    g_color->red = static_cast<uint8_t>(255 - g_color->red);
    g_color->green = static_cast<uint8_t>(255 - g_color->green);
    g_color->blue = static_cast<uint8_t>(255 - g_color->blue);
    RefreshConverter(dialog, MASK_ALL);
}

// Typed input. The dialog's own field writes come back here too; only the user's count.
void OnFieldCommand(HWND dialog, int id, int code) {
    const ConverterField* field = FindConverterField(id);
    if (field && g_fieldsIdle && code == EN_CHANGE) OnFieldChange(dialog, *field);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK:
        OnEnterKey(dialog);
        break;
    case IDCANCEL:
        // Closing during a pick from the screen ends the pick, not the converter.
        if (g_dragMode == DRAG_SCREEN)
            CancelConverterPick();
        else
            EndDialog(dialog, 0);
        break;
    case IDC_NEGAPOSI:
        OnInvert(dialog);
        break;
    case IDC_CSS_FORM:
        if (code == CBN_SELCHANGE) OnCssFormChange(dialog);
        break;
    default:
        OnFieldCommand(dialog, id, code);
        break;
    }
}

void OnSysCommand(HWND dialog, WPARAM command) {
    if (command == IDM_PICK)
        StartMenuPick(dialog);
    else
        OnVersionSysCommand(dialog, command);
}

// The example labels stand out in the highlight colour; the three picture
// statics paint no background, so the dialog's own painting shows through.
INT_PTR OnCtlColorStatic(HDC dc, HWND control) {
    int id = static_cast<int>(GetWindowLongPtrA(control, GWLP_ID));
    if (id >= IDC_EX_FIRST && id <= IDC_EX_LAST) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (id == IDC_SWATCH || id == IDC_PICKER || id == IDC_LUMBAR)
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    return 0;
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // 0: the dialog manager places no initial focus.
        OnInitDialog(dialog, lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand(dialog, wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second press is a press like any other
        OnMouseDown(dialog, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(dialog, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(dialog);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureLost(dialog, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_DESTROY:
        CancelDrag(dialog);
        return 0;
    }
    return 0;
}

INT_PTR RunConverter(HINSTANCE instance, ColorRecord* color) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc,
                           reinterpret_cast<LPARAM>(color));
}
