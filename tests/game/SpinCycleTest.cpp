// A base game from stake to collection, frame by frame, and the spin fortune's thresholds.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala {
namespace {

using test::RecordingHost;

// n undrawn frames of 30 ms.
void Frames(GameState& g, RecordingHost& host, int n, std::uint32_t& now) {
    test::FixedClock clock;
    for (int i = 0; i < n; ++i) {
        clock.now = now += 30;
        StepFrame(g, host, clock, nullptr);
    }
}

struct Table {
    GameState g;
    RecordingHost host;
    std::uint32_t now = 1000;
    Table() {
        g.IntroShown = 0;
        g.IntroRunning = 0;
        g.ReelRadius = 1.08f;
        g.Credit = 1000;
        g.CreditInserted = 1000;
        g.LineBet.fill(2);
        RecomputeTotalBet(g);
    }
    void Preset(std::array<std::array<Byte, 5>, 3> rows) {
        g.PresetRows = rows;
        g.PresetPending = 1;
    }
    void Spin() {
        PrepareSpinKey(g, host);
        ASSERT_TRUE(CanStartSpin(g));
        StartSpin(g, host);
        Frames(g, host, 20, now);
        StopSpin(g, host);
        Frames(g, host, 100, now);
    }
};

TEST(SpinCycle, LosingGameDebitsTheStakeAndSettles) {
    Table t;
    t.Preset({{{1, 3, 2, 3, 5}, {5, 5, 4, 1, 4}, {3, 1, 1, 2, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.Credit, 1000 - 30);
    EXPECT_EQ(t.g.HasWin, 0);
    EXPECT_EQ(t.g.ReelsSpinning, 0);
    EXPECT_EQ(t.g.InputLocked, 0);
    EXPECT_EQ(t.g.ReelsAtRest, 1);
    for (float a : t.g.ReelAngle) EXPECT_EQ(a, 0.0f);
    EXPECT_TRUE(t.host.Played("barab_start"));
    EXPECT_TRUE(t.host.Played("barab"));
    EXPECT_EQ(std::count(t.host.sounds.begin(), t.host.sounds.end(), "barab_stop"), 5);
    EXPECT_TRUE(t.host.oneShots.empty());  // nothing for the chooser
}

TEST(SpinCycle, LineWinIsCollectedOnceAndArmsTheChooser) {
    Table t;
    // middle row: five sharks on line 1 (bet 2): 400; top row 4 4 4: line 2 pays 10 x 2
    t.Preset({{{4, 4, 4, 1, 2}, {3, 3, 3, 3, 3}, {5, 1, 2, 8, 9}}});
    t.Spin();
    EXPECT_EQ(t.g.Win, 400 + 20);
    EXPECT_EQ(t.g.LineWinPending, 1);
    EXPECT_EQ(t.g.WinShown, 1);
    EXPECT_EQ(std::count(t.host.sounds.begin(), t.host.sounds.end(), "komb1"), 1);
    EXPECT_EQ(t.g.LineHighlight[0], 1);
    EXPECT_EQ(t.g.LineHighlight[1], 1);
    ASSERT_EQ(t.host.oneShots.size(), 1u);
    EXPECT_EQ(t.host.oneShots[0].timer, OneShotTimer::ChooserTimer);
    EXPECT_EQ(t.g.InputLocked, 1);
    EXPECT_FALSE(CanStartSpin(t.g));

    ChooseBonusScreen(t.g, t.host);
    EXPECT_EQ(t.g.RiskScreen, 1);
    EXPECT_EQ(t.g.RiskLocked, 0);
}

TEST(SpinCycle, ScatterOnlyWinFeedsTheFirstHelm) {
    Table t;
    t.Preset({{{0, 1, 2, 0, 4}, {2, 3, 4, 5, 8}, {3, 4, 0, 8, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.HelmBank[0], 30);
    EXPECT_EQ(t.g.Win, 0);
    EXPECT_EQ(t.g.LineWinPending, 0);
    EXPECT_TRUE(t.host.Played("komb3"));
    EXPECT_TRUE(t.host.oneShots.empty());
    EXPECT_EQ(t.g.HelmPosition[0], 2);  // the helm turned one position meanwhile
}

TEST(SpinCycle, CoinLinesPileUpAndFifthRoundStartsTheCoinGame) {
    Table t;
    t.g.CoinRounds = 4;
    // three coins on six lines (1, 2, 6, 8, 10, 14): counted as one round
    t.Preset({{{6, 6, 6, 1, 2}, {6, 6, 6, 2, 1}, {3, 4, 5, 8, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.CoinPile, 6 * 20 * 2);
    EXPECT_EQ(t.g.Win, 0);
    EXPECT_EQ(t.g.CoinRounds, 0);
    EXPECT_EQ(t.g.CoinGameDue, 1);
    ASSERT_EQ(t.host.oneShots.size(), 1u);
    ChooseBonusScreen(t.g, t.host);
    EXPECT_EQ(t.g.CoinScreen, 1);
}

TEST(SpinCycle, JackpotLinePaysItsOwnPayAndThePool) {
    Table t;
    t.g.Jackpot = 5000;
    t.g.LineBet.fill(0);  // only line 1 carries a bet, so no other wild line pays
    t.g.LineBet[0] = 2;
    RecomputeTotalBet(t.g);
    t.Preset({{{1, 2, 3, 4, 5}, {10, 10, 10, 10, 10}, {3, 4, 5, 8, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.Win, 5000 + 101 * 2);
    EXPECT_EQ(t.g.Jackpot, 0);
    EXPECT_TRUE(t.host.Played("jpot"));
}

TEST(SpinCycle, FreeGameSpinCostsNothingAndBonusTriggersWaitInTurn) {
    Table t;
    t.g.FreeGames = 3;
    t.Preset({{{7, 7, 7, 7, 1}, {9, 9, 9, 2, 3}, {3, 4, 5, 8, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.Credit, 1000);
    EXPECT_EQ(t.g.FreeGames, 2);
    EXPECT_EQ(t.g.FreeGameTrigger, 4);
    EXPECT_EQ(t.g.ChestTrigger, 3);
    EXPECT_EQ(t.g.SuperBonusDue, 1);
    ChooseBonusScreen(t.g, t.host);
    EXPECT_EQ(t.g.FreeGameScreen, 1);  // free games come before the chests
    EXPECT_EQ(t.g.ChestScreen, 0);
}

TEST(SpinCycle, PaidSpinNeverTakesTheCreditBelowZero) {
    Table t;
    t.g.Credit = 20;  // stake 30
    t.Preset({{{1, 3, 2, 3, 5}, {5, 5, 4, 1, 4}, {3, 1, 1, 2, 1}}});
    t.Spin();
    EXPECT_EQ(t.g.Credit, 5);    // the stake was fitted to 15 before the debit
    EXPECT_EQ(t.g.TotalBet, 0);  // and the lost game fitted it to the 5 left
}

TEST(SpinCycle, ChooserWithNothingToShowFreesTheReels) {
    GameState g;
    RecordingHost host;
    g.InputLocked = 1;
    g.WinShown = 1;
    ChooseBonusScreen(g, host);
    EXPECT_EQ(g.ReelsInView, 1);
    EXPECT_EQ(g.InputLocked, 0);
    EXPECT_FALSE(AnyBonusScreen(g));

    GameState w;
    w.Win = 50;  // a win but no paying line
    ChooseBonusScreen(w, host);
    EXPECT_EQ(w.RiskScreen, 1);
}

TEST(SpinCycle, PanelSlidesAwayAndBack) {
    GameState g;
    g.RiskScreen = 1;
    int frames = 0;
    while (g.PanelY > 0.0f && frames < 100) StepPanel(g), ++frames;
    EXPECT_EQ(frames, 36);
    g.ReelsInView = 1;
    frames = 0;
    while (g.PanelY < 150.0f && frames < 100) StepPanel(g), ++frames;
    EXPECT_LE(frames, 36);
    EXPECT_EQ(g.RiskScreen, 0);
    EXPECT_EQ(g.PanelStep, 0.05f);
}

TEST(SpinFortune, EffectiveValueTable) {
    GameState g;
    const std::pair<int, int> table[] = {{-100, -100}, {-70, -70}, {-69, -79}, {-51, -61}, {-50, -70},
                                         {-40, -60},   {-39, -64}, {-20, -45}, {-19, -49}, {0, -30},
                                         {50, 20},     {51, 26},   {60, 35},   {61, 41},   {70, 50},
                                         {71, 61},     {80, 70},   {81, 81},   {100, 100}};
    for (auto [f, e] : table) {
        g.FortuneSpin = f;
        EXPECT_EQ(EffectiveSpinFortune(g), e) << f;
    }
    g.Credit = 301;
    g.CreditInserted = 150;
    g.FortuneSpin = 75;
    EXPECT_EQ(EffectiveSpinFortune(g), 45);
    g.FortuneSpin = -25;
    EXPECT_EQ(EffectiveSpinFortune(g), -50);  // E - 30 = -80 is not above -80
    g.FortuneSpin = 80;
    EXPECT_EQ(EffectiveSpinFortune(g), 70);  // the player-ahead rule needs F below 80
}

// Share of winning arrangements under the extreme settings.
double WinShare(int fortune, int draws) {
    GameState g;
    RecordingHost host;
    g.LineBet.fill(1);
    RecomputeTotalBet(g);
    g.FortuneSpin = fortune;
    int wins = 0;
    for (int i = 0; i < draws; ++i) {
        DrawArrangement(g);
        EvaluateArrangement(g, host);
        wins += g.HasWin;
        EXPECT_EQ(g.FortuneActive, 1);
    }
    return static_cast<double>(wins) / draws;
}

TEST(SpinFortune, ExtremesForceTheOutcome) {
    EXPECT_EQ(WinShare(100, 2000), 1.0);
    const double fair = WinShare(0, 20000);
    const double harsh = WinShare(-100, 20000);
    EXPECT_LT(harsh, 0.02);
    EXPECT_GT(fair, harsh * 10);
}

TEST(SpinFortune, TestModeRowsAreNeverRedrawn) {
    GameState g;
    RecordingHost host;
    g.LineBet.fill(1);
    RecomputeTotalBet(g);
    g.ForcedArrangement = 1;
    g.FortuneSpin = -100;  // would re-draw forever for a losing arrangement
    DrawArrangement(g);
    EvaluateArrangement(g, host);
    EXPECT_EQ(g.HasWin, 1);
    EXPECT_EQ(g.LineResult[0].CoinLine, 1);
}

}  // namespace
}  // namespace vortala
