// A magnified view of the pick in a window of its own beside the pointer, for an
// owner that has no window to show the view in (the command-line program).
#pragma once
#include <windows.h>

// Creates the view, hidden, in physical pixels; null on failure. The caller
// destroys it with DestroyWindow once the pick has ended.
HWND CreateLoupe();

// Shows the view beside `point` (physical screen pixels), on the monitor the
// point is on, painted at once.
void FollowWithLoupe(HWND loupe, POINT point);
