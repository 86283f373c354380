// The risk game: the ladder's money, the card timing, the end of the ladder and the hand-over.
#include <gtest/gtest.h>

#include "BonusDriver.h"

namespace vortala::test {

namespace {

struct RiskTest : ::testing::Test {
    GameState g;
    RecordingHost host;
    void SetUp() override {
        g.Win = 10;
        g.LineWinPending = 1;
        g.InputLocked = 1;
        OpenRiskScreen(g);
    }
};

}  // namespace

TEST_F(RiskTest, RightRightWrongLosesTheWinAndReturnsTheReels) {
    g.FortuneRiskNow = 100;
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 20);
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 40);
    EXPECT_FALSE(host.IsRunning(PhaseTimer::TiRBsbros));
    g.FortuneRiskNow = -100;
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 0);
    EXPECT_TRUE(g.RiskLocked);  // no guess after a loss
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiRBsbros));
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"card", "rbyes", "card", "rbyes", "card", "rbno"}));

    EndRisk(g, host);
    EXPECT_TRUE(g.ReelsInView);
    EXPECT_FALSE(g.InputLocked || g.RiskScreen || g.LineWinPending || g.RiskStep || g.SuperBonusDue);
}

TEST_F(RiskTest, TakingAfterTwoRightGuessesPaysFourTimes) {
    g.Credit = 5;
    g.FortuneRiskNow = 100;
    PlayCard(g, host);
    PlayCard(g, host);
    TakeWin(g, host);
    EXPECT_EQ(g.Credit, 45);
    EXPECT_EQ(g.Win, 0);
    EXPECT_TRUE(g.ReelsInView);
}

TEST_F(RiskTest, CardTravelsLongerOnEarlierSteps) {
    g.FortuneRiskNow = 100;
    Guess(g, host, 2);
    int frames = 0;
    while (!g.RiskCardShown[0]) ++frames, StepRiskCard(g, host);
    EXPECT_EQ(frames, 9);
    EXPECT_FALSE(g.RiskLocked);
    for (int k = 2; k <= 6; ++k) PlayCard(g, host);
    Guess(g, host, 2);
    for (frames = 0; !g.RiskCardShown[6];) ++frames, StepRiskCard(g, host);
    EXPECT_EQ(frames, 3);
}

TEST_F(RiskTest, SevenRightGuessesFeedTheThirdHelmAndEndTheLadder) {
    g.FortuneRiskNow = 100;
    g.HelmBank[2] = 7;
    for (int k = 1; k <= 7; ++k) PlayCard(g, host);
    EXPECT_EQ(g.Win, 1280);
    EXPECT_EQ(g.HelmBank[2], 7 + 128);
    EXPECT_TRUE(g.HelmTurning[2] && g.RiskLadderWon);
    EXPECT_EQ(host.sounds.back(), "komb3");
    // The ladder is over: the last card leaves input locked and an eighth guess is refused.
    EXPECT_TRUE(g.RiskLocked);
    g.RiskLocked = 0;
    Guess(g, host, 1);
    EXPECT_EQ(g.RiskStep, 7);
    EXPECT_EQ(g.Win, 1280);

    EndRisk(g, host);
    EXPECT_TRUE(g.SuperBonusDue && g.SuperBonusScreen);
    EXPECT_EQ(host.sounds.back(), "sbon");
    EXPECT_EQ(g.Win, 1280);  // at stake on the voyage
    EXPECT_FALSE(g.ReelsInView);
}

TEST_F(RiskTest, ASecondRiskScreenInOneRoundAcceptsGuesses) {
    g.FortuneRiskNow = 100;
    for (int k = 1; k <= 7; ++k) PlayCard(g, host);
    EndRisk(g, host);
    g.Win = 50;  // e.g. a full barrel after the voyage
    OpenRiskScreen(g);
    PlayCard(g, host);
    EXPECT_EQ(g.Win, 100);
}

TEST_F(RiskTest, LossKeepsAPendingFreeGamesPick) {
    g.FreeGameTrigger = 3;
    g.ChestTrigger = 4;
    g.FortuneRiskNow = -100;
    PlayCard(g, host);
    EndRisk(g, host);
    EXPECT_TRUE(g.FreeGameScreen);
    EXPECT_FALSE(g.ChestScreen || g.ReelsInView);
    EXPECT_EQ(host.sounds.back(), "add");
}

}  // namespace vortala::test
