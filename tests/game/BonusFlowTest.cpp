// Whole bonus rounds across several screens: pending screens open in their fixed order, and the
// largest reachable win survives every doubling without overflow.
#include "BonusDriver.h"

namespace vortala::test {

TEST(BonusFlow, PendingScreensFollowInOrderAfterATake) {
    GameState g;
    RecordingHost host;
    g.TotalBet = 10;
    g.Win = 30;
    g.LineWinPending = 1;
    g.FreeGameTrigger = 3;
    g.ChestTrigger = 3;
    g.SuperBonusDue = 1;
    g.FortuneBonus = 100;
    OpenRiskScreen(g);

    TakeWin(g, host);
    EXPECT_EQ(g.Credit, 30);
    ASSERT_TRUE(g.FreeGameScreen);
    PickFreeGames(g, host, 0);
    EndFreeGames(g, host);
    ASSERT_TRUE(g.ChestScreen);
    EXPECT_FALSE(g.FreeGameScreen);
    PickChest(g, host, 0);
    RevealChests(g, host);
    EndChests(g, host);
    ASSERT_TRUE(g.SuperBonusScreen);
    EXPECT_EQ(g.Win, 100);
    MoveShip(g, host, 1);  // square 1 is a reef
    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, 130);
    EXPECT_EQ(g.FreeGames, 8);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked);
    EXPECT_FALSE(g.FreeGameScreen || g.ChestScreen || g.SuperBonusScreen || g.RiskScreen);
}

TEST(BonusFlow, SevenDoublingsThenEightVoyageDoublingsOfATopWin) {
    GameState g;
    RecordingHost host;
    const Money top = 1'500'000;
    g.Win = top;
    g.Credit = Money{1} << 40;
    g.Jackpot = 0;
    g.FortuneRiskNow = 100;
    OpenRiskScreen(g);
    for (int k = 1; k <= 7; ++k) PlayCard(g, host);
    EndRisk(g, host);
    ASSERT_TRUE(g.SuperBonusScreen);
    for (int steps : {2, 1, 3, 2, 2, 2, 2, 2}) MoveShip(g, host, steps);  // 2, 3, 6, ... 14, 16
    EXPECT_EQ(g.ShipSquare, 16);
    const Money paid = top << 15;
    EXPECT_EQ(g.Win, paid);
    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, (Money{1} << 40) + paid);
    EXPECT_EQ(g.Jackpot, paid / 20);
    EXPECT_EQ(g.HelmBank[2], (top << 7) / 10);

    // Far beyond any reachable amount the money saturates instead of wrapping.
    g.Win = kMoneyCap / 2 + 1;
    g.SuperBonusScreen = 1;
    MoveShip(g, host, 2);
    EXPECT_EQ(g.Win, kMoneyCap);
}

}  // namespace vortala::test
