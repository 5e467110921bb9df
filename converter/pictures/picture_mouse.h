// Picking a colour with the mouse on the picker and the luminance bar.
#pragma once
#include <windows.h>

// A press on the picker, or on the luminance bar or its arrow column, starts a
// drag: the dialog takes the capture and confines the cursor to that area. A
// press on the swatch starts a pick from the screen.
void OnMouseDown(HWND dialog, LPARAM point);
// During a drag, sets hue and saturation, or lightness, from the point.
void OnMouseMove(HWND dialog, LPARAM point);
// Ends a drag: the cursor is freed and the picker's marker drawn again.
void OnMouseUp(HWND dialog);
// The capture went to `newOwner`: a drag in progress ends as a release would.
void OnCaptureLost(HWND dialog, HWND newOwner);
// Ends a drag in progress without picking anything more, for a dialog that is
// going away (Escape or the close box while the button is held).
void CancelDrag(HWND dialog);
