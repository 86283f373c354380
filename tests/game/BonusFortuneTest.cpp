// The bonus fortune: the extremes of each setting, and the exact order of generator draws.
#include <gtest/gtest.h>

#include <set>

#include "BonusDriver.h"

namespace vortala::test {

TEST(BonusFortune, RiskCardIsForcedOnlyAtTheExtremes) {
    GameState g;
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        g.RiskCard[3] = 1;
        g.FortuneRiskNow = 100;
        ApplyRiskFortune(g, 3, 2);
        EXPECT_EQ(g.RiskCard[3], 2);
        g.FortuneRiskNow = -100;
        ApplyRiskFortune(g, 3, 2);
        EXPECT_EQ(g.RiskCard[3], 1);
    }
    g.FortuneRiskNow = 0;
    ApplyRiskFortune(g, 3, 2);
    EXPECT_EQ(g.RiskCard[3], 1);
}

TEST(BonusFortune, BarrelSettingsBendTheContentAndDrawInOrder) {
    GameState g;
    std::set<int> favoured, unfavoured;
    for (int i = 0; i < 300; ++i) {
        g.FortuneBonus = 100;
        favoured.insert(DrawBarrelContent(g));
        g.FortuneBonus = -100;
        unfavoured.insert(DrawBarrelContent(g));
    }
    EXPECT_EQ(favoured, (std::set<int>{1, 2}));    // never powder
    EXPECT_EQ(unfavoured, (std::set<int>{0, 1}));  // never full

    // A neutral setting draws only the content; any other draws r first.
    GameState a, b;
    a.FortuneBonus = 0;
    EXPECT_EQ(DrawBarrelContent(a), static_cast<int>(Random(b, 3)));
    a.FortuneBonus = 40;
    const int r = static_cast<int>(Random(b, 100));
    const int fair = static_cast<int>(Random(b, 3));
    EXPECT_EQ(DrawBarrelContent(a), r > 40 ? fair : std::min(fair + 1, 2));
    EXPECT_EQ(a.Seed, b.Seed);
}

TEST(BonusFortune, ChosenChestAtTheExtremes) {
    GameState g;
    for (int trigger : {3, 4, 5}) {
        g.ChestTrigger = static_cast<Byte>(trigger);
        const int best = trigger == 5 ? 25 : (trigger == 4 ? 15 : 10);
        const int worst = trigger == 5 ? 10 : 0;
        for (int i = 0; i < 20; ++i) {
            g.FortuneBonus = 100;
            FillChestValues(g, 2);
            EXPECT_EQ(g.Chests[2].ChestValue, best);
            g.FortuneBonus = -100;
            FillChestValues(g, 4);
            EXPECT_EQ(g.Chests[4].ChestValue, worst);
        }
    }
}

TEST(BonusFortune, FreeGameItems) {
    GameState g;
    g.FreeGameTrigger = 5;
    g.FortuneBonus = 100;
    FillFreeGameValues(g);
    for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, 24);

    for (int trigger : {3, 4, 5}) {
        g.FreeGameTrigger = static_cast<Byte>(trigger);
        g.FortuneBonus = -100;
        FillFreeGameValues(g);
        const int worst = trigger == 3 ? 1 : (trigger == 4 ? 2 : 6);
        for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, worst);
    }

    // A mild unlucky setting that strikes awards nothing, even over stale values.
    g.FortuneBonus = -30;
    g.Seed = SeedWhere(
        g, [](GameState& c) { return static_cast<int>(Random(c, 100)) < 30; }, 1);
    FillFreeGameValues(g);
    for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, 0);
}

TEST(BonusFortune, CoinDrawIsClamped) {
    GameState g;
    g.FortuneBonus = 100;
    g.Seed = SeedWhere(
        g, [](GameState& c) { return (Random(c, 101), static_cast<int>(Random(c, 2))); }, 1);
    EXPECT_EQ(DrawCoinResult(g), 100);
    g.FortuneBonus = -100;
    g.Seed = SeedWhere(
        g, [](GameState& c) { return (Random(c, 101), static_cast<int>(Random(c, 2))); }, 1);
    EXPECT_EQ(DrawCoinResult(g), 0);
}

}  // namespace vortala::test
