// The palette's view's own state (see palette_window.h).
#include "palette_window.h"

#include "palette_files.h"
#include "palette_list.h"
#include "palette_state.h"
#include "palette_status.h"

void StartPaletteView(HWND dialog) {
    SetUpPaletteList(dialog);
    SetUpPaletteStatus(dialog);
    // What DragAcceptFiles does, without loading shell32 at every start.
    SetWindowLongPtrA(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrA(dialog, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    OpenStartPalette(dialog);
}

void EndPaletteView() {
    FreePaletteDocument(&g_document);
}

void OnPaletteViewActivated(HWND dialog) {
    if (ReloadPaletteDocument(&g_document)) ShowPalette(dialog, -1);
}
