// The pictures: the swatch, the hue/saturation picker, the luminance bar with
// its arrow, and what the mouse and the keys do on them, a pick from the
// screen included (it starts on the swatch). The room owns what the mouse is
// setting, the pick's way back and the arrow's size. It
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

// What the pictures showed when each was last painted, so that a change
// repaints only the parts it changes, and of the picker only the marker's old
// and new places: under Wine every repainted pixel goes to the display again.
// Written by the painting; the dialog's opening forgets it.
enum class PickerShows { kUnknown, kMagnifier, kImage, kImageAndMarker };
struct PicturesShown {
    bool swatchKnown, barKnown, arrowKnown;
    ColorRecord swatch;
    uint8_t barHue, barSaturation, arrowLightness;
    PickerShows picker;
    RECT markerBox;  // for kImageAndMarker, in the dialog's client coordinates
    int dpi;         // what the marker was painted for
};

extern DragMode g_dragMode;
extern PicturesShown g_shown;
extern ScreenPick g_pick;
extern uint16_t g_arrowSize;    // size unit of the luminance arrow, in pixels

// The dialog opened: the arrow takes its size from the dialog's font, and
// nothing is known to be painted yet.
void StartPictures();

// Has the swatch and the pictures of `mask` repainted where they no longer
// show the colour, after the fields showed it.
void InvalidatePictures(HWND dialog, UpdateMask mask);

// True while a pick from the screen goes on: its keys are its own.
bool PickingFromScreen();

// True while the mouse sets anything: a drag or a pick.
bool MouseBusy();
