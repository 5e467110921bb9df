// Where the magnifier of a pick lies: how many screen pixels it shows, the
// square blocks they become, and which part of the screen is on show; and where
// the loupe goes. Points may
// be negative (a monitor left of or above the primary one).
#pragma once
#include <windows.h>

// Screen pixels across the magnifier when a pick starts: odd, so one is in the middle.
constexpr int kStartZoom = 11;

// The zoom one step closer (fewer, larger pixels) or farther (more, smaller
// ones) than `across`, among 5, 7, 9, 11, 15, 21 and 31; the ends stay where they are.
int NextZoom(int across, bool closer);

struct MagnifierLayout {
    RECT grid;    // `across` square blocks each way, centred in the area
    int block;    // the side of one block, in pixels; 0 when the area is too small
    RECT centre;  // the block that shows the pick point
    RECT source;  // the screen pixels on show that lie on the screen; empty when none
    RECT target;  // where in the grid `source` is drawn; the rest of the grid is off the screen
};

// The magnifier of `across` pixels around `point` drawn into `area`, for a screen of `screen`.
MagnifierLayout LayOutMagnifier(const RECT& area, int across, POINT point, const RECT& screen);

// Where the loupe, `side` pixels square, goes beside the pointer at `point`:
// below and right of it, a little apart, or on the other side of the pointer
// where the monitor `monitor` ends, so that it never covers the point and stays
// on that monitor.
RECT PlaceLoupe(POINT point, int side, const RECT& monitor);

// `point` moved by dx, dy and kept on `screen`.
POINT MovePointOnScreen(POINT point, int dx, int dy, const RECT& screen);
