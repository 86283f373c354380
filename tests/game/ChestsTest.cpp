// Treasure chests: what a pick pays, when the voyage follows, and the chest timer chain.
#include <gtest/gtest.h>

#include "BonusDriver.h"

namespace vortala::test {

namespace {

struct ChestTest : ::testing::Test {
    GameState g;
    RecordingHost host;
    void SetUp() override {
        g.TotalBet = 20;
        g.ChestTrigger = 4;
        g.SuperBonusDue = 1;  // set with the trigger at collection
        g.ChestScreen = 1;
        g.InputLocked = 1;
    }
    void RunToEnd() {
        RevealChests(g, host);
        EXPECT_TRUE(host.IsRunning(PhaseTimer::TiSUNsbros));
        EndChests(g, host);
    }
};

}  // namespace

TEST_F(ChestTest, BestChestPaysItsMultipleAndTheVoyageFollows) {
    g.FortuneBonus = 100;
    PickChest(g, host, 3);
    EXPECT_EQ(g.Chests[3].ChestValue, 15);
    EXPECT_EQ(g.Win, 300);
    EXPECT_TRUE(g.Chests[3].ChestOpen && !g.Chests[0].ChestOpen);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiSUNpause));

    const auto values = g.Chests;
    PickChest(g, host, 1);  // a second pick changes nothing
    EXPECT_EQ(g.Win, 300);
    EXPECT_FALSE(g.Chests[1].ChestChosen);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g.Chests[i].ChestValue, values[i].ChestValue);

    RunToEnd();
    EXPECT_TRUE(g.SuperBonusScreen);
    EXPECT_FALSE(g.ChestScreen || g.ChestTrigger || g.ReelsInView);
    EXPECT_EQ(host.sounds.back(), "sbon");
}

TEST_F(ChestTest, EmptyChestWithNothingWonReturnsTheReels) {
    g.FortuneBonus = -100;
    PickChest(g, host, 0);
    EXPECT_EQ(g.Win, 0);
    EXPECT_FALSE(g.SuperBonusDue);
    RunToEnd();
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.SuperBonusScreen);
}

TEST_F(ChestTest, AWinOfOneStillGoesOnTheVoyage) {
    g.Win = 1;
    g.FortuneBonus = -100;
    PickChest(g, host, 2);
    EXPECT_TRUE(g.SuperBonusDue);
    RunToEnd();
    EXPECT_TRUE(g.SuperBonusScreen);
    EXPECT_FALSE(g.ReelsInView);
}

}  // namespace vortala::test
