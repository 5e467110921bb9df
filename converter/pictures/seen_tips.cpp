// The small swatches' tooltips (see seen_tips.h).
#include "seen_tips.h"

#include <commctrl.h>
#include <windowsx.h>

#include "accessible_text.h"
#include "coordinates.h"
#include "resource.h"

namespace {

// The tooltip window, which the dialog owns; whether it is still to be made,
// and the dialog's area (the swatches') where the mouse makes it.
HWND s_tips;
bool s_toMake;
RECT s_area;

void MakeSeenTips(HWND dialog) {
    s_toMake = false;
    HWND tips = s_tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                dialog, nullptr, nullptr, nullptr);
    if (!tips) return;  // the swatches still show, and screen readers still name them
    for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) {
        char text[kAccessibleTextSize];
        SeenSwatchName(id, text);
        // The statics let the mouse through to the dialog: the tool is their
        // rectangle of the dialog's client area, and the dialog relays its
        // mouse messages. Letting the tooltip subclass the dialog instead
        // would cost a window property lookup, a round trip to the window
        // server under Wine, for every message the dialog gets.
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = dialog;
        tool.uId = static_cast<UINT_PTR>(id);
        tool.lpszText = text;
        if (GetControlRectInDialog(dialog, id, &tool.rect))
            SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace

void StartSeenTips(HWND dialog) {
    RECT first, last;
    s_toMake = GetControlRectInDialog(dialog, IDC_SEEN_FIRST, &first) &&
               GetControlRectInDialog(dialog, IDC_SEEN_LAST, &last) &&
               UnionRect(&s_area, &first, &last);
}

void EndSeenTips() {
    s_tips = nullptr;
    s_toMake = false;
}

void RelaySeenTips(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (s_toMake && message == WM_MOUSEMOVE) {
        const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&s_area, at)) MakeSeenTips(dialog);
    }
    if (!s_tips) return;
    MSG relayed = {dialog, message, wParam, lParam, 0, {}};
    SendMessageA(s_tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
