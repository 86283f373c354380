// The ship voyage: the arrow, the track, and what is paid at the end.
#include "BonusDriver.h"

namespace vortala::test {

struct VoyageTest : BonusTest {
    void SetUp() override {
        g.SuperBonusDue = g.SuperBonusScreen = g.InputLocked = 1;
        g.Win = 100;
        g.Credit = 50;
        g.Jackpot = 1000;
    }
};

TEST_F(VoyageTest, ArrowStandsAt325AfterSpeed200AndIsReadOnlyThen) {
    SpinArrow(g, host);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::ArrowCheck));
    g.ArrowAngle = 25;
    g.ArrowSpeed = 200;
    CheckArrow(g, host);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::ArrowCheck));
    while (g.ArrowSpeed > 0) StepArrow(g);
    EXPECT_EQ(g.ArrowAngle, 325);
    CheckArrow(g, host);
    EXPECT_EQ(g.ShipTarget, 2);
    EXPECT_FALSE(host.IsRunning(PhaseTimer::ArrowCheck));
    EXPECT_TRUE(host.IsRunning(PhaseTimer::ShipStep));
}

TEST_F(VoyageTest, SafeSquaresDoubleAndAReefPaysTheWinAsItStands) {
    MoveShip(g, host, 2);
    MoveShip(g, host, 1);
    EXPECT_EQ(g.Win, 400);
    EXPECT_FALSE(g.ArrowSpinning);
    host.Clear();
    MoveShip(g, host, 2);
    EXPECT_TRUE(g.ShipSunk);
    EXPECT_EQ(g.Win, 400);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"brig_move", "brig_move", "sbon_dead"}));
    EXPECT_TRUE(host.IsRunning(PhaseTimer::VoyageEnd));

    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, 450);
    EXPECT_EQ(g.Jackpot, 1020);
    EXPECT_EQ(g.Win, 0);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.SuperBonusScreen && !g.SuperBonusDue);
}

TEST_F(VoyageTest, AMovePastTheGoalEndsOnItWithOneDoubling) {
    g.ShipSquare = 14;
    MoveShip(g, host, 4);
    EXPECT_EQ(g.ShipSquare, 16);
    EXPECT_EQ(g.Win, 200);
    EXPECT_TRUE(host.IsRunning(PhaseTimer::VoyageEnd) && !host.IsRunning(PhaseTimer::ShipStep));
}

TEST_F(VoyageTest, ThirdHelmAtItsTopStartsTheBarrelsAfterTheVoyage) {
    g.RiskLadderWon = 1;
    g.HelmPosition[2] = 1;  // turned from 10 while the ladder's last card showed
    MoveShip(g, host, 1);
    EndVoyage(g, host);
    EXPECT_EQ(g.Credit, 150);
    EXPECT_TRUE(g.BarrelBonusDue && g.BarrelScreen && !g.ReelsInView);
    EXPECT_TRUE(g.InputLocked);  // no spin may start under the barrel screen
}

}  // namespace vortala::test
