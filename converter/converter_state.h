// Window state of the converter dialog, shared by its refresh, input, paint and
// mouse code. It lives for the whole dialog; the colour record belongs to the
// dialog's caller.
#pragma once
#include <windows.h>
#include <cstdint>
#include "color_record.h"
#include "css_format.h"
#include "hls.h"

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
extern PictureValues g_announced;
