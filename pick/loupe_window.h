// The loupe: the pick's magnifier in a window of its own beside the pointer, for
// an owner that has no window to show the magnifier in (the command-line program).
#pragma once
#include <windows.h>

// Creates the loupe, hidden, in physical pixels; null on failure. The caller
// destroys it with DestroyWindow once the pick has ended.
HWND CreateLoupe();

// Shows the loupe beside `point` (physical screen pixels), on the monitor the
// point is on, painted at once.
void FollowWithLoupe(HWND loupe, POINT point);
