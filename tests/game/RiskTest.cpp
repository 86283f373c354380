// The risk game: the ladder's money, the card timing, and the end of a seven-card ladder.
#include "BonusDriver.h"

namespace vortala::test {

struct RiskTest : BonusTest {
    void SetUp() override {
        g.Win = 10;
        g.LineWinPending = g.InputLocked = 1;
        g.FortuneRiskNow = 100;
        OpenRiskScreen(g);
    }
};

TEST_F(RiskTest, RightRightWrongLosesTheWinAndReturnsTheReels) {
    PlayCard(g, host);
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 40);
    EXPECT_FALSE(host.IsRunning(PhaseTimer::RiskEnd));
    g.FortuneRiskNow = -100;
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 0);
    EXPECT_TRUE(g.RiskLocked && host.IsRunning(PhaseTimer::RiskEnd));
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"card", "rbyes", "card", "rbyes", "card", "rbno"}));
    EndRisk(g, host);
    EXPECT_TRUE(g.ReelsInView);
    EXPECT_FALSE(g.InputLocked || g.RiskScreen || g.LineWinPending || g.RiskStep || g.SuperBonusDue);
}

TEST_F(RiskTest, DeckCardShowsOnTheNinthFrameAtStepOneAndTheThirdAtStepSeven) {
    Guess(g, host, 2);
    int frames = 0;
    while (!g.RiskCardShown[0]) ++frames, StepRiskCard(g, host);
    EXPECT_EQ(frames, 9);
    for (int k = 2; k <= 6; ++k) PlayCard(g, host);
    Guess(g, host, 2);
    for (frames = 0; !g.RiskCardShown[6];) ++frames, StepRiskCard(g, host);
    EXPECT_EQ(frames, 3);
}

TEST_F(RiskTest, SevenRightGuessesFeedTheThirdHelmEndTheLadderAndOpenTheVoyage) {
    g.HelmBank[2] = 7;
    for (int k = 1; k <= 7; ++k) PlayCard(g, host);
    EXPECT_EQ(g.Win, 1280);
    EXPECT_EQ(g.HelmBank[2], 7 + 128);
    EXPECT_TRUE(g.HelmTurning[2] && g.RiskLadderWon);
    EXPECT_EQ(host.sounds.back(), "komb3");
    EXPECT_TRUE(g.RiskLocked);  // after the last card only the end timer moves on
    GameState unlocked = g;
    unlocked.RiskLocked = 0;
    Guess(unlocked, host, 1);
    EXPECT_EQ(unlocked.RiskStep, 7);  // no eighth card even if the lock were lifted

    EndRisk(g, host);
    EXPECT_TRUE(g.SuperBonusDue && g.SuperBonusScreen && !g.ReelsInView);
    EXPECT_EQ(g.Win, 1280);
    // A later risk screen in the same round (after a full barrel, say) takes guesses again.
    OpenRiskScreen(g);
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 2560);
}

}  // namespace vortala::test
