// The palette's commands (see palette_commands.h): what the user does with
// the colours in the list.
#include "palette_commands.h"

#include <cstring>

#include "contrast_line.h"
#include "css_field.h"
#include "current_colour.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "field_write.h"
#include "hsv.h"
#include "vision.h"
#include "named_colors.h"
#include "notation_format.h"
#include "palette_files.h"
#include "palette_list.h"
#include "palette_state.h"
#include "resource.h"
#include "tints_shades.h"

namespace {

// The palette changed: the file (which may bring in what another program
// wrote meanwhile), then the list, with entry `selected` selected (-1: none).
void PaletteChanged(HWND dialog, int selected) {
    WritePaletteFile(dialog);
    ShowPalette(dialog, selected);
}

// The text of an entry in a copy command's notation, into `out`.
void FormatCopy(const ColorRecord& c, int command, char* out) {
    HlsTriple hls;
    switch (command) {
    case IDM_COPY_HEX3:
        FormatHex3(c, out);
        break;
    case IDM_COPY_PERCENT:
        FormatPercentTriple(c, out);
        break;
    case IDM_COPY_TRIPLE:
        FormatDecimalTriple(c, out);
        break;
    case IDM_COPY_NAME:
        lstrcpyA(out, FindColorName(c));
        break;
    case IDM_COPY_HLS:
        RgbToHls(c.red, c.green, c.blue, &hls.hue, &hls.lightness, &hls.saturation);
        FormatHlsTriple(hls, out);
        break;
    case IDM_COPY_CSS:
        FormatCssColor(g_cssForm, c, 255, out);
        break;
    case IDM_COPY_HSB:
        FormatHsv(RgbToHsv(c), out);
        break;
    default:
        FormatHex6(c, out);
        break;
    }
}

bool PutOnClipboard(HWND dialog, const char* text) {
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* bytes = GlobalLock(memory);
    if (bytes) {
        std::memcpy(bytes, text, size);
        GlobalUnlock(memory);
    }
    if (!bytes || !OpenClipboard(dialog)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_TEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);
    CloseClipboard();
    return put;
}

}  // namespace

void AddColourToPalette(HWND dialog, const ColorRecord& color) { AddColoursToPalette(dialog, &color, 1); }

void AddColoursToPalette(HWND dialog, const ColorRecord* colours, size_t count) {
    const unsigned group = NewUndoGroup(&g_document);
    bool added = false;
    size_t present = kNotInPalette;
    for (size_t i = 0; i < count; ++i) {
        switch (AddToDocument(&g_document, colours[i], group)) {
        case PaletteChange::kAdded:
            added = true;
            break;
        case PaletteChange::kPresent:
            present = FindPaletteColour(g_document.palette, colours[i]);
            break;
        case PaletteChange::kNoMemory:
            if (added) PaletteChanged(dialog, 0);
            SayAboutPalette(dialog, "Not enough memory to add the colour.");
            return;
        }
    }
    if (added)
        PaletteChanged(dialog, 0);
    else if (present != kNotInPalette)
        ShowPalette(dialog, static_cast<int>(present));
}

void RecallPaletteEntry(HWND dialog, size_t entry) {
    if (entry >= PaletteSize(g_document.palette)) return;
    const ColorRecord c = PaletteColour(g_document.palette, entry);
    CurrentColour().red = c.red;
    CurrentColour().green = c.green;
    CurrentColour().blue = c.blue;
    RefreshConverter(dialog, MASK_ALL);
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), TRUE);
}

void RemoveSelectedEntries(HWND dialog) {
    const size_t size = PaletteSize(g_document.palette);
    if (size == 0) return;
    size_t* entries = static_cast<size_t*>(HeapAlloc(GetProcessHeap(), 0, size * sizeof(size_t)));
    if (!entries) return;
    const size_t count = SelectedPaletteEntries(dialog, entries, size);
    const size_t first = count > 0 ? entries[0] : 0;
    const bool removed = count > 0 && RemoveFromDocument(&g_document, entries, count) > 0;
    HeapFree(GetProcessHeap(), 0, entries);
    if (!removed) return;
    // The selection moves to the colour that now stands where the first one went.
    PaletteChanged(dialog, -1);
    const size_t left = PaletteSize(g_document.palette);
    if (left > 0) {
        LVITEMA next = {};
        next.stateMask = next.state = LVIS_SELECTED | LVIS_FOCUSED;
        const size_t at = first < left ? first : left - 1;
        SendMessageA(DialogControl(dialog, IDC_PALETTE), LVM_SETITEMSTATE, at,
                     reinterpret_cast<LPARAM>(&next));
    }
}

