// The generator, the stake and its limits, and money that can never overflow.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala {
namespace {

using test::RecordingHost;

TEST(Generator, FirstDrawsFromSeedZero) {
    GameState g;
    // seed 1, then 134775814, ...: the high half of seed * n
    EXPECT_EQ(Random(g, 10), 0u);
    EXPECT_EQ(g.Seed, 1u);
    EXPECT_EQ(Random(g, 10), 0u);  // 134775814 * 10 >> 32
    EXPECT_EQ(g.Seed, 134775814u);
    const std::uint32_t expected =
        static_cast<std::uint32_t>((static_cast<std::uint64_t>(134775814u * 134775813u + 1u) * 100u) >> 32);
    EXPECT_EQ(Random(g, 100), expected);

    GameState a, b;
    DrawArrangement(a);
    DrawArrangement(b);
    EXPECT_EQ(a.ReelStrip, b.ReelStrip);  // same first arrangement on every run
}

TEST(Generator, RandomizeTakesInjectedEntropy) {
    GameState g;
    RecordingHost host;
    host.entropy = 777;
    Randomize(g, host);
    EXPECT_EQ(g.Seed, 777u);
}

TEST(FitBetsToCredit, LowersEveryBetEvenly) {
    GameState g;
    RecordingHost host;
    g.Credit = 50;
    g.LineBet.fill(10);
    RecomputeTotalBet(g);
    FitBetsToCredit(g, host);
    EXPECT_EQ(g.LineBet[0], 3);
    EXPECT_EQ(g.TotalBet, 45);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"nocred"});
}

TEST(FitBetsToCredit, EndsAtZeroBetsEvenWithNegativeCredit) {
    GameState g;
    RecordingHost host;
    g.LineBet.fill(7);
    RecomputeTotalBet(g);
    g.Credit = 0;
    FitBetsToCredit(g, host);
    EXPECT_EQ(g.TotalBet, 0);
    g.LineBet.fill(7);
    RecomputeTotalBet(g);
    g.Credit = -5;  // must not hang
    FitBetsToCredit(g, host);
    EXPECT_EQ(g.TotalBet, 0);
}

TEST(FitBetsToCredit, WaitsWhileFreeGamesOrVoyagePending) {
    for (int which = 0; which < 3; ++which) {
        GameState g;
        RecordingHost host;
        g.LineBet.fill(5);
        RecomputeTotalBet(g);
        if (which == 0) g.FreeGames = 2;
        if (which == 1) g.FreeGameTrigger = 3;
        if (which == 2) g.SuperBonusDue = 1;
        FitBetsToCredit(g, host);
        EXPECT_EQ(g.TotalBet, 75) << which;
        EXPECT_TRUE(host.sounds.empty());
    }
}

TEST(Credit, InsertionStopsAboveTheLimit) {
    GameState g;
    g.Credit = 99999;
    EXPECT_TRUE(InsertCredit(g));
    EXPECT_EQ(g.Credit, 100099);
    EXPECT_EQ(g.CreditInserted, 100);
    EXPECT_FALSE(InsertCredit(g));
    EXPECT_EQ(g.Credit, 100099);
}

TEST(Money, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(AddMoney(kMoneyCap, kMoneyCap), kMoneyCap);
    EXPECT_EQ(MulMoney(kMoneyCap / 2 + 1, 2), kMoneyCap);
    EXPECT_EQ(MulMoney(1'500'000, 1 << 15), 49'152'000'000);  // a top win through every doubling
    EXPECT_EQ(AddMoney(-5, 3), 3);                            // money is never negative
    Money m = 1;
    for (int i = 0; i < 200; ++i) m = MulMoney(m, 2);
    EXPECT_EQ(m, kMoneyCap);
}

TEST(NewGame, ClearsStakeAndCreditOnly) {
    GameState g;
    g.Credit = 500;
    g.CreditInserted = 600;
    g.LineBet.fill(3);
    g.Jackpot = 77;
    g.FreeGames = 5;
    RecomputeTotalBet(g);
    NewGame(g);
    EXPECT_EQ(g.Credit, 0);
    EXPECT_EQ(g.CreditInserted, 0);
    EXPECT_EQ(g.TotalBet, 0);
    EXPECT_EQ(g.Jackpot, 77);
    EXPECT_EQ(g.FreeGames, 5);
}

}  // namespace
}  // namespace vortala
