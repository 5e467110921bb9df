// Where the picture parts lie, on a bar and a picker of known size: the ends of
// the scales land on the first and last rows and columns, and the arrow at any
// lightness lies inside the column that is erased for it and the press area.
#include <gtest/gtest.h>

#include "picture_geometry.h"
#include "picture_probe.h"

namespace {

const RECT kBar = {386, 9, 398, 210};      // 12 × 201
const RECT kPicker = {100, 50, 305, 251};  // 205 × 201

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(PictureGeometry, ArrowTipRunsFromTheTopRowToTheBottomRow) {
    const struct {
        int lightness;
        POINT tip;
    } cases[] = {{240, {400, 9}}, {120, {400, 109}}, {0, {400, 209}}};
    for (const auto& c : cases) {
        POINT tip = ArrowTip(kBar, c.lightness);
        EXPECT_EQ(tip.x, c.tip.x) << c.lightness;
        EXPECT_EQ(tip.y, c.tip.y) << c.lightness;
    }
}

TEST(PictureGeometry, TheArrowStaysInItsColumnAndThePressArea) {
    for (int a : {5, 6, 9}) {
        const RECT column = ArrowColumn(kBar, a), press = BarPressArea(kBar, a);
        for (int lightness : {0, 240}) {
            POINT tip = ArrowTip(kBar, lightness);
            // The filled triangle: from the tip to a back edge one arrow size away.
            const RECT arrow = {tip.x, tip.y - a, tip.x + a, tip.y + a + 1};
            EXPECT_TRUE(Contains(column, arrow)) << RectText(column) << " " << RectText(arrow);
            EXPECT_GE(press.right, arrow.right) << "a press on the arrow's back edge grabs it";
        }
        EXPECT_TRUE(Contains(press, kBar));
    }
}

TEST(PictureGeometry, MarkerCentreSitsOnTheCornersAtTheEndsOfTheScales) {
    const struct {
        int hue, saturation;
        POINT centre;
    } cases[] = {{0, 240, {100, 50}},
                 {239, 240, {304, 50}},
                 {0, 0, {100, 250}},
                 {239, 0, {304, 250}},
                 {120, 120, {202, 150}}};
    for (const auto& c : cases) {
        POINT centre = MarkerCentre(kPicker, c.hue, c.saturation);
        EXPECT_EQ(centre.x, c.centre.x) << c.hue << "," << c.saturation;
        EXPECT_EQ(centre.y, c.centre.y) << c.hue << "," << c.saturation;
    }
}

}  // namespace
