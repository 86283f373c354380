// The ship voyage: the arrow, the track, and what is paid at the end.
#include <gtest/gtest.h>

#include "BonusDriver.h"

namespace vortala::test {

namespace {

struct VoyageTest : ::testing::Test {
    GameState g;
    RecordingHost host;
    void SetUp() override {
        g.SuperBonusDue = g.SuperBonusScreen = 1;
        g.Win = 100;
        g.Credit = 50;
        g.Jackpot = 1000;
    }
};

}  // namespace

TEST(Voyage, ArrowFromTwentyFiveAtSpeedTwoHundredEndsAt325) {
    GameState g;
    g.ArrowSpeed = 200;
    int turned = 0;
    while (g.ArrowSpeed > 0) turned += g.ArrowSpeed, StepArrow(g);
    EXPECT_EQ(turned, 20100);
    EXPECT_EQ(g.ArrowAngle, 325);
    EXPECT_EQ(ArrowSector(g.ArrowAngle), 2);
}

TEST_F(VoyageTest, ArrowIsReadOnlyOnceItStands) {
    SpinArrow(g, host);
    EXPECT_GE(g.ArrowSpeed, 200);
    EXPECT_LT(g.ArrowSpeed, 400);
    CheckArrow(g, host);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiArrCheck));
    while (g.ArrowSpeed > 0) StepArrow(g);
    CheckArrow(g, host);
    EXPECT_FALSE(host.IsRunning(PhaseTimer::TiArrCheck));
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiSBonStep));
    EXPECT_EQ(g.ShipTarget, ArrowSector(g.ArrowAngle));
}

TEST_F(VoyageTest, SafeSquaresDoubleAndAReefPaysTheWinAsItStands) {
    MoveShip(g, host, 2);
    EXPECT_EQ(g.Win, 200);
    EXPECT_FALSE(g.ArrowSpinning);
    MoveShip(g, host, 1);
    EXPECT_EQ(g.Win, 400);
    host.Clear();
    MoveShip(g, host, 2);
    EXPECT_EQ(g.ShipSquare, 5);
    EXPECT_TRUE(g.ShipSunk);
    EXPECT_EQ(g.Win, 400);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"brig_move", "brig_move", "sbon_dead"}));
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiBrigDead));

    g.InputLocked = 1;
    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, 450);
    EXPECT_EQ(g.Jackpot, 1020);
    EXPECT_EQ(g.Win, 0);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.SuperBonusScreen && !g.SuperBonusDue);
    EXPECT_EQ(g.ShipSquare, 0);
}

TEST_F(VoyageTest, AMovePastTheGoalEndsOnItWithOneDoubling) {
    g.ShipSquare = 14;
    host.Clear();
    MoveShip(g, host, 4);
    EXPECT_EQ(g.ShipSquare, 16);
    EXPECT_EQ(g.Win, 200);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::TiBrigDead));
    EXPECT_FALSE(host.IsRunning(PhaseTimer::TiSBonStep));
    EXPECT_EQ(host.sounds.back(), "sbon_win");
}

TEST_F(VoyageTest, ThirdHelmAtItsTopStartsTheBarrelsAfterTheVoyage) {
    g.RiskLadderWon = 1;
    g.HelmPosition[2] = 1;  // turned from 10 while the ladder's last card showed
    MoveShip(g, host, 1);
    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, 150);
    EXPECT_TRUE(g.BarrelBonusDue && g.BarrelScreen && !g.ReelsInView);
}

}  // namespace vortala::test
