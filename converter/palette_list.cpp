// The palette's list view (see palette_list.h). The swatch is painted in the
// icon's room after the list has drawn each item; every brush it creates is
// deleted in the same paint.
#include "palette_list.h"

#include "converter_state.h"
#include "dialog_control.h"
#include "palette_commands.h"
#include "resource.h"

namespace {

HWND List(HWND dialog) { return DialogControl(dialog, IDC_PALETTE); }

LRESULT Result(HWND dialog, LRESULT result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

void GiveItem(const NMLVDISPINFOA* info) {
    LVITEMA& item = const_cast<LVITEMA&>(info->item);
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= PaletteSize(g_palette)) return;
    if ((item.mask & LVIF_TEXT) && item.cchTextMax >= 8)
        FormatPaletteEntry(g_palette, static_cast<size_t>(item.iItem), item.pszText,
                           static_cast<size_t>(item.cchTextMax));
    if (item.mask & LVIF_IMAGE) item.iImage = 0;
}

// The swatch in the item's icon room, framed so that white shows on white.
void PaintSwatch(const NMLVCUSTOMDRAW* draw) {
    const size_t entry = draw->nmcd.dwItemSpec;
    if (entry >= PaletteSize(g_palette)) return;
    RECT icon = {LVIR_ICON, 0, 0, 0};
    if (!SendMessageA(draw->nmcd.hdr.hwndFrom, LVM_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&icon)))
        return;
    InflateRect(&icon, -1, -1);
    const ColorRecord c = PaletteColour(g_palette, entry);
    HBRUSH brush = CreateSolidBrush(RGB(c.red, c.green, c.blue));
    if (!brush) return;
    FillRect(draw->nmcd.hdc, &icon, brush);
    DeleteObject(brush);
    FrameRect(draw->nmcd.hdc, &icon, GetSysColorBrush(COLOR_WINDOWTEXT));
}

LRESULT OnCustomDraw(const NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
        PaintSwatch(draw);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
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

void SetUpPaletteList(HWND dialog) {
    HWND list = List(dialog);
    RECT client;
    GetClientRect(list, &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    // One blank image gives every item the room a swatch is painted in.
    const int side = GetSystemMetrics(SM_CXSMICON);
    HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR24, 1, 0);
    if (images) {
        ImageList_SetImageCount(images, 1);
        // The list destroys the image list with itself (it is not shared).
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    }
}

void ShowPalette(HWND dialog, bool front) {
    HWND list = List(dialog);
    SendMessageA(list, LVM_SETITEMCOUNT, PaletteSize(g_palette), 0);
    // The rows now hold other colours: a selection left on them would stand
    // on colours nobody chose, for Delete to remove.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (front && PaletteSize(g_palette) > 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        SendMessageA(list, LVM_ENSUREVISIBLE, 0, FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
}

bool OnPaletteNotify(HWND dialog, const NMHDR* header) {
    switch (header->code) {
    case LVN_GETDISPINFOA:
        GiveItem(reinterpret_cast<const NMLVDISPINFOA*>(header));
        return Result(dialog, 0);
    case NM_CUSTOMDRAW:
        return Result(dialog, OnCustomDraw(reinterpret_cast<const NMLVCUSTOMDRAW*>(header)));
    case NM_CLICK: {
        const int item = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
        if (item >= 0) RecallPaletteEntry(dialog, static_cast<size_t>(item));
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
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
        // A key typed in the list finds nothing: left unanswered, the list
        // would take it for the first colour and select that.
        return Result(dialog, -1);
    case LVN_KEYDOWN:
        // The list view still moves its selection on keys we leave alone.
        OnKeyDown(dialog, reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey);
        return Result(dialog, 0);
    default:
        return false;
    }
}

size_t SelectedPaletteEntries(HWND dialog, size_t* entries, size_t capacity) {
    HWND list = List(dialog);
    size_t count = 0;
    for (LRESULT i = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
         i >= 0 && count < capacity;
         i = SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))
        entries[count++] = static_cast<size_t>(i);
    return count;
}

int FocusedPaletteEntry(HWND dialog) {
    return static_cast<int>(
        SendMessageA(List(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}
