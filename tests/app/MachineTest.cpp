// Machine behaviour that scripts cannot reach: the window-to-field mapping and the cursor.
#include <gtest/gtest.h>

#include "app/HeadlessHost.h"
#include "game/FieldArea.h"
#include "game/FieldZones.h"

namespace vortala {
namespace {

TEST(MapToFieldTest, MapsCornersAndSurvivesDegenerateClientAreas) {
    const FieldPoint topLeft = Machine::MapToField(0, 0, 800, 600);
    EXPECT_EQ(topLeft.x, 0);
    EXPECT_EQ(topLeft.y, 500);
    const FieldPoint bottomRight = Machine::MapToField(799, 599, 800, 600);
    EXPECT_EQ(bottomRight.x, 666);
    EXPECT_EQ(bottomRight.y, 0);
    // A minimised window reports a zero or one-pixel client area: no division by zero.
    for (int h : {0, 1}) {
        const FieldPoint p = Machine::MapToField(0, 0, 0, h);
        EXPECT_EQ(p.y, 500);
        EXPECT_EQ(p.x, 0);
    }
}

// A 16:9 screen shows the 4:3 field 1440 wide between bars of 240: clicks follow the bars, and a
// click in a bar is on no button, not even the exit zone that reaches past the field's edge.
TEST(MapToFieldTest, FollowsTheBarsOfALetterboxedField) {
    const FieldArea area = FitField(1920, 1080);
    EXPECT_EQ(area.x, 240);
    EXPECT_EQ(area.width, 1440);
    EXPECT_EQ(area.height, 1080);
    EXPECT_EQ(Machine::MapToField(240, 0, 1920, 1080).x, 0);
    EXPECT_EQ(Machine::MapToField(240, 0, 1920, 1080).y, 500);
    EXPECT_EQ(Machine::MapToField(1679, 1079, 1920, 1080).x, 666);
    EXPECT_EQ(Machine::MapToField(1679, 1079, 1920, 1080).y, 0);
    const FieldPoint exit = Machine::MapToField(1636, 39, 1920, 1080);  // the exit button's middle
    EXPECT_TRUE(zones::kExit.Contains(exit.x, exit.y));
    for (int x : {100, 1700, 1919}) {
        const FieldPoint bar = Machine::MapToField(x, 39, 1920, 1080);
        EXPECT_FALSE(zones::kExit.Contains(bar.x, bar.y)) << x;
    }
    // A tall window puts the bars above and below.
    EXPECT_EQ(Machine::MapToField(400, 100, 800, 800).y, 500);
    EXPECT_EQ(Machine::MapToField(400, 50, 800, 800).x, kOutsideField.x);
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
