// The magnifier's and the loupe's geometry (see magnifier_geometry.h).
#include "magnifier_geometry.h"

namespace {

constexpr int kZoomSteps[] = {5, 7, 9, 11, 15, 21, 31};
constexpr int kZoomStepCount = sizeof kZoomSteps / sizeof kZoomSteps[0];

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

int NextZoom(int across, bool closer) {
    int step = 0;
    while (step < kZoomStepCount - 1 && kZoomSteps[step] < across) ++step;
    step = closer ? step - 1 : step + 1;
    return kZoomSteps[Clamp(step, 0, kZoomStepCount - 1)];
}

MagnifierLayout LayOutMagnifier(const RECT& area, int across, POINT point, const RECT& screen) {
    MagnifierLayout layout = {};
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (across <= 0 || width <= 0 || height <= 0) return layout;
    layout.block = (width < height ? width : height) / across;
    const int side = layout.block * across;
    const int left = area.left + (width - side) / 2, top = area.top + (height - side) / 2;
    layout.grid = {left, top, left + side, top + side};
    if (layout.block == 0) return layout;

    const int half = across / 2;
    layout.centre = {left + half * layout.block, top + half * layout.block,
                     left + (half + 1) * layout.block, top + (half + 1) * layout.block};
    // The pixels on show, then only those on the screen.
    const RECT shown = {point.x - half, point.y - half, point.x - half + across,
                        point.y - half + across};
    if (!IntersectRect(&layout.source, &shown, &screen)) return layout;
    layout.target = {left + (layout.source.left - shown.left) * layout.block,
                     top + (layout.source.top - shown.top) * layout.block,
                     left + (layout.source.right - shown.left) * layout.block,
                     top + (layout.source.bottom - shown.top) * layout.block};
    return layout;
}

namespace {

// Pixels between the pointer and the loupe beside it.
constexpr int kLoupeGap = 24;

// One axis: after the point where there is room, before it where there is not,
// and inside the monitor whatever the room (a loupe larger than the monitor
// starts at its edge).
int PlaceBeside(int point, int side, int low, int high) {
    int start = point + kLoupeGap;
    if (start + side > high) start = point - kLoupeGap - side;
    return Clamp(start, low, high - side > low ? high - side : low);
}

}  // namespace

RECT PlaceLoupe(POINT point, int side, const RECT& monitor) {
    const int left = PlaceBeside(point.x, side, monitor.left, monitor.right);
    const int top = PlaceBeside(point.y, side, monitor.top, monitor.bottom);
    return {left, top, left + side, top + side};
}

POINT MovePointOnScreen(POINT point, int dx, int dy, const RECT& screen) {
    return {Clamp(point.x + dx, screen.left, screen.right - 1),
            Clamp(point.y + dy, screen.top, screen.bottom - 1)};
}
