// Helms and the barrel bonus: the turn to position 1, which banks a barrel pays or empties, the
// explosion's reveal and the cursor keys.
#include "BonusDriver.h"

namespace vortala::test {

struct BarrelTest : BonusTest {
    // Helm 1 completed its circle in this game (fed at 10, now at 1); helm 2 was fed elsewhere.
    void SetUp() override {
        g.ScatterWon = g.WildLineWon = 1;
        g.HelmPosition = {1, 5, 7};
        g.HelmBank = {300, 40, 90};
        g.BarrelBonusDue = g.BarrelScreen = g.InputLocked = 1;
        g.BarrelChoice = 2;
    }
    void Open(int content) {
        g.Seed = SeedWhere(g, DrawBarrelContent, content);
        PressBarrelSpace(g, host);
    }
};

TEST(Helms, EachFeedingTurnsOnePositionIn36Frames) {
    GameState g;
    for (int start = 1; start <= 10; ++start) {
        g.HelmPosition[0] = start;
        g.HelmAngle[0] = HelmAngleOfPosition(start);
        g.HelmTurning[0] = 1;
        int frames = 0;
        while (g.HelmTurning[0] && frames < 100) ++frames, StepHelms(g);
        EXPECT_EQ(frames, 36);
        EXPECT_EQ(g.HelmPosition[0], start % 10 + 1);
    }
}

TEST_F(BarrelTest, NoBarrelOpensWhileAHelmStillTurns) {
    g.HelmPosition[0] = 10;
    g.HelmAngle[0] = 36;
    g.HelmTurning[0] = 1;
    PressBarrelSpace(g, host);
    EXPECT_FALSE(g.BarrelOpened);
    while (g.HelmTurning[0]) StepHelms(g);
    Open(2);
    EXPECT_EQ(g.Win, 300);
}

TEST_F(BarrelTest, FullPaysEveryCompletedBankIntoTheRiskGameEmptyKeepsThem) {
    GameState empty = g;
    g.HelmPosition[1] = 1;
    g.Win = 5;
    Open(2);
    EXPECT_EQ(g.Win, 345);
    EXPECT_EQ(g.HelmBank, (std::array<Money, 3>{0, 0, 90}));
    EndBarrels(g, host);
    EXPECT_TRUE(g.RiskScreen && !g.RiskLocked && !g.BarrelScreen && !g.ReelsInView);

    std::swap(g, empty);
    g.ForcedArrangement = 1;
    Open(1);
    EXPECT_EQ(g.HelmBank, (std::array<Money, 3>{300, 40, 90}));
    EndBarrels(g, host);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.ForcedArrangement && !g.BarrelBonusDue);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"barron", "barroff"}));
}

TEST_F(BarrelTest, PowderEmptiesCompletedBanksAndTheBlastRevealsTheOthers) {
    g.BarrelChoice = 1;
    Open(0);
    EXPECT_EQ(g.HelmBank, (std::array<Money, 3>{0, 40, 90}));
    EXPECT_EQ(g.BarrelContent[0], 3);
    EXPECT_EQ(g.OtherBarrelA + g.OtherBarrelB, 3);  // one empty, one full
    for (int step = 1; step <= 16; ++step) StepExplosion(g);
    EXPECT_EQ(g.BarrelContent[1], 0);
    StepExplosion(g);
    EXPECT_EQ(g.BarrelContent[1], g.OtherBarrelA);
    EXPECT_EQ(g.BarrelContent[2], g.OtherBarrelB);
    EXPECT_EQ(g.TorchFlameLeft + g.TorchFlameRight, 0 + 2);
    for (int step = 18; step <= 65; ++step) StepExplosion(g);
    EXPECT_FALSE(g.BarrelExploded);
    EndBarrels(g, host);
    EXPECT_EQ(g.TorchFlameLeft + g.TorchFlameRight, 2);
}

TEST_F(BarrelTest, CursorKeysAndTorches) {
    g.BarrelChoice = 0;
    MoveBarrelChoice(g, BarrelMove::Down);
    EXPECT_EQ(g.BarrelChoice, 2);
    for (int want : {1, 3, 2}) {
        MoveBarrelChoice(g, BarrelMove::Left);
        EXPECT_EQ(g.BarrelChoice, want);
    }
    g.BarrelChoice = 5;
    PressBarrelSpace(g, host);
    MoveBarrelChoice(g, BarrelMove::Right);
    EXPECT_EQ(g.BarrelChoice, 1);
    EXPECT_EQ(g.TorchFlameRight, 0);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"blast"});
    EXPECT_FALSE(g.BarrelOpened);
}

}  // namespace vortala::test
