// The converter dialog: opening, buttons, keyboard navigation, system menu and
// label colours. Typed input, painting and the mouse have files of their own.
#include "main_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "contrast_line.h"
#include "control_procedure.h"
#include "converter_pick.h"
#include "css_form_list.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "dialog_frame.h"
#include "field_input.h"
#include "field_refresh.h"
#include "field_table.h"
#include "fields.h"
#include "palette_commands.h"
#include "palette_files.h"
#include "palette_home.h"
#include "palette_list.h"
#include "palette_notify.h"
#include "palette_window.h"
#include "picture_mouse.h"
#include "seen_tips.h"
#include "picture_paint.h"
#include "pictures.h"
#include "resource.h"
#include "version_box.h"

namespace {

HHOOK s_keyHook = nullptr;  // the palette's shortcuts, seen before the dialog manager takes the key

// A converter, told by its dialog procedure: a control id alone could be
// another dialog's (the classic file dialogs have one the palette list has).
bool IsConverter(HWND window) {
    return window &&
           GetWindowLongPtrA(window, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(MainDlgProc);
}

// The palette's command of a key pressed with Ctrl in `focus` (null: in no
// text field), or 0. In a text field Ctrl+Z takes back the typing, as in any
// field.
int PaletteShortcut(WPARAM key, HWND focus) {
    switch (key) {
    case 'D': return IDC_PALETTE_ADD;
    case 'O': return IDC_PALETTE_OPEN;
    case 'S': return IDC_PALETTE_SAVE;
    case 'Z': return IsClass(focus, "Edit") ? 0 : IDM_UNDO;
    default: return 0;
    }
}

// Ctrl+D adds the colour to the palette, Ctrl+O and Ctrl+S open and save,
// Ctrl+Z takes back the palette's last change, wherever the focus is: seen
// here, as the key is taken from the queue, before the dialog manager gives it
// to a control. Not during a pick, whose keys are its own, nor in a menu or in
// a dialog the converter opened (Open, Save). A keyboard hook runs for keys
// alone; a message filter would run for every message of the dialog's loop,
// three round trips to the window server each under Wine.
LRESULT CALLBACK KeyHook(int code, WPARAM key, LPARAM flags) {
    const bool pressed = !(HIWORD(flags) & (KF_UP | KF_ALTDOWN));
    if (code == HC_ACTION && pressed && PaletteShortcut(key, nullptr) &&
        GetKeyState(VK_CONTROL) < 0 && !MouseBusy()) {
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        const bool known = GetGUIThreadInfo(GetCurrentThreadId(), &thread) &&
                           !(thread.flags & GUI_INMENUMODE);
        // With no focus, keys go to the active window.
        HWND target = thread.hwndFocus ? thread.hwndFocus : thread.hwndActive;
        const int command = known ? PaletteShortcut(key, target) : 0;
        HWND dialog = command ? GetAncestor(target, GA_ROOT) : nullptr;
        if (IsConverter(dialog)) {
            PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(command), 0);
            return 1;
        }
    }
    return CallNextHookEx(s_keyHook, code, key, flags);
}

// The palette is the dialog's: a new converter starts with the one at start.
void OnDestroy(HWND dialog) {
    CancelDrag(dialog);
    if (s_keyHook) UnhookWindowsHookEx(s_keyHook);
    s_keyHook = nullptr;
    EndPaletteView();
    EndFields();
    EndSeenTips();
}

void OnInitDialog(HWND dialog, LPARAM lParam) {
    SetDialogIcons(dialog, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)));
    SetCurrentColourRecord(reinterpret_cast<ColorRecord*>(lParam));
    StartPictures();
    StartFields(dialog);
    StartSeenTips(dialog);
    StartPaletteView(dialog);
    if (!s_keyHook)
        s_keyHook = SetWindowsHookExA(WH_KEYBOARD, KeyHook, nullptr, GetCurrentThreadId());
    SubclassConverterControls(dialog);
    RefreshConverter(dialog, MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
    AppendVersionMenuItem(dialog);
    AppendPickMenuItem(dialog);
}

