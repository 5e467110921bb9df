// The palette's list view (see palette_list.h). The swatch is painted in the
// icon's room after the list has drawn each item; every brush it creates is
// deleted in the same paint.
#include "palette_list.h"

#include "contrast_line.h"
#include "dialog_control.h"
#include "palette_state.h"
#include "palette_status.h"
#include "resource.h"
#include "vision.h"

namespace {

HWND List(HWND dialog) { return DialogControl(dialog, IDC_PALETTE); }

// Follows the text of the entry the contrast line compares with.
const char kComparedMark[] = " (compared)";

// The deficiency the swatches are seen with, -1 for none: kept while the
// program runs.
int s_seenAs = -1;

// The swatch in an entry's icon room, framed so that white shows on white.
void PaintSwatch(HWND list, HDC dc, size_t entry) {
    RECT icon = {LVIR_ICON, 0, 0, 0};
    if (!SendMessageA(list, LVM_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&icon))) return;
    InflateRect(&icon, -1, -1);
    ColorRecord c = PaletteColour(g_document.palette, entry);
    if (s_seenAs >= 0) c = SimulateVision(static_cast<Vision>(s_seenAs), c);
    HBRUSH brush = CreateSolidBrush(RGB(c.red, c.green, c.blue));
    if (!brush) return;
    FillRect(dc, &icon, brush);
    DeleteObject(brush);
    FrameRect(dc, &icon, GetSysColorBrush(COLOR_WINDOWTEXT));
}

// The swatches of the rows in view, once the list has painted them all: one
// notification a paint rather than two a row (under Wine each answer is a
// round trip). The paint's clipping keeps them to what was invalid.
void PaintSwatchesInView(const NMLVCUSTOMDRAW* draw) {
    HWND list = draw->nmcd.hdr.hwndFrom;
    const LRESULT top = SendMessageA(list, LVM_GETTOPINDEX, 0, 0);
    // The row cut off at the bottom counts too.
    const LRESULT rows = SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0) + 1;
    if (top < 0) return;
    const size_t size = PaletteSize(g_document.palette);
    const size_t first = static_cast<size_t>(top), last = first + static_cast<size_t>(rows);
    for (size_t entry = first; entry < size && entry < last; ++entry)
        PaintSwatch(list, draw->nmcd.hdc, entry);
}

// True when `text` begins with `typed`, ASCII letters in any case.
bool BeginsWith(const char* text, const char* typed) {
    for (; *typed; ++text, ++typed) {
        const char a = *text, b = *typed;
        const char la = a >= 'A' && a <= 'Z' ? static_cast<char>(a + 32) : a;
        const char lb = b >= 'A' && b <= 'Z' ? static_cast<char>(b + 32) : b;
        if (!a || la != lb) return false;
    }
    return true;
}

}  // namespace

void GivePaletteItem(const NMLVDISPINFOA* info) {
    LVITEMA& item = const_cast<LVITEMA&>(info->item);
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= PaletteSize(g_document.palette)) return;
    const size_t entry = static_cast<size_t>(item.iItem);
    if ((item.mask & LVIF_TEXT) && item.cchTextMax >= 8) {
        const size_t capacity = static_cast<size_t>(item.cchTextMax);
        const size_t length = FormatPaletteEntry(g_document.palette, entry, item.pszText, capacity);
        // Said in the text, so that screen readers say it with the colour.
        if (ComparingWith(PaletteColour(g_document.palette, entry)) &&
            length + sizeof kComparedMark <= capacity)
            lstrcpyA(item.pszText + length, kComparedMark);
    }
    // The image list only makes the room the swatch is painted in: an image
    // drawn there first would cost a bitmap and a blit a row, for nothing.
    if (item.mask & LVIF_IMAGE) item.iImage = I_IMAGENONE;
}

LRESULT OnPaletteCustomDraw(const NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_POSTPAINT:
        PaintSwatchesInView(draw);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

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

void ShowPalette(HWND dialog, int selected) {
    HWND list = List(dialog);
    SendMessageA(list, LVM_SETITEMCOUNT, PaletteSize(g_document.palette), 0);
    // The rows now hold other colours: a selection left on them would stand
    // on colours nobody chose, for Delete to remove.
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (selected >= 0 && static_cast<size_t>(selected) < PaletteSize(g_document.palette)) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&state));
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
    // A compared colour that went with the change is compared no more.
    const ColorRecord* compared = ComparedColour();
    if (compared && FindPaletteColour(g_document.palette, *compared) == kNotInPalette)
        CompareWith(dialog, nullptr);
    ShowPaletteStatus(dialog);
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

int FindPaletteEntry(const char* typed, size_t start) {
    const size_t size = PaletteSize(g_document.palette);
    for (size_t step = 0; step < size; ++step) {
        const size_t entry = (start + step) % size;
        char text[260];  // room for a long name; the rest is not needed to compare
        FormatPaletteEntry(g_document.palette, entry, text, sizeof text);
        // The name follows "#rrggbb" and a blank.
        if (BeginsWith(text, typed) || (text[7] == ' ' && BeginsWith(text + 8, typed)))
            return static_cast<int>(entry);
    }
    return -1;
}

void ComparePaletteColour(HWND dialog, const ColorRecord* colour) {
    CompareWith(dialog, colour);
    InvalidateRect(List(dialog), nullptr, FALSE);
}

void ShowPaletteSeenAs(HWND dialog, int vision) {
    s_seenAs = vision >= 0 && vision < kVisionCount ? vision : -1;
    InvalidateRect(List(dialog), nullptr, FALSE);
}

int PaletteSeenAs() { return s_seenAs; }
