// The pictures: the swatch, the hue/saturation picker, the luminance bar with
// its arrow, and what the mouse and the keys do on them, a pick from the
// screen included (it starts on the swatch). The room owns what the mouse is
// setting, the pick's way back, the picker's image and the arrow's size. It
// stands on the fields (every change it makes ends in their refresh) and on the
// palette's view (a kept pick is added); the dialog stands on it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "color_record.h"
#include "hls.h"
#include "update_mask.h"

// What the mouse is setting: a picture being dragged, or a pick from the screen.
enum DragMode { DRAG_NONE = 0, DRAG_PICKER = 1, DRAG_LUMINANCE = 2, DRAG_SCREEN = 3 };

// What a pick from the screen in progress (DRAG_SCREEN) puts back when it is
// not kept: Escape, a right click, a lost capture.
struct ScreenPick {
    ColorRecord undoColor;
    HlsTriple undoHls;
};

extern DragMode g_dragMode;
extern ScreenPick g_pick;
extern HBITMAP g_pickerBitmap;  // built at the first paint, kept until the process ends
extern uint16_t g_arrowSize;    // size unit of the luminance arrow, in pixels

// The dialog opened: the arrow takes its size from the dialog's font.
void StartPictures();

// Has the swatch (always) and the pictures of `mask` repainted, after the
// fields showed a colour.
void InvalidatePictures(HWND dialog, UpdateMask mask);

// True while a pick from the screen goes on: its keys are its own.
bool PickingFromScreen();

// True while the mouse sets anything: a drag or a pick.
bool MouseBusy();
