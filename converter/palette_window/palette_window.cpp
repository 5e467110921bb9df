// The palette's view's own state (see palette_window.h).
#include "palette_window.h"

#include <shellapi.h>

#include "palette_files.h"
#include "palette_list.h"
#include "palette_state.h"

void StartPaletteView(HWND dialog) {
    SetUpPaletteList(dialog);
    DragAcceptFiles(dialog, TRUE);
    OpenStartPalette(dialog);
}

void EndPaletteView() {
    FreePalette(&g_palette);
    g_paletteFile[0] = '\0';
    g_paletteWriteFailed = false;
}
