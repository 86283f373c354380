// Machine behaviour that scripts cannot reach: the window-to-field mapping and the cursor.
#include <gtest/gtest.h>

#include "app/HeadlessHost.h"

namespace vortala {
namespace {

TEST(MapToFieldTest, MapsCornersAndSurvivesDegenerateClientAreas) {
    const FieldPoint topLeft = Machine::MapToField(0, 0, 800, 601);
    EXPECT_EQ(topLeft.x, 0);
    EXPECT_EQ(topLeft.y, 500);
    const FieldPoint bottomRight = Machine::MapToField(800, 600, 800, 601);
    EXPECT_EQ(bottomRight.x, 666);
    EXPECT_EQ(bottomRight.y, 0);
    // A minimised window reports a zero or one-pixel client area: no division by zero.
    for (int h : {0, 1}) {
        const FieldPoint p = Machine::MapToField(10, 0, 0, h);
        EXPECT_EQ(p.y, 500);
        EXPECT_GE(p.x, 0);
    }
}

TEST(CursorTest, HandOverButtonsAndOnlyOverTheOpenScreensControls) {
    HeadlessHost host;
    Machine& m = host.machine();
    GameState& g = m.EditState();
    // The intro shows the arrow everywhere.
    EXPECT_EQ(m.FormMouseMove({}, 620, 110), Cursor::Arrow);
    g.IntroShown = 0;
    EXPECT_EQ(m.FormMouseMove({}, 620, 110), Cursor::Hand);  // maximum button
    EXPECT_EQ(m.FormMouseMove({}, 652, 155), Cursor::Hand);  // a bet button
    EXPECT_EQ(m.FormMouseMove({}, 300, 300), Cursor::Arrow);
    // The inner line strip's cursor zone stops short of its press zone at 328.
    EXPECT_EQ(m.FormMouseMove({}, 10, 330), Cursor::Arrow);
    // The risk screen: only its three buttons.
    g.RiskScreen = 1;
    EXPECT_EQ(m.FormMouseMove({}, 620, 110), Cursor::Arrow);
    EXPECT_EQ(m.FormMouseMove({}, 300, 150), Cursor::Hand);
    g.RiskScreen = 0;
    // Chest 4 has no hand area.
    g.ChestScreen = 1;
    EXPECT_EQ(m.FormMouseMove({}, 250, 230), Cursor::Arrow);
    EXPECT_EQ(m.FormMouseMove({}, 300, 150), Cursor::Hand);
}

TEST(BarrelHoverTest, HoveringChoosesBarrelsAndTargetsLaterZonesWinning) {
    HeadlessHost host;
    Machine& m = host.machine();
    GameState& g = m.EditState();
    g.BarrelScreen = 1;
    m.FormMouseMove({}, 200, 200);
    EXPECT_EQ(g.BarrelChoice, 1);
    m.FormMouseMove({}, 270, 200);  // the shared edge goes to the later barrel
    EXPECT_EQ(g.BarrelChoice, 2);
    m.FormMouseMove({}, 600, 50);  // outside every zone the choice stays
    EXPECT_EQ(g.BarrelChoice, 2);
    m.FormMouseMove({}, 568, 295);
    EXPECT_EQ(g.BarrelChoice, 5);
    g.BarrelOpened = 1;
    m.FormMouseMove({}, 200, 200);
    EXPECT_EQ(g.BarrelChoice, 5);
}

}  // namespace
}  // namespace vortala
