// The thread timer's timing rules as the headless host keeps them on its virtual clock.
#include <gtest/gtest.h>

#include "app/HeadlessHost.h"

namespace vortala {
namespace {

// WildAnimation (100 ms) counts its ticks in the wild animation counter; LineShow (2000 ms) clears
// LinesShowing and disables itself in its handler.
class TimerTest : public ::testing::Test {
protected:
    HeadlessHost host{1, 0};
    int JokerTicks() { return host.machine().State().WildAnimationCounter; }
    bool LinesShown() { return host.machine().State().LinesShowing != 0; }
    void ShowLines() {
        host.machine().EditState().LinesShowing = 1;
        host.SetTimerEnabled(TimerId::LineShow, true);
    }
};

TEST_F(TimerTest, FirstTickOneIntervalAfterEnablingThenFromEachTick) {
    host.Advance(35);
    host.SetTimerEnabled(TimerId::WildAnimation, true);
    host.Advance(99);
    EXPECT_EQ(JokerTicks(), 0);
    host.Advance(1);
    EXPECT_EQ(JokerTicks(), 1);
    host.Advance(99);
    EXPECT_EQ(JokerTicks(), 1);
    host.Advance(1);
    EXPECT_EQ(JokerTicks(), 2);
    // A long stretch brings one tick per interval, never more.
    host.Advance(550);
    EXPECT_EQ(JokerTicks(), 7);
}

TEST_F(TimerTest, TickDueWhileDisabledIsDroppedAndOldDeadlineStands) {
    host.SetTimerEnabled(TimerId::WildAnimation, true);
    host.Advance(90);
    host.SetTimerEnabled(TimerId::WildAnimation, false);
    host.Advance(200);
    EXPECT_EQ(JokerTicks(), 0);
    // Enabled again after its deadline passed: it ticks at once, then one interval later.
    host.SetTimerEnabled(TimerId::WildAnimation, true);
    host.Advance(0);
    EXPECT_EQ(JokerTicks(), 1);
    host.Advance(100);
    EXPECT_EQ(JokerTicks(), 2);
}

TEST_F(TimerTest, IntervalChangeAppliesFromTheFollowingTick) {
    host.SetTimerEnabled(TimerId::WildAnimation, true);
    host.Advance(50);
    host.SetTimerInterval(TimerId::WildAnimation, 300);
    host.Advance(50);
    EXPECT_EQ(JokerTicks(), 1);
    host.Advance(299);
    EXPECT_EQ(JokerTicks(), 1);
    host.Advance(1);
    EXPECT_EQ(JokerTicks(), 2);
}

TEST_F(TimerTest, SelfDisabledTimerResumesFromItsLastTickOrFromReenabling) {
    ShowLines();
    host.Advance(2000);
    EXPECT_FALSE(LinesShown());
    EXPECT_FALSE(host.TimerEnabled(TimerId::LineShow));

    // Re-enabled within an interval of its tick: the pending deadline, 2000 after that tick.
    host.Advance(500);
    ShowLines();
    host.Advance(1499);
    EXPECT_TRUE(LinesShown());
    host.Advance(1);
    EXPECT_FALSE(LinesShown());

    // Re-enabled after more than an interval: one full interval after re-enabling.
    host.Advance(3000);
    ShowLines();
    host.Advance(1999);
    EXPECT_TRUE(LinesShown());
    host.Advance(1);
    EXPECT_FALSE(LinesShown());
}

TEST_F(TimerTest, OneShotFiresOnceAfterItsDelay) {
    GameState& g = host.machine().EditState();
    g.BarrelBonusDue = 1;
    g.BonusChooserArmed = 0;  // only this one-shot may open the screen
    host.StartOneShot(OneShotTimer::ChooserTimer, 2000);
    host.Advance(1999);
    EXPECT_EQ(g.BarrelScreen, 0);
    host.Advance(1);
    EXPECT_EQ(g.BarrelScreen, 1);
    g.BarrelScreen = 0;
    host.Advance(5000);  // fired once: nothing reopens it
    EXPECT_EQ(g.BarrelScreen, 0);
}

TEST_F(TimerTest, InputQueuedByAHandlerArrivesBeforeAnyLaterTick) {
    GameState& g = host.machine().EditState();
    g.IntroShown = 0;
    const std::uint32_t before = host.now();
    const int paintTicks = g.WildAnimationCounter;
    // Releasing the mouse over the coin slot queues Insert down and up.
    InputEvent e;
    e.kind = InputEvent::Kind::MouseDown;
    e.x = 200;
    e.y = 450;
    host.Input(e);
    e.kind = InputEvent::Kind::MouseUp;
    host.Input(e);
    EXPECT_EQ(g.Credit, 100);
    EXPECT_EQ(host.now(), before);
    EXPECT_EQ(g.WildAnimationCounter, paintTicks);
}

}  // namespace
}  // namespace vortala