void UndoPaletteChange(HWND dialog) {
    if (UndoDocumentChange(&g_document)) PaletteChanged(dialog, -1);
}

void CopyPaletteEntry(HWND dialog, size_t entry, int command) {
    if (entry >= PaletteSize(g_document.palette)) return;
    char text[kFieldShownSize];
    FormatCopy(PaletteColour(g_document.palette, entry), command, text);
    if (text[0]) PutOnClipboard(dialog, text);
}

void ShowPaletteMenu(HWND dialog, size_t entry, POINT at) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    const ColorRecord c = PaletteColour(g_document.palette, entry);
    const bool named = FindColorName(c)[0] != '\0';
    AppendMenuA(menu, MF_STRING, IDM_COPY_HEX6, "Copy as #RRGGBB");
    AppendMenuA(menu, MF_STRING, IDM_COPY_HEX3, "Copy as #RGB");
    AppendMenuA(menu, MF_STRING, IDM_COPY_PERCENT, "Copy as (R%,G%,B%)");
    AppendMenuA(menu, MF_STRING, IDM_COPY_TRIPLE, "Copy as (R,G,B)");
    AppendMenuA(menu, MF_STRING | (named ? 0 : MF_GRAYED), IDM_COPY_NAME, "Copy as colour name");
    AppendMenuA(menu, MF_STRING, IDM_COPY_HLS, "Copy as H,L,S");
    AppendMenuA(menu, MF_STRING, IDM_COPY_HSB, "Copy as HSB");
    AppendMenuA(menu, MF_STRING, IDM_COPY_CSS, "Copy as CSS");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_TINTS_SHADES, "Add tints and shades");
    AppendMenuA(menu, MF_STRING | (ComparingWith(c) ? MF_CHECKED : 0), IDM_COMPARE, "&Compare");
    AppendMenuA(menu, MF_STRING | (ComparedColour() ? 0 : MF_GRAYED), IDM_STOP_COMPARING,
                "Stop comparing");
    HMENU seen = CreatePopupMenu();
    if (seen) {
        AppendMenuA(seen, MF_STRING, IDM_SEEN_NONE, "none");
        for (int v = 0; v < kVisionCount; ++v)
            AppendMenuA(seen, MF_STRING, IDM_SEEN_NONE + 1 + v, VisionName(static_cast<Vision>(v)));
        CheckMenuRadioItem(seen, IDM_SEEN_NONE, IDM_SEEN_LAST, IDM_SEEN_NONE + 1 + PaletteSeenAs(),
                           MF_BYCOMMAND);
        // Once in the menu, the submenu is destroyed with it.
        if (!AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(seen), "Show as seen with"))
            DestroyMenu(seen);
    }
    AppendMenuA(menu, MF_STRING, IDM_REMOVE, "Remove");
    AppendMenuA(menu, MF_STRING | (g_document.undoCount ? 0 : MF_GRAYED), IDM_UNDO, "Undo\tCtrl+Z");
    const int command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
    DestroyMenu(menu);
    RunPaletteMenuCommand(dialog, entry, command);
}

void RunPaletteMenuCommand(HWND dialog, size_t entry, int command) {
    if (command == IDM_COMPARE) {
        // Chosen again on the same colour, Compare goes back to white and black.
        const ColorRecord c = PaletteColour(g_document.palette, entry);
        ComparePaletteColour(dialog, ComparingWith(c) ? nullptr : &c);
    } else if (command == IDM_STOP_COMPARING) {
        ComparePaletteColour(dialog, nullptr);
    } else if (command >= IDM_SEEN_NONE && command <= IDM_SEEN_LAST) {
        ShowPaletteSeenAs(dialog, command - IDM_SEEN_NONE - 1);
    } else if (command == IDM_REMOVE) {
        const size_t only[] = {entry};
        if (RemoveFromDocument(&g_document, only, 1) > 0) PaletteChanged(dialog, -1);
    } else if (command == IDM_UNDO) {
        UndoPaletteChange(dialog);
    } else if (command == IDM_TINTS_SHADES) {
        // Nine colours from the one chosen towards white and black.
        ColorRecord nine[kTintsAndShades];
        TintsAndShades(PaletteColour(g_document.palette, entry), nine);
        AddColoursToPalette(dialog, nine, kTintsAndShades);
    } else if (command != 0) {
        CopyPaletteEntry(dialog, entry, command);
    }
}
