// The small swatches' tooltips (see seen_tips.h).
#include "seen_tips.h"

#include <commctrl.h>

#include "accessible_text.h"
#include "coordinates.h"
#include "resource.h"

void StartSeenTips(HWND dialog) {
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                dialog, nullptr, nullptr, nullptr);
    if (!tips) return;  // the swatches still show, and screen readers still name them
    for (int id = IDC_SEEN_FIRST; id <= IDC_SEEN_LAST; ++id) {
        char text[kAccessibleTextSize];
        SeenSwatchName(id, text);
        // The statics let the mouse through to the dialog: the tool is their
        // rectangle of the dialog's client area.
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = static_cast<UINT_PTR>(id);
        tool.lpszText = text;
        if (GetControlRectInDialog(dialog, id, &tool.rect))
            SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
