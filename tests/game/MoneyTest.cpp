// The generator, the stake and its limits, and money that can never overflow.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/GameRecorder.h"
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

// The exact reels a seed gives are part of the game: any change to the order of the draws
// (shuffle, wild insertion) changes every outcome that follows.
TEST(Generator, ArrangementsFromKnownSeedsNeverChange) {
    GameState g;
    DrawArrangement(g);
    const std::array<std::array<std::int32_t, 10>, 5> fromZero{{{0, 8, 2, 6, 3, 1, 4, 9, 7, 5},
                                                                {0, 5, 7, 6, 2, 9, 4, 8, 3, 1},
                                                                {1, 9, 7, 5, 8, 6, 2, 0, 4, 3},
                                                                {6, 4, 7, 3, 8, 1, 0, 2, 5, 9},
                                                                {3, 4, 2, 7, 5, 8, 6, 1, 0, 9}}};
    EXPECT_EQ(g.ReelStrip, fromZero);
    EXPECT_EQ(g.Seed, 3602208393u);

    GameState w;
    w.Seed = 3;  // this seed inserts wilds on all five reels
    DrawArrangement(w);
    const std::array<std::array<std::int32_t, 10>, 5> fromThree{{{0, 5, 10, 4, 6, 7, 3, 2, 1, 9},
                                                                 {1, 8, 4, 3, 10, 5, 6, 2, 0, 9},
                                                                 {6, 7, 1, 3, 5, 0, 4, 9, 8, 10},
                                                                 {1, 8, 5, 0, 3, 7, 10, 4, 6, 2},
                                                                 {6, 5, 7, 2, 3, 1, 9, 0, 10, 4}}};
    EXPECT_EQ(w.ReelStrip, fromThree);
    EXPECT_EQ(w.Seed, 1796109529u);
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

namespace vortala {
namespace {

// A take that would lift the credit past the cap: the credit holds the cap, the rest is counted
// as cut off, and the game's record says so in its own field rather than as a negative source.
TEST(MoneyCap, WhatTheCapCutsOffIsCountedNotLost) {
    GameState g;
    RecordingHost host;
    GameRecorder recorder;
    g.IntroShown = g.IntroRunning = 0;
    recorder.Start(g);
    recorder.Before(g);
    g.ReelsSpinning = 1;  // a game begins
    recorder.After(g);
    g.ReelsSpinning = 0, g.RiskScreen = 1, g.Win = 100, g.Credit = kMoneyCap - 10;
    recorder.Before(g);
    TakeWin(g, host);
    recorder.After(g);
    EXPECT_EQ(g.Credit, kMoneyCap);
    EXPECT_EQ(g.MoneyCapped, 90);
    EXPECT_EQ(recorder.Record().capped, 90);
    EXPECT_EQ(recorder.Record().returned, 10);
    for (Money source : recorder.Record().sources) EXPECT_EQ(source, 0);  // a take makes no money

    Money capped = 0;
    EXPECT_EQ(MulMoney(kMoneyCap / 2 + 5, 2, capped), kMoneyCap);
    EXPECT_EQ(capped, 10);
    EXPECT_EQ(MulMoney(kMoneyCap, 1000, capped), kMoneyCap);  // the count itself never overflows
    EXPECT_EQ(AddMoney(kMoneyCap, kMoneyCap, capped), kMoneyCap);
    EXPECT_EQ(capped, kMoneyCap);
}

}  // namespace
}  // namespace vortala
