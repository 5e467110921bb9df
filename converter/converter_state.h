// Window state of the converter dialog, shared by its refresh, input, paint and
// mouse code. It lives for the whole dialog; the colour record belongs to the
// dialog's caller.
#pragma once
#include <windows.h>
#include <cstdint>
#include "color_record.h"
#include "css_format.h"
#include "hls.h"
#include "palette.h"

// What the mouse is setting: a picture being dragged, or a pick from the screen.
enum DragMode { DRAG_NONE = 0, DRAG_PICKER = 1, DRAG_LUMINANCE = 2, DRAG_SCREEN = 3 };

// What a pick from the screen in progress (DRAG_SCREEN) puts back when it is
// not kept: Escape, a right click, a lost capture.
struct ScreenPick {
    ColorRecord undoColor;
    HlsTriple undoHls;
};

// The pictures' values as screen readers were last told of them.
struct PictureValues {
    HlsTriple hls;
    ColorRecord color;
};

extern ColorRecord* g_color;  // the current colour, edited in place
extern HlsTriple g_hls;       // the current colour as HLS; the markers follow it
extern int32_t g_fieldsIdle;  // 0 while the dialog writes its own fields
extern uint16_t g_arrowSize;  // size unit of the luminance arrow, in pixels
extern HINSTANCE g_instance;  // the module the dialog and its icons come from
extern DragMode g_dragMode;
extern HBITMAP g_pickerBitmap;  // built at the first paint, kept until the process ends
extern ScreenPick g_pick;
extern CssForm g_cssForm;  // what the CSS field shows; kept while the program runs

// The palette: its colours, and the GIMP palette file every change is written
// to ("" while it has none). A write that failed has said so; the next failure
// of a run of them says nothing more.
extern Palette g_palette;
extern char g_paletteFile[MAX_PATH];
extern bool g_paletteWriteFailed;
// The palette colour the contrast line compares with, while `g_comparing`.
extern bool g_comparing;
extern ColorRecord g_compareColour;
extern HHOOK g_keyHook;  // Ctrl+D, seen before the dialog manager takes the key
extern PictureValues g_announced;
