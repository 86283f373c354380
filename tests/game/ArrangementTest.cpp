// Pay table, wild substitution and evaluation of hand-made arrangements.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala {
namespace {

using test::RecordingHost;

// Puts one line's five symbols into the strips (line 1 reads drum position 3 on every reel) and
// fills the rest of each strip with symbols that cannot form runs.
void SetLine1(GameState& g, std::array<int, 5> s) {
    for (int r = 0; r < kReels; ++r) {
        for (int p = 0; p < kDrumPositions; ++p) g.ReelStrip[r][p] = kCrab + (r + p) % 5;
        g.ReelStrip[r][2] = r % 2 ? kShark : kToucan;  // rows above and below: no scatters
        g.ReelStrip[r][4] = r % 2 ? kToucan : kShark;
        g.ReelStrip[r][3] = s[r];
    }
}

struct Evaluated {
    GameState g;
    RecordingHost host;
};

Evaluated EvaluateLine1(std::array<int, 5> s, int bet = 1) {
    Evaluated e;
    e.g.FortuneActive = 0;
    e.g.LineBet[0] = bet;
    RecomputeTotalBet(e.g);
    SetLine1(e.g, s);
    EvaluateArrangement(e.g, e.host);
    return e;
}

TEST(PayTable, RunsThroughTheMiddleReel) {
    EXPECT_EQ(EvaluateLine1({2, 2, 2, 1, 4}, 3).g.LineResult[0].Multiplier, 5);
    EXPECT_EQ(EvaluateLine1({2, 2, 2, 2, 4}, 3).g.LineResult[0].Multiplier, 20);
    EXPECT_EQ(EvaluateLine1({4, 2, 2, 2, 4}, 3).g.LineResult[0].Multiplier, 5);
    EXPECT_EQ(EvaluateLine1({1, 2, 2, 3, 3}).g.HasWin, 0);
    EXPECT_EQ(EvaluateLine1({1, 1, 1, 1, 1}).g.LineResult[0].Multiplier, 200);
    EXPECT_EQ(EvaluateLine1({4, 4, 4, 4, 1}).g.LineResult[0].Multiplier, 50);
    EXPECT_EQ(EvaluateLine1({5, 5, 5, 5, 5}).g.LineResult[0].Multiplier, 500);
    EXPECT_EQ(EvaluateLine1({8, 8, 8, 2, 1}).g.LineResult[0].Multiplier, 20);
    EXPECT_EQ(EvaluateLine1({1, 8, 8, 8, 8}).g.LineResult[0].Multiplier, 200);
    EXPECT_EQ(EvaluateLine1({8, 8, 8, 8, 8}).g.LineResult[0].Multiplier, 1000);
}

TEST(PayTable, SpecialSymbolsMarkInsteadOfPaying) {
    auto coin = EvaluateLine1({6, 6, 6, 6, 2}, 4);
    EXPECT_EQ(coin.g.LineResult[0].Multiplier, 100);
    EXPECT_EQ(coin.g.LineResult[0].CoinLine, 1);

    auto chest = EvaluateLine1({9, 9, 9, 9, 1});
    EXPECT_EQ(chest.g.LineResult[0].ChestMark, 77);
    EXPECT_EQ(chest.g.LineResult[0].Multiplier, 0);
    EXPECT_EQ(chest.g.HasWin, 1);

    auto galleons = EvaluateLine1({7, 7, 7, 7, 7});
    EXPECT_EQ(galleons.g.LineResult[0].FreeGameMark, 333);

    auto islands = EvaluateLine1({0, 0, 0, 0, 0});
    EXPECT_EQ(islands.g.LineResult[0].Multiplier, 0);
    EXPECT_EQ(islands.g.ScatterCount, 5);
    EXPECT_EQ(islands.g.HasWin, 1);  // scatters with a stake
}

TEST(PayTable, LineWithoutBetNeverWinsButCountsWilds) {
    auto e = EvaluateLine1({8, 8, 10, 8, 8}, 0);
    EXPECT_EQ(e.g.LineResult[0].Multiplier, 0);
    EXPECT_EQ(e.g.LineResult[0].WildCount, 1);
    EXPECT_EQ(e.g.WildLineWin, 0);
}

TEST(Wilds, ExamplesFromThePayTable) {
    auto bars = EvaluateLine1({8, 8, 10, 8, 8});
    EXPECT_EQ(bars.g.LineResult[0].Multiplier, 1000);

    auto pairs = EvaluateLine1({5, 5, 10, 8, 8});
    EXPECT_EQ(pairs.g.LineSymbols[0], (std::array<Byte, 5>{5, 5, 8, 8, 8}));
    EXPECT_EQ(pairs.g.LineResult[0].Multiplier, 20);

    auto galleon = EvaluateLine1({7, 7, 10, 1, 2}, 2);
    EXPECT_EQ(galleon.g.LineResult[0].Multiplier, 0);
    EXPECT_EQ(galleon.g.LineResult[0].FreeGameMark, 0);
    EXPECT_EQ(galleon.g.WildLineWin, 2);  // one wild on a line with Multiplier 0
    EXPECT_EQ(galleon.g.WildLineWon, 1);

    auto sharks = EvaluateLine1({10, 3, 10, 3, 10});
    EXPECT_EQ(sharks.g.LineResult[0].Multiplier, 200);

    auto jackpot = EvaluateLine1({10, 10, 10, 10, 10}, 2);
    EXPECT_EQ(jackpot.g.LineResult[0].Multiplier, 101);
    EXPECT_EQ(jackpot.g.WildLineWin, 0);
}

// Every positional rule, as line symbols in and line symbols out.
TEST(Wilds, EverySubstitutionRow) {
    struct Case {
        std::array<Byte, 5> in, out;
    };
    const Case cases[] = {
        // one wild
        {{10, 2, 2, 1, 4}, {2, 2, 2, 1, 4}},
        {{10, 6, 6, 1, 4}, {10, 6, 6, 1, 4}},
        {{1, 10, 3, 3, 4}, {1, 3, 3, 3, 4}},
        {{3, 10, 3, 1, 4}, {3, 3, 3, 1, 4}},
        {{1, 4, 10, 4, 2}, {1, 4, 4, 4, 2}},
        {{4, 4, 10, 1, 2}, {4, 4, 4, 1, 2}},
        {{1, 2, 10, 5, 5}, {1, 2, 5, 5, 5}},
        {{8, 8, 10, 5, 5}, {8, 8, 8, 5, 5}},
        {{1, 2, 2, 10, 4}, {1, 2, 2, 2, 4}},
        {{1, 3, 2, 10, 2}, {1, 3, 2, 2, 2}},
        {{1, 2, 3, 3, 10}, {1, 2, 3, 3, 3}},
        // two wilds
        {{10, 10, 4, 1, 2}, {4, 4, 4, 1, 2}},
        {{2, 10, 10, 5, 1}, {2, 5, 5, 5, 1}},
        {{5, 10, 10, 5, 1}, {5, 5, 5, 5, 1}},
        {{9, 10, 10, 3, 1}, {9, 3, 3, 3, 1}},
        {{1, 2, 10, 10, 4}, {1, 2, 4, 4, 4}},
        {{1, 7, 10, 10, 2}, {1, 7, 2, 2, 2}},
        {{1, 2, 3, 10, 10}, {1, 2, 3, 3, 3}},
        {{10, 5, 10, 3, 3}, {5, 5, 5, 3, 3}},
        {{10, 2, 10, 5, 5}, {10, 2, 5, 5, 5}},
        {{10, 2, 10, 6, 6}, {2, 2, 2, 6, 6}},
        {{1, 10, 4, 10, 2}, {1, 4, 4, 4, 2}},
        {{5, 5, 10, 2, 10}, {5, 5, 5, 2, 10}},
        {{1, 2, 10, 4, 10}, {1, 2, 4, 4, 4}},
        {{10, 3, 3, 10, 1}, {3, 3, 3, 3, 1}},
        {{10, 1, 3, 10, 3}, {10, 1, 3, 3, 3}},
        {{10, 4, 4, 4, 10}, {4, 4, 4, 4, 4}},
        {{10, 4, 4, 2, 10}, {4, 4, 4, 2, 10}},
        {{10, 2, 4, 4, 10}, {10, 2, 4, 4, 4}},
        {{1, 10, 3, 3, 10}, {1, 3, 3, 3, 3}},
        {{3, 10, 3, 2, 10}, {3, 3, 3, 2, 10}},
        // three wilds
        {{1, 2, 10, 10, 10}, {1, 2, 2, 2, 2}},
        {{1, 10, 3, 10, 10}, {1, 3, 3, 3, 3}},
        {{10, 3, 3, 10, 10}, {3, 3, 3, 3, 3}},
        {{10, 2, 3, 10, 10}, {10, 2, 3, 3, 3}},
        {{10, 3, 10, 4, 10}, {10, 3, 4, 4, 4}},
        {{10, 4, 10, 4, 10}, {4, 4, 4, 4, 4}},
        {{10, 5, 10, 4, 10}, {5, 5, 5, 4, 10}},
        {{10, 10, 2, 2, 10}, {2, 2, 2, 2, 2}},
        {{10, 10, 2, 1, 10}, {2, 2, 2, 1, 10}},
        {{10, 10, 3, 10, 1}, {3, 3, 3, 3, 1}},
        {{10, 10, 10, 4, 1}, {4, 4, 4, 4, 1}},
        {{1, 10, 10, 4, 10}, {1, 4, 4, 4, 4}},
        {{3, 10, 10, 9, 10}, {3, 3, 3, 9, 10}},
        {{10, 4, 10, 10, 1}, {4, 4, 4, 4, 1}},
        {{10, 7, 10, 10, 2}, {10, 7, 2, 2, 2}},
        {{2, 10, 10, 10, 5}, {2, 5, 5, 5, 5}},
        {{5, 10, 10, 10, 5}, {5, 5, 5, 5, 5}},
        {{9, 10, 10, 10, 5}, {9, 5, 5, 5, 5}},
        // four wilds
        {{10, 10, 3, 10, 10}, {3, 3, 3, 3, 3}},
        {{10, 10, 10, 10, 0}, {10, 10, 10, 10, 0}},
    };
    for (const auto& c : cases) {
        GameState g;
        g.LineSymbols[0] = c.in;
        SubstituteWilds(g, 0);
        EXPECT_EQ(g.LineSymbols[0], c.out)
            << "input " << int(c.in[0]) << int(c.in[1]) << int(c.in[2]) << int(c.in[3]) << int(c.in[4]);
    }
}

TEST(Scatters, CountedAnywhereAndPayOnlyWithAStake) {
    GameState g;
    g.FortuneActive = 0;
    for (int r = 0; r < kReels; ++r)
        for (int p = 0; p < kDrumPositions; ++p) g.ReelStrip[r][p] = kCrab + (r + 2 * p) % 5;
    g.ReelStrip[0][4] = kIsland;
    g.ReelStrip[2][2] = kIsland;
    g.ReelStrip[4][3] = kIsland;
    RecordingHost host;
    EvaluateArrangement(g, host);
    EXPECT_EQ(g.ScatterCount, 3);
    EXPECT_EQ(g.ScatterWon, 1);
    EXPECT_EQ(g.HasWin, 0);  // TotalBet 0
    EXPECT_EQ(g.ScatterMark[0], 1);
    EXPECT_EQ(g.ScatterMark[2 * 5 + 2], 1);
    EXPECT_EQ(g.ScatterMark[1 * 5 + 4], 1);

    g.LineBet.fill(1);
    RecomputeTotalBet(g);
    EvaluateArrangement(g, host);
    EXPECT_EQ(g.HasWin, 1);
}

TEST(DrawArrangement, ReelsArePermutationsWithAtMostOneWild) {
    GameState g;
    int wildReels = 0;
    for (int i = 0; i < 2000; ++i) {
        DrawArrangement(g);
        for (const auto& strip : g.ReelStrip) {
            int seen[11] = {};
            for (int s : strip) ++seen[s];
            EXPECT_LE(seen[kSkull], 1);
            wildReels += seen[kSkull];
            for (int s = 0; s < 10; ++s) EXPECT_LE(seen[s], 1);
        }
    }
    // About a third of arrangements carry wilds, 1 to 5 reels each.
    EXPECT_GT(wildReels, 600);
    EXPECT_LT(wildReels, 3000);
}

// The draw as the rules state it, one plain step at a time: each reel's positions in order take
// the first Random(10) not used yet on the reel; then the wild insertion.
void PlainDraw(GameState& g) {
    for (auto& strip : g.ReelStrip) {
        bool used[kDrumPositions] = {};
        for (int pos = 0; pos < kDrumPositions; ++pos) {
            std::uint32_t v = 0;
            do v = Random(g, kDrumPositions);
            while (used[v]);
            used[v] = true;
            strip[pos] = static_cast<std::int32_t>(v);
        }
    }
    if (Random(g, 101) >= 33) return;
    const int attempts = static_cast<int>(Random(g, 5)) + 2;
    bool wild[kReels] = {};
    for (int i = 0; i < attempts; ++i) {
        const auto reel = Random(g, kReels);
        if (wild[reel]) continue;
        wild[reel] = true;
        g.ReelStrip[reel][Random(g, kDrumPositions)] = kSkull;
    }
}

// The fast shuffle must draw exactly what the plain loop draws and leave the generator where it
// leaves it: every recorded game depends on both.
TEST(DrawArrangement, SameReelsAndSeedAsThePlainLoop) {
    for (std::uint32_t i = 0; i < 100000; ++i) {
        GameState fast, plain;
        fast.Seed = plain.Seed = i * 2654435761u;
        DrawArrangement(fast);
        PlainDraw(plain);
        ASSERT_EQ(fast.ReelStrip, plain.ReelStrip) << "seed " << i * 2654435761u;
        ASSERT_EQ(fast.Seed, plain.Seed) << "seed " << i * 2654435761u;
    }
}

TEST(DrawArrangement, TestModeAndPresetRows) {
    GameState g;
    g.ForcedArrangement = 1;
    DrawArrangement(g);
    for (const auto& strip : g.ReelStrip) {
        EXPECT_EQ(strip[2], kChest);
        EXPECT_EQ(strip[3], kCoin);
        EXPECT_EQ(strip[4], kGalleon);
    }
    g.ForcedArrangement = 0;
    g.PresetRows = {{{1, 2, 3, 4, 5}, {10, 10, 10, 10, 10}, {0, 0, 0, 8, 8}}};
    g.PresetPending = 1;
    const auto seed = g.Seed;
    DrawArrangement(g);
    EXPECT_EQ(g.Seed, seed);  // a scripted draw takes nothing from the generator
    EXPECT_EQ(g.PresetPending, 0);
    EXPECT_EQ(g.ReelStrip[3][4], 4);
    EXPECT_EQ(g.ReelStrip[3][3], 10);
    EXPECT_EQ(g.ReelStrip[3][2], 8);
    for (const auto& strip : g.ReelStrip) {
        int seen[11] = {};
        for (int s : strip) ++seen[s];
        for (int s = 0; s < 11; ++s) EXPECT_LE(seen[s], 1);
    }
}

}  // namespace
}  // namespace vortala
