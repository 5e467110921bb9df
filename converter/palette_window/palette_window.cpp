// The palette's view's own state (see palette_window.h).
#include "palette_window.h"

#include "palette_files.h"
#include "palette_list.h"
#include "palette_state.h"

void StartPaletteView(HWND dialog) {
    SetUpPaletteList(dialog);
    // What DragAcceptFiles does, without loading shell32 at every start.
    SetWindowLongPtrA(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrA(dialog, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    OpenStartPalette(dialog);
}

void EndPaletteView() {
    FreePalette(&g_palette);
    g_paletteFile[0] = '\0';
    g_paletteWriteFailed = false;
}
