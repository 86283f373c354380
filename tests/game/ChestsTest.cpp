// Treasure chests: what a pick pays and when the voyage follows.
#include "BonusDriver.h"

namespace vortala::test {

struct ChestTest : BonusTest {
    void SetUp() override {
        g.TotalBet = 20;
        g.ChestTrigger = 4;
        g.SuperBonusDue = g.ChestScreen = g.InputLocked = 1;  // due together with the trigger
    }
    void PickAndEnd(int chest) {
        PickChest(g, host, chest);
        RevealChests(g, host);
        EndChests(g, host);
    }
};

TEST_F(ChestTest, BestChestPaysItsMultipleOnceAndTheVoyageFollows) {
    g.FortuneBonus = 100;
    PickChest(g, host, 3);
    EXPECT_EQ(g.Win, 300);
    PickChest(g, host, 1);  // a second pick changes nothing
    EXPECT_EQ(g.Win, 300);
    EXPECT_FALSE(g.Chests[1].ChestChosen);
    RevealChests(g, host);
    EndChests(g, host);
    EXPECT_TRUE(g.SuperBonusScreen && !g.ChestScreen && !g.ReelsInView);
}

TEST_F(ChestTest, AnyWinGoesOnTheVoyageAndNothingWonReturnsTheReels) {
    g.FortuneBonus = -100;  // the chest holds 0
    g.Win = 1;
    PickAndEnd(2);
    EXPECT_TRUE(g.SuperBonusDue && g.SuperBonusScreen && !g.ReelsInView);

    g = GameState{};
    SetUp();
    g.FortuneBonus = -100;
    PickAndEnd(0);
    EXPECT_FALSE(g.SuperBonusDue || g.SuperBonusScreen);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked);
}

}  // namespace vortala::test
