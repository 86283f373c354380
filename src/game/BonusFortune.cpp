// The bonus fortune: each bonus item is drawn fairly, then the operator's settings may override it
// with a favourable or unfavourable one. The order of the generator draws is part of the game, so
// every draw below happens even where a later rule overrides its result.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "Rules.h"

namespace vortala {

namespace {

int Draw(GameState& g, int n) {
    return static_cast<int>(Random(g, static_cast<std::uint32_t>(n)));
}

// Each free-game item gets the table entry offset + Random(span).
void FillItems(GameState& g, int offset, int span) {
    const auto& table = FreeGameTable(g.FreeGameTrigger);
    for (auto& item : g.FreeGameItems) item.FreeGameValue = table[offset + Draw(g, span)];
}

void SetAllItems(GameState& g, int index) {
    for (auto& item : g.FreeGameItems) item.FreeGameValue = FreeGameTable(g.FreeGameTrigger)[index];
}

}  // namespace

const std::array<int, 3>& ChestTable(int trigger) {
    static constexpr std::array<int, 3> k3{10, 5, 0}, k4{15, 10, 0}, k5{25, 15, 10};
    return trigger == 5 ? k5 : (trigger == 4 ? k4 : k3);
}

const std::array<int, 6>& FreeGameTable(int trigger) {
    static constexpr std::array<int, 6> k3{8, 6, 2, 2, 1, 1}, k4{16, 10, 10, 8, 8, 2},
        k5{24, 24, 16, 12, 12, 6};
    return trigger == 5 ? k5 : (trigger == 4 ? k4 : k3);
}

void ApplyRiskFortune(GameState& g, int step, int guess) {
    const int r = Draw(g, 100);
    const int f = g.FortuneRiskNow;
    if (f > 0 && f > r) g.RiskCard[step] = static_cast<Byte>(guess);
    if (f < 0 && -f > r) g.RiskCard[step] = static_cast<Byte>(3 - guess);
}

BarrelContents DrawBarrelContent(GameState& g) {
    // Draw(3) is 0 powder, 1 empty, 2 full, in the order of BarrelContents.
    auto content = [](int drawn) { return static_cast<BarrelContents>(drawn); };
    const int b = g.FortuneBonus;
    if (b == 0) return content(Draw(g, 3));
    const int r = Draw(g, 100);
    if (r > std::abs(b)) return content(Draw(g, 3));
    if (b > 0) return content(std::min(Draw(g, 3) + 1, 2));  // never powder; full two times in three
    return content(Draw(g, 2));                              // powder or empty, never full
}

void FillChestValues(GameState& g, int chosen) {
    const auto& table = ChestTable(g.ChestTrigger);
    for (auto& chest : g.Chests) chest.ChestValue = table[Draw(g, 3)];

    const int b = g.FortuneBonus;
    const int r = Draw(g, 100);
    int& value = g.Chests[chosen].ChestValue;
    if (b > 0 && b > r) value = table[Draw(g, 2)];
    if (b >= 96) value = table[0];
    if (b < 0 && -b > r) value = table[1 + Draw(g, 2)];
    if (b < -90) value = table[2];
}

void FillFreeGameValues(GameState& g) {
    for (auto& item : g.FreeGameItems) item.FreeGameValue = 0;  // a weak unlucky draw awards nothing
    const int b = g.FortuneBonus;
    const int r = Draw(g, 100);
    if (b >= 0) {
        if (b > r)
            FillItems(g, 0, 3);
        else
            FillItems(g, 0, 6);
        if (b == 100) SetAllItems(g, 0);
        return;
    }
    const int a = -b;
    if (a > r && a > 50) {
        FillItems(g, 3, 3);
        if (a == 100) SetAllItems(g, 5);
    } else if (r > a) {
        FillItems(g, 0, 6);
    }
}

int DrawCoinResult(GameState& g) {
    int r = Draw(g, 101);
    if (Draw(g, 2) > 0) r += g.FortuneBonus;
    return std::clamp(r, 0, 100);
}

}  // namespace vortala
