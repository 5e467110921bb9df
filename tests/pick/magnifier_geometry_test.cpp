// The magnifier's geometry in an area of known size: whole square blocks,
// centred; the part of the grid off the screen left out, at every edge and for
// a screen that reaches into negative coordinates; the zoom steps; the keys'
// moves kept on the screen; the loupe beside the pointer kept on its monitor.
#include <gtest/gtest.h>

#include <string>

#include "magnifier_geometry.h"

namespace {

const RECT kArea = {0, 0, 120, 100};
const RECT kScreen = {0, 0, 1280, 1024};
// A monitor left of and above the primary one.
const RECT kWideScreen = {-1920, -200, 1280, 1024};

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " to " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

TEST(MagnifierGeometry, BlocksAreWholeCentredAndOnlyTheScreenIsDrawn) {
    const struct {
        const char* what;
        int across;
        POINT point;
        RECT screen;
        int block;
        const char *grid, *centre, *source, *target;
    } cases[] = {
        {"middle of the screen",
         11,
         {500, 400},
         kScreen,
         9,
         "10,0 to 109,99",
         "55,45 to 64,54",
         "495,395 to 506,406",
         "10,0 to 109,99"},
        {"top left corner",
         11,
         {2, 3},
         kScreen,
         9,
         "10,0 to 109,99",
         "55,45 to 64,54",
         "0,0 to 8,9",
         "37,18 to 109,99"},
        {"bottom right corner, closest zoom",
         5,
         {1279, 1023},
         kScreen,
         20,
         "10,0 to 110,100",
         "50,40 to 70,60",
         "1277,1021 to 1280,1024",
         "10,0 to 70,60"},
        {"negative corner of a left monitor",
         11,
         {-1918, -199},
         kWideScreen,
         9,
         "10,0 to 109,99",
         "55,45 to 64,54",
         "-1920,-200 to -1912,-193",
         "37,36 to 109,99"},
        {"negative, well inside",
         31,
         {-600, -100},
         kWideScreen,
         3,
         "13,3 to 106,96",
         "58,48 to 61,51",
         "-615,-115 to -584,-84",
         "13,3 to 106,96"},
        {"off every screen",
         11,
         {-5000, -5000},
         kScreen,
         9,
         "10,0 to 109,99",
         "55,45 to 64,54",
         "0,0 to 0,0",
         "0,0 to 0,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MagnifierLayout layout = LayOutMagnifier(kArea, c.across, c.point, c.screen);
        EXPECT_EQ(layout.block, c.block);
        EXPECT_EQ(Text(layout.grid), c.grid);
        EXPECT_EQ(Text(layout.centre), c.centre);
        EXPECT_EQ(Text(layout.source), c.source);
        EXPECT_EQ(Text(layout.target), c.target);
    }
    EXPECT_EQ(LayOutMagnifier({0, 0, 20, 20}, 31, {5, 5}, kScreen).block, 0) << "too small an area";
}

TEST(MagnifierGeometry, ZoomStepsThroughOddSizesAndStopsAtTheEnds) {
    const struct {
        int across;
        bool closer;
        int next;
    } cases[] = {{kStartZoom, true, 9}, {kStartZoom, false, 15}, {7, true, 5},  {5, true, 5},
                 {21, false, 31},       {31, false, 31},         {15, true, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(NextZoom(c.across, c.closer), c.next) << c.across << (c.closer ? " +" : " -");
    EXPECT_EQ(kStartZoom, 11);
}

TEST(MagnifierGeometry, KeyMovesStayOnTheScreen) {
    const struct {
        POINT from;
        int dx, dy;
        RECT screen;
        POINT to;
    } cases[] = {{{0, 0}, -1, 0, kWideScreen, {-1, 0}},
                 {{-1915, 5}, -10, 0, kWideScreen, {-1920, 5}},
                 {{3, -195}, 0, -10, kWideScreen, {3, -200}},
                 {{1275, 1020}, 10, 10, kScreen, {1279, 1023}},
                 {{0, 0}, -1, -1, kScreen, {0, 0}}};
    for (const auto& c : cases) {
        const POINT to = MovePointOnScreen(c.from, c.dx, c.dy, c.screen);
        EXPECT_EQ(to.x, c.to.x) << c.from.x << "," << c.from.y;
        EXPECT_EQ(to.y, c.to.y) << c.from.x << "," << c.from.y;
    }
}

TEST(MagnifierGeometry, TheLoupeBesideThePointerMovesAsideAtTheMonitorsEdges) {
    const RECT left = {-1920, -200, 0, 880};  // a monitor left of and above the primary one
    const struct {
        const char* what;
        POINT point;
        RECT monitor;
        const char* place;
    } cases[] = {
        {"room below and right", {100, 100}, kScreen, "124,124 to 284,284"},
        {"at the right edge", {1200, 100}, kScreen, "1016,124 to 1176,284"},
        {"in the bottom right corner", {1279, 1023}, kScreen, "1095,839 to 1255,999"},
        {"negative, at the monitor's right edge", {-10, -190}, left, "-194,-166 to -34,-6"},
        {"negative, at its top left corner", {-1920, -200}, left, "-1896,-176 to -1736,-16"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(PlaceLoupe(c.point, 160, c.monitor)), c.place) << c.what;
}

}  // namespace
