// Coordinate conversions for the converter's pictures, built on the platform's
// point conversions through the screen.
#include "coordinates.h"

#include "dialog_control.h"

namespace {

// Both corners through `from`'s client → screen → `to`'s client; `to` may be
// null for screen coordinates.
int MapCorners(HWND from, HWND to, RECT* rect) {
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    for (POINT& corner : corners) {
        if (!ClientToScreen(from, &corner)) return 0;
        if (to && !ScreenToClient(to, &corner)) return 0;
    }
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return 1;
}

}  // namespace

int MapRectToParent(HWND control, HWND dialog, RECT* rect) {
    return MapCorners(control, dialog, rect);
}

int MapRectToScreen(HWND dialog, RECT* rect) { return MapCorners(dialog, nullptr, rect); }

int MapPointToChild(HWND dialog, HWND control, POINT* point) {
    POINT p = *point;
    if (!ClientToScreen(dialog, &p) || !ScreenToClient(control, &p)) return 0;
    *point = p;
    return 1;
}

int GetControlRectInDialog(HWND dialog, int id, RECT* rect) {
    HWND control = DialogControl(dialog, id);
    RECT r;
    if (!control || !GetClientRect(control, &r) || !MapRectToParent(control, dialog, &r)) return 0;
    *rect = r;
    return 1;
}
