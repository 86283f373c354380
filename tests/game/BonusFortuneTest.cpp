// The bonus fortune at its extremes, and the order of its generator draws.
#include <set>

#include "BonusDriver.h"

namespace vortala::test {

TEST(BonusFortune, RiskCardForcedOnlyAtTheExtremes) {
    GameState g;
    for (int f : {100, -100, 0}) {
        g.FortuneRiskNow = f;
        g.RiskCard[3] = 1;
        ApplyRiskFortune(g, 3, 2);
        EXPECT_EQ(g.RiskCard[3], f > 0 ? 2 : 1);
    }
}

TEST(BonusFortune, BarrelContentBentAndDrawnInOrder) {
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

    GameState a, b;  // a setting other than 0 draws r before the content
    a.FortuneBonus = 40;
    const int r = static_cast<int>(Random(b, 100)), fair = static_cast<int>(Random(b, 3));
    EXPECT_EQ(DrawBarrelContent(a), r > 40 ? fair : std::min(fair + 1, 2));
    EXPECT_EQ(a.Seed, b.Seed);
}

TEST(BonusFortune, ChestsAndFreeGameItemsAtTheExtremes) {
    GameState g;
    const int bestChest[] = {10, 15, 25}, worstChest[] = {0, 0, 10}, worstItem[] = {1, 2, 6};
    for (int t : {3, 4, 5}) {
        g.ChestTrigger = g.FreeGameTrigger = static_cast<Byte>(t);
        g.FortuneBonus = 100;
        FillChestValues(g, 2);
        EXPECT_EQ(g.Chests[2].ChestValue, bestChest[t - 3]);
        g.FortuneBonus = -100;
        FillChestValues(g, 4);
        EXPECT_EQ(g.Chests[4].ChestValue, worstChest[t - 3]);
        FillFreeGameValues(g);
        for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, worstItem[t - 3]);
    }
    g.FortuneBonus = 100;
    FillFreeGameValues(g);
    for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, 24);

    // A mild unlucky setting that strikes awards nothing, even over the values dealt before.
    g.FortuneBonus = -30;
    g.Seed = SeedWhere(
        g, [](GameState& c) { return Random(c, 100) < 30; }, 1);
    FillFreeGameValues(g);
    for (const auto& item : g.FreeGameItems) EXPECT_EQ(item.FreeGameValue, 0);
}

}  // namespace vortala::test
