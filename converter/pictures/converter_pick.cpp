// The converter's side of a pick from the screen (see converter_pick.h). While
// the pick lasts the colour is the pixel at the pick point and every field and
// picture follows; the picker shows the pick's magnifier.
#include "converter_pick.h"

#include "accessible_object.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "palette_commands.h"
#include "pictures.h"
#include "resource.h"
#include "screen_pick.h"
#include "version_box.h"

namespace {

// A pixel that can't be read (off every monitor) leaves the colour as it was;
// the magnifier still follows the point.
void TakePixel(HWND dialog, COLORREF pixel) {
    if (pixel == CLR_INVALID) {
        RewriteConverter(dialog, UPD_PICKER);
        return;
    }
    CurrentColour().red = GetRValue(pixel);
    CurrentColour().green = GetGValue(pixel);
    CurrentColour().blue = GetBValue(pixel);
    RefreshConverter(dialog, MASK_ALL);
    // Every field shows the picked colour, even after a rejected text had emptied them.
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

void OnPickMoved(void* context, POINT, COLORREF pixel) {
    TakePixel(static_cast<HWND>(context), pixel);
}

// The picker shows its image and marker again; a colour kept goes to the
// front of the palette.
void OnPickKept(void* context, POINT, COLORREF pixel) {
    HWND dialog = static_cast<HWND>(context);
    g_dragMode = DRAG_NONE;
    TakePixel(dialog, pixel);
    if (pixel != CLR_INVALID) AddColourToPalette(dialog, CurrentColour());
}

// The colour and HLS from before the pick, which need not convert into each
// other exactly, and every field rewritten from them.
void OnPickRestored(void* context) {
    HWND dialog = static_cast<HWND>(context);
    g_dragMode = DRAG_NONE;
    CurrentColour() = g_pick.undoColor;
    CurrentHls() = g_pick.undoHls;
    RewriteConverter(dialog, MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

// The pick's window is heard as the converter's own control: "Pick from the
// screen", its value the colour a pick would keep (accessible_text.h).
bool AnswerPickObject(void*, HWND window, WPARAM flags, LPARAM objectId, LRESULT* result) {
    return AnswerGetObject(window, flags, objectId, result);
}

// The mode is set first: the pick reports its first point before it returns.
void Start(HWND dialog, bool byMenu) {
    if (g_dragMode != DRAG_NONE) return;
    g_pick.undoColor = CurrentColour();
    g_pick.undoHls = CurrentHls();
    g_dragMode = DRAG_SCREEN;
    const PickReport report = {dialog, OnPickMoved, OnPickKept, OnPickRestored, AnswerPickObject};
    if (!(byMenu ? StartFrozenPick(dialog, report) : StartHeldPick(dialog, report)))
        g_dragMode = DRAG_NONE;
}

}  // namespace

void AppendPickMenuItem(HWND dialog) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    if (!menu) return;
    // Right after the version item, wherever the menu has it.
    int position = GetMenuItemCount(menu);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == IDM_VERSION) position = i + 1;
    InsertMenuCommand(menu, position, IDM_PICK, "Pick from Screen...(&P)");
}

void StartHeldPick(HWND dialog) { Start(dialog, false); }

// The picture must hold the converter as it is, not what the closed menu left
// of it: everything pending is painted first.
void StartMenuPick(HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Start(dialog, true);
}

void CancelConverterPick() {
    if (g_dragMode == DRAG_SCREEN) CancelPick();
}

void AbandonConverterPick() {
    if (g_dragMode != DRAG_SCREEN) return;
    AbandonPick();
    g_dragMode = DRAG_NONE;
}
