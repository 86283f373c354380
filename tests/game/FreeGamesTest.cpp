// Free games: the award and its byte limit.
#include "BonusDriver.h"

namespace vortala::test {

struct FreeGamesTest : BonusTest {
    void Offer(int freeGames) {
        g.FreeGameTrigger = 5;
        g.FreeGameScreen = g.InputLocked = 1;
        g.FortuneBonus = 100;  // every item holds 24
        g.FreeGames = static_cast<Byte>(freeGames);
    }
};

TEST_F(FreeGamesTest, PickAddsOnceAndSaturatesAt255) {
    Offer(3);
    PickFreeGames(g, host, 4);
    PickFreeGames(g, host, 1);
    EXPECT_EQ(g.FreeGames, 27);
    EndFreeGames(g, host);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.FreeGameScreen && !g.FreeGameTrigger);

    Offer(250);
    PickFreeGames(g, host, 0);
    EXPECT_EQ(g.FreeGames, 255);
}

}  // namespace vortala::test
