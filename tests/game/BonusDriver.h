#pragma once
// Drives bonus games the way the frame loop and the phase timers would, for tests.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala::test {

struct BonusTest : ::testing::Test {
    GameState g;
    RecordingHost host;
};

// One guess, then the deck card runs until it shows; FortuneRiskNow of +-100 decides the verdict.
inline void PlayCard(GameState& g, RecordingHost& host, int colour = 1) {
    Guess(g, host, colour);
    for (int i = 0; i < 20 && g.RiskStep > 0 && !g.RiskCardShown[g.RiskStep - 1]; ++i) StepRiskCard(g, host);
}

// One voyage move: the arrow stands in the sector of `steps`, then the ship-step timer ticks until
// it stops itself.
inline void MoveShip(GameState& g, RecordingHost& host, int steps) {
    static constexpr int kAngle[5] = {0, 60, 0, 130, 250};
    g.ArrowSpinning = 1;
    g.ArrowAngle = kAngle[steps];
    g.ArrowSpeed = 0;
    CheckArrow(g, host);
    for (int i = 0; i < 10 && host.IsRunning(PhaseTimer::ShipStep); ++i) StepShip(g, host);
}

// The first seed under which fn(copy of g) returns want.
template <typename Fn>
std::uint32_t SeedWhere(GameState g, Fn fn, int want) {
    for (std::uint32_t s = 0; s < 100000; ++s) {
        g.Seed = s;
        if (fn(g) == want) return s;
    }
    ADD_FAILURE() << "no seed draws " << want;
    return 0;
}

}  // namespace vortala::test
