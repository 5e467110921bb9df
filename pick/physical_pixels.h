// Screen pixels as the display has them, on every monitor and at every scale
// factor. Where the platform has per-monitor DPI awareness (Windows 10 and
// later) a call that needs physical pixels makes the thread per-monitor aware
// for its own length, never longer: the platform sets the thread's awareness to
// each window's own while its procedure runs, and puts back afterwards what it
// found, so an awareness held across messages would outlast the pick. Elsewhere
// the platform's logical pixels are already physical, and these fall back to
// the plain calls.
#pragma once
#include <windows.h>

// Sets this thread's DPI awareness and returns the one it had; null, with
// nothing changed, where the platform has none or `context` is null.
DPI_AWARENESS_CONTEXT SwitchDpiAwareness(DPI_AWARENESS_CONTEXT context);
// This thread's DPI awareness; null where the platform has none.
DPI_AWARENESS_CONTEXT ThreadDpiAwareness();

// Makes this thread per-monitor DPI aware. Returns what LeavePhysicalPixels
// takes to put back the thread's own awareness: null where nothing changed.
DPI_AWARENESS_CONTEXT EnterPhysicalPixels();
void LeavePhysicalPixels(DPI_AWARENESS_CONTEXT previous);

// The cursor's position in physical pixels; false if it can't be read.
bool PhysicalCursorPos(POINT* point);
// Moves the cursor to a physical point.
void MoveCursorToPhysical(POINT point);

// The virtual screen, every monitor, in physical pixels. Its left and top are
// negative where a monitor lies left of or above the primary one.
RECT VirtualScreenRect();

// The pixel at a physical point of the live screen, CLR_INVALID where none can be read.
COLORREF ReadLivePixel(POINT point);
