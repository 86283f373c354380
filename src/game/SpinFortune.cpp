// The spin fortune: after a fair draw, re-draw whole arrangements until they lose (or win) as
// often as the operator's setting asks.
#include <cstdlib>

#include "Rules.h"

namespace vortala {

namespace {

// A re-draw loop stops after this many arrangements. With every line bet the chance of either
// outcome per arrangement is far above 1%, so reaching the bound has odds below 0.99^10000 ~ 1e-44:
// the probabilities are unchanged for all practical purposes, and a hang is impossible.
constexpr int kMaxRedraws = 10000;

void RedrawUntil(GameState& g, GameHost& host, bool wantWin) {
    for (int i = 0; i < kMaxRedraws && static_cast<bool>(g.HasWin) != wantWin; ++i) {
        DrawArrangement(g);
        EvaluateArrangement(g, host);
    }
}

int TableOffset(int f) {
    if (f <= -70) return 0;
    if (f <= -51) return 10;
    if (f <= -40) return 20;
    if (f <= -20) return 25;
    if (f <= 50) return 30;
    if (f <= 60) return 25;
    if (f <= 70) return 20;
    if (f <= 80) return 10;
    return 0;
}

}  // namespace

bool PlayerAhead(const GameState& g) {
    return g.Credit > 2 * g.CreditInserted;
}

int EffectiveSpinFortune(const GameState& g) {
    const int f = g.FortuneSpin;
    int e = f - TableOffset(f);
    if (PlayerAhead(g) && f < 80 && e - 30 > -80) e = f - 30;
    return e;
}

void ApplySpinFortune(GameState& g, GameHost& host) {
    // Test-mode rows would come back on every re-draw, so the loops could never end.
    if (g.TotalBet <= 0 || g.ForcedArrangement) return;
    g.FortuneActive = 0;
    const int e = EffectiveSpinFortune(g);

    bool bigWin = false;
    for (const auto& r : g.LineResult) bigWin |= r.Multiplier >= 200;
    if (bigWin && Random(g, 3) == 1) RedrawUntil(g, host, false);

    bool bonus = false;  // looks at the arrangement the big-win damping left
    for (const auto& r : g.LineResult) bonus |= r.ChestMark != 0 || r.FreeGameMark != 0;
    if (bonus && Random(g, 2) == 1) RedrawUntil(g, host, false);

    if (e <= 0) {
        if (static_cast<int>(Random(g, 100)) + 1 < std::abs(e)) RedrawUntil(g, host, false);
    } else {
        if (static_cast<int>(Random(g, 100)) - 1 < e) RedrawUntil(g, host, true);
    }
    g.FortuneActive = 1;
}

}  // namespace vortala
