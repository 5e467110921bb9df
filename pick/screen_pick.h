// Picking a colour anywhere on the screen. Two kinds of pick:
// - held: a button pressed on the owner's window and held while the mouse moves;
//   the pick follows the live screen and ends at the release;
// - frozen: the whole screen is frozen in one picture shown in a window that
//   covers it; the pick follows the mouse without a button and ends with a click,
//   Enter or Space.
// In both the arrow keys steer the pick point (Shift for ten pixels), + and -
// and the mouse wheel zoom the magnifier, and Escape (or the user leaving for
// another window) puts the colour back. A pick holds the mouse and the keyboard
// in a window of its own while it lasts, and gives back everything it took when it ends.
#pragma once
#include <windows.h>

#include "pick_report.h"

// Starts a held pick for the button held down on `owner`, at the cursor.
// False if a pick lasts already or the platform refuses; nothing has changed then.
// False too when the pick ended while it started (another window took the
// keyboard or the mouse back, the owner cancelled at the first report): it has
// reported restored then, and given everything back.
bool StartHeldPick(HWND owner, const PickReport& report);

// Starts a frozen pick at the cursor. `keepAbove` (may be null) stays in view
// above the frozen screen. False if a pick lasts already or the screen can't be
// taken; nothing has changed then. False too, as for a held pick, when the pick
// ended while it started.
bool StartFrozenPick(HWND keepAbove, const PickReport& report);

// The window that holds the mouse and the keyboard while a pick lasts; null when
// no pick lasts.
HWND PickWindow();

// Ends the pick that lasts, if any, as Escape does: restored is reported.
void CancelPick();

// Ends the pick that lasts, if any, reporting nothing: for an owner going away.
void AbandonPick();

// The side of the square a pick takes the mean of: 1 (the one pixel at the
// point), 3, 5, ... 15. The mean is of the pixels' encoded sRGB channels, each
// rounded half up, as image editors average; pixels off the screen don't count.
// Kept from one pick to the next while the program runs; the A key steps it
// during a pick, from 15 back to 1.
int PickAverage();
void SetPickAverage(int side);

// Paints the pick's magnifier into `area` of `dc`; nothing when no pick lasts.
void PaintPickMagnifier(HDC dc, const RECT& area);
