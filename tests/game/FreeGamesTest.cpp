// Free games: the award, its byte limit, and what follows the pick.
#include <gtest/gtest.h>

#include "BonusDriver.h"

namespace vortala::test {

namespace {

struct FreeGamesTest : ::testing::Test {
    GameState g;
    RecordingHost host;
    void SetUp() override {
        g.FreeGameTrigger = 5;
        g.FreeGameScreen = 1;
        g.FortuneBonus = 100;  // every item holds 24
        g.InputLocked = 1;
    }
};

}  // namespace

TEST_F(FreeGamesTest, PickAddsTheItemAndReturnsTheReels) {
    g.FreeGames = 3;
    PickFreeGames(g, host, 4);
    EXPECT_EQ(g.FreeGames, 27);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiADDsbros));
    PickFreeGames(g, host, 1);
    EXPECT_EQ(g.FreeGames, 27);
    EndFreeGames(g, host);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.FreeGameScreen && !g.FreeGameTrigger);
}

TEST_F(FreeGamesTest, CountSaturatesInsteadOfWrapping) {
    g.FreeGames = 250;
    PickFreeGames(g, host, 0);
    EXPECT_EQ(g.FreeGames, 255);
}

TEST_F(FreeGamesTest, PendingChestsFollowThePick) {
    g.ChestTrigger = 3;
    g.SuperBonusDue = 1;
    PickFreeGames(g, host, 0);
    EndFreeGames(g, host);
    EXPECT_TRUE(g.ChestScreen && !g.ReelsInView && !g.SuperBonusScreen);
    EXPECT_EQ(host.loopedSounds, std::vector<std::string>{"sun_fon"});
}

}  // namespace vortala::test
