// The pick that lasts, shared by the pick's start and end and its window.
#pragma once
#include <windows.h>

#include "frozen_screen.h"
#include "pick_report.h"

enum PickEndWaiting {
    PICK_END_NONE,
    PICK_END_RESTORED,  // reported as restored once the start is through
    PICK_END_SILENT,    // the owner is going away: nothing reported
};

struct PickSession {
    HWND window;  // the pick's own window; null when no pick lasts
    bool frozen;  // a frozen pick, over the picture of the screen
    PickReport report;
    POINT point;     // the pick point, physical screen pixels
    COLORREF color;  // the pixel there as last reported; CLR_INVALID where none
    int across;      // screen pixels across the magnifier
    int wheel;       // wheel turns short of a whole notch
    FrozenScreen picture;
    HWND keepAbove;  // kept in view above the frozen screen; may be null
    bool keepAboveWasTopmost;
    HWND previousForeground;  // gets the keyboard back after a frozen pick
    HWND previousFocus;       // and after a held pick
    HCURSOR previousCursor;
    bool cursorTaken;  // previousCursor holds what the cross replaced
    bool grabKept;     // a held pick under Wine whose pointer the keys moved (screen_pick.cpp)
    DPI_AWARENESS_CONTEXT ownerDpi;  // the owner's DPI awareness, for the reports
    bool keysPressed[256];           // by virtual key: it went down while the pick lasted
    // While the pick starts, an end waits until the start is through, so that
    // no step of the start works on a pick already given back.
    bool starting;
    PickEndWaiting endWaiting;
    bool windowGone;  // someone else destroyed the pick's window while it started
};

extern PickSession g_pickSession;

// The colour at a point, from the picture or the live screen.
COLORREF PickColorAt(POINT point);

// What the pick's window makes of its input.
void PickMoveTo(POINT point);
void PickMoveBy(int dx, int dy);
void PickZoom(bool closer);
void PickNextAverage();
// Ends the pick and reports it kept or restored.
void PickEnd(bool keep);
// The pick's window is being destroyed by someone else: the pick ends, restored.
void PickWindowGone();

// The pick's window: a child of `parent` that is never shown, for a held pick;
// or, with `parent` null, a borderless topmost window over `area` that shows the
// frozen picture. Null on failure.
HWND CreatePickWindow(HWND parent, const RECT& area);