// Enter moves on to the next control in creation order: into the next edit of a
// three-field group with its text selected, or presses a following button. In
// the palette it recalls the colour with the focus.
void OnEnterKey(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && focus == DialogControl(dialog, IDC_PALETTE)) {
        const int entry = FocusedPaletteEntry(dialog);
        if (entry >= 0) RecallPaletteEntry(dialog, static_cast<size_t>(entry));
        return;
    }
    HWND next = focus ? GetWindow(focus, GW_HWNDNEXT) : nullptr;
    if (!next) return;
    if (IsClass(next, "Button")) {
        PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(next)), 0);
    } else if (IsClass(next, "Edit")) {
        SetFocus(next);
        PostMessageA(next, EM_SETSEL, 0, -1);
    }
}

void OnInvert(HWND dialog) {
    CurrentColour().red = static_cast<uint8_t>(255 - CurrentColour().red);
    CurrentColour().green = static_cast<uint8_t>(255 - CurrentColour().green);
    CurrentColour().blue = static_cast<uint8_t>(255 - CurrentColour().blue);
    RefreshConverter(dialog, MASK_ALL);
}

// The colour the contrast fix button offers becomes the converter's.
void OnUseContrastFix(HWND dialog) {
    const ColorRecord* fix = OfferedContrastFix(dialog);
    if (!fix) return;
    CurrentColour().red = fix->red;
    CurrentColour().green = fix->green;
    CurrentColour().blue = fix->blue;
    RefreshConverter(dialog, MASK_ALL);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK:
        OnEnterKey(dialog);
        break;
    case IDCANCEL:
        // Closing during a pick from the screen ends the pick, not the converter.
        if (PickingFromScreen())
            CancelConverterPick();
        else if (MayClosePalette(dialog))
            EndDialog(dialog, 0);
        break;
    case IDC_NEGAPOSI:
        OnInvert(dialog);
        break;
    case IDC_CONTRAST_FIX:
        OnUseContrastFix(dialog);
        break;
    case IDC_CONTRAST:
        // A click on the line while comparing goes back to white and black.
        if (code == STN_CLICKED) ComparePaletteColour(dialog, nullptr);
        break;
    case IDC_CSS_FORM:
        if (code == CBN_SELCHANGE) OnCssFormChange(dialog);
        break;
    case IDC_CSS_DARK:
        if (code == BN_CLICKED) OnCssSchemeChange(dialog);
        break;
    case IDC_PALETTE_ADD:
        // Only a colour the fields show: not one a rejected text left behind.
        if (IsWindowEnabled(DialogControl(dialog, IDC_NEGAPOSI)))
            AddColourToPalette(dialog, CurrentColour());
        break;
    case IDC_PALETTE_OPEN:
        OpenPaletteByDialog(dialog);
        break;
    case IDC_PALETTE_SAVE:
        SavePaletteByDialog(dialog);
        break;
    case IDM_UNDO:
        UndoPaletteChange(dialog);
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

// Text in the system colour `text` on the dialog's face.
INT_PTR OnFace(HDC dc, int text) {
    SetTextColor(dc, GetSysColor(text));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

// The example labels stand out in the highlight colour. The two lines that
// change with every colour get the default colours here, as asking the
// default handler costs a window property lookup, a round trip to the window
// server under Wine, at each repaint. The picture statics paint no
// background, so the dialog's own painting shows through.
INT_PTR OnCtlColorStatic(HDC dc, HWND control) {
    int id = static_cast<int>(GetWindowLongPtrA(control, GWLP_ID));
    if (id >= IDC_EX_FIRST && id <= IDC_EX_LAST) return OnFace(dc, COLOR_HIGHLIGHT);
    if (id == IDC_NEAREST || id == IDC_CONTRAST) return OnFace(dc, COLOR_WINDOWTEXT);
    if (id == IDC_SWATCH || id == IDC_PICKER || id == IDC_LUMBAR ||
        (id >= IDC_SEEN_FIRST && id <= IDC_SEEN_LAST))
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    return 0;
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        RelaySeenTips(dialog, message, wParam, lParam);
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
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        return header->idFrom == IDC_PALETTE && OnPaletteNotify(dialog, header);
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) OnPaletteViewActivated(dialog);
        return 0;
    case WM_DROPFILES:
        OpenDroppedPalette(dialog, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COLOUR_SHOWN:
        InvalidatePictures(dialog, static_cast<UpdateMask>(wParam));
        return 0;
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
        OnDestroy(dialog);
        return 0;
    }
    return 0;
}

void InitConverterControls() {
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

INT_PTR RunConverter(HINSTANCE instance, ColorRecord* color) {
    FindPaletteHomeAhead();
    InitConverterControls();
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDlgProc,
                           reinterpret_cast<LPARAM>(color));
}
