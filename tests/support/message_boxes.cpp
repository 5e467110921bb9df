// Closing message boxes (see message_boxes.h). A timer runs in every modal
// loop of the thread, a message box's included, so it finds the box there.
#include "message_boxes.h"

namespace {

// The static that holds a message box's text, on Windows and in Wine.
constexpr int kMessageTextId = 0xFFFF;

// An owned dialog with that static and an OK or a Yes button: not the
// converter, whose labels have that id too but which has no owner.
bool IsMessageBox(HWND window) {
    char className[16];
    return IsWindowVisible(window) && GetWindow(window, GW_OWNER) &&
           GetDlgItem(window, kMessageTextId) && (GetDlgItem(window, IDOK) || GetDlgItem(window, IDYES)) &&
           GetClassNameA(window, className, sizeof className) && lstrcmpA(className, "#32770") == 0;
}

UINT_PTR g_timer;
int g_answer = IDCANCEL;
std::vector<std::string> g_texts;
std::vector<HWND> g_closing;  // told to close, and perhaps not gone yet

BOOL CALLBACK CloseIfMessageBox(HWND window, LPARAM) {
    if (!IsMessageBox(window)) return TRUE;
    for (HWND closing : g_closing)
        if (closing == window) return TRUE;
    g_closing.push_back(window);
    char shown[1024] = "";
    GetDlgItemTextA(window, kMessageTextId, shown, sizeof shown);
    std::string text = shown;
    // A question's buttons, as they read: " [Yes|No|Cancel]".
    if (!GetDlgItem(window, IDOK)) {
        text += " [";
        for (int id : {IDYES, IDNO, IDCANCEL}) {
            GetDlgItemTextA(window, id, shown, sizeof shown);
            text += std::string(id == IDYES ? "" : "|") + shown;
        }
        text += "]";
    }
    g_texts.push_back(text);
    PostMessageA(window, WM_COMMAND, GetDlgItem(window, IDOK) ? IDOK : g_answer, 0);
    return TRUE;
}

void CALLBACK LookForMessageBoxes(HWND, UINT, UINT_PTR, DWORD) {
    std::vector<HWND> still;
    for (HWND closing : g_closing)
        if (IsWindow(closing)) still.push_back(closing);
    g_closing.swap(still);
    EnumThreadWindows(GetCurrentThreadId(), CloseIfMessageBox, 0);
}

}  // namespace

void StartClosingMessageBoxes() {
    if (!g_timer) g_timer = SetTimer(nullptr, 0, 10, LookForMessageBoxes);
}

void StopClosingMessageBoxes() {
    if (g_timer) KillTimer(nullptr, g_timer);
    g_timer = 0;
}

void AnswerQuestionsWith(int button) { g_answer = button; }

std::vector<std::string> ClosedMessageBoxes() {
    std::vector<std::string> texts;
    texts.swap(g_texts);
    return texts;
}
