// The palette list's notifications (see palette_notify.h).
#include "palette_notify.h"

#include "palette_commands.h"
#include "palette_list.h"
#include "resource.h"

namespace {

LRESULT Result(HWND dialog, LRESULT result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

// What the list asks for when the user types in it: the first colour from
// `start` on, round to the top, whose text begins with what was typed. Only
// searches by text are answered: left unanswered, the list would take any
// other search for the first colour.
LRESULT FindTypedEntry(UINT flags, const char* typed, int start) {
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || !typed || !typed[0]) return -1;
    return FindPaletteEntry(typed, start < 0 ? 0 : static_cast<size_t>(start));
}

// Space recalls, Delete removes, Ctrl+C copies #rrggbb.
bool OnKeyDown(HWND dialog, WORD key) {
    const int focused = FocusedPaletteEntry(dialog);
    if (key == VK_SPACE && focused >= 0) {
        RecallPaletteEntry(dialog, static_cast<size_t>(focused));
    } else if (key == VK_DELETE) {
        RemoveSelectedEntries(dialog);
    } else if (key == 'C' && GetKeyState(VK_CONTROL) < 0 && focused >= 0) {
        CopyPaletteEntry(dialog, static_cast<size_t>(focused), IDM_COPY_HEX6);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool OnPaletteNotify(HWND dialog, const NMHDR* header) {
    switch (header->code) {
    case LVN_GETDISPINFOA:
        GivePaletteItem(reinterpret_cast<const NMLVDISPINFOA*>(header));
        return Result(dialog, 0);
    case NM_CUSTOMDRAW:
        return Result(dialog, OnPaletteCustomDraw(reinterpret_cast<const NMLVCUSTOMDRAW*>(header)));
    case NM_CLICK: {
        // Ctrl and Shift only select: the colour stays as it is.
        const NMITEMACTIVATE* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
        const bool selecting = (click->uKeyFlags & (LVKF_CONTROL | LVKF_SHIFT)) ||
                               GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0;
        if (click->iItem >= 0 && !selecting)
            RecallPaletteEntry(dialog, static_cast<size_t>(click->iItem));
        return Result(dialog, 0);
    }
    case NM_RCLICK: {
        const NMITEMACTIVATE* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
        if (click->iItem < 0) return Result(dialog, 0);
        POINT at = click->ptAction;
        ClientToScreen(header->hwndFrom, &at);
        ShowPaletteMenu(dialog, static_cast<size_t>(click->iItem), at);
        return Result(dialog, 0);
    }
    case LVN_ODFINDITEMA: {
        const NMLVFINDITEMA* find = reinterpret_cast<const NMLVFINDITEMA*>(header);
        return Result(dialog, FindTypedEntry(find->lvfi.flags, find->lvfi.psz, find->iStart));
    }
    case LVN_ODFINDITEMW: {
        // The list asks in Unicode under a Unicode build of the common
        // controls; the colours' texts to match are ASCII.
        const NMLVFINDITEMW* find = reinterpret_cast<const NMLVFINDITEMW*>(header);
        char typed[64] = "";
        if ((find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz) {
            int i = 0;
            for (; i < 63 && find->lvfi.psz[i]; ++i)
                typed[i] = find->lvfi.psz[i] < 128 ? static_cast<char>(find->lvfi.psz[i]) : '\x7f';
            typed[i] = '\0';
        }
        return Result(dialog, FindTypedEntry(find->lvfi.flags, typed, find->iStart));
    }
    case LVN_KEYDOWN:
        // The list view still moves its selection on keys we leave alone.
        OnKeyDown(dialog, reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
        return Result(dialog, 0);
    default:
        return false;
    }
}
