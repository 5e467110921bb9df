// The palette's status line (see palette_status.h).
#include "palette_status.h"

#include <commctrl.h>

#include <cstring>

#include "accessible_text.h"
#include "dialog_control.h"
#include "palette_state.h"
#include "resource.h"

namespace {

// The palette that could not be opened at start; "" when none.
char s_gone[kPathCapacity] = "";

// The line's tooltip, which the dialog destroys with itself. It is made when
// the mouse first comes over the line, not at every start.
HWND s_tip = nullptr;
bool s_tipTried = false;

const char* FileName(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

// The line's text and its whole form (tooltip and description).
void Describe(char* line, size_t lineSize, char* whole, size_t wholeSize) {
    const char* parts[4] = {"", "", "", ""};
    const char* all[4] = {"", "", "", ""};
    if (g_document.writeFailed) {
        parts[0] = all[0] = "Not saved: ";
        parts[1] = all[1] = g_document.problem.text;
        all[2] = " (";
        all[3] = g_document.file;
    } else if (s_gone[0]) {
        parts[0] = all[0] = FileName(s_gone);
        parts[1] = all[1] = " could not be opened: this is ";
        parts[2] = FileName(g_document.file);
        all[2] = g_document.file;
    } else if (g_document.file[0]) {
        parts[0] = "Kept in ";
        parts[1] = FileName(g_document.file);
        all[0] = g_document.file;
    } else {
        parts[0] = all[0] = "Not kept in a file: Save keeps it";
    }
    line[0] = whole[0] = '\0';
    for (int i = 0; i < 4; ++i) {
        lstrcpynA(line + std::strlen(line), parts[i], static_cast<int>(lineSize - std::strlen(line)));
        lstrcpynA(whole + std::strlen(whole), all[i], static_cast<int>(wholeSize - std::strlen(whole)));
    }
    if (all[3][0] && std::strlen(whole) + 2 <= wholeSize) std::strcat(whole, ")");
}

// Sends `message` (adding the tool, or its new text) about the line's tool.
void SendTool(UINT message, HWND dialog, HWND status, const char* text) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(status);
    tool.lpszText = const_cast<char*>(text);  // only read
    SendMessageA(s_tip, message, 0, reinterpret_cast<LPARAM>(&tool));
}

// The tool is the line, whose mouse messages the controls' procedure relays:
// letting the tooltip subclass the line would cost a window property lookup,
// a round trip to the window server under Wine, for each of its messages. Its
// text is the line's whole form, which the line's description already holds.
void MakeTip(HWND dialog, HWND status) {
    s_tipTried = true;
    s_tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                            nullptr, nullptr, nullptr);
    if (!s_tip) return;  // the line stands without its tooltip
    const char* whole = AccessibleDescription(status);
    SendTool(TTM_ADDTOOLA, dialog, status, whole ? whole : "");
    // Paths are long: the tooltip wraps them at the screen's width.
    SendMessageA(s_tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
}

}  // namespace

void SetUpPaletteStatus(HWND) {
    s_tip = nullptr;
    s_tipTried = false;
}

void RelayPaletteStatusMouse(HWND status, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!s_tipTried && message == WM_MOUSEMOVE) MakeTip(GetParent(status), status);
    if (!s_tip) return;
    MSG relayed = {status, message, wParam, lParam, 0, {}};
    SendMessageA(s_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ShowPaletteStatus(HWND dialog) {
    char line[256];
    char whole[kPathCapacity + 256];
    Describe(line, sizeof line, whole, sizeof whole);
    HWND status = DialogControl(dialog, IDC_PALETTE_STATUS);
    SetWindowTextA(status, line);
    SetAccessibleDescription(status, whole);
    if (s_tip) SendTool(TTM_UPDATETIPTEXTA, dialog, status, whole);
}

void NoteGonePalette(const char* path) {
    lstrcpynA(s_gone, path ? path : "", kPathCapacity);
}
