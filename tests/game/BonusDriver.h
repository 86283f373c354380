#pragma once
// Drives bonus games the way the frame loop and the phase timers would, for tests.
#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala::test {

// Runs the deck card until the current step's card shows.
inline void ShowCard(GameState& g, RecordingHost& host) {
    for (int i = 0; i < 20 && !g.RiskCardShown[g.RiskStep - 1]; ++i) StepRiskCard(g, host);
}

// One guess with the card shown afterwards; FortuneRiskNow of +-100 decides the verdict.
inline void PlayCard(GameState& g, RecordingHost& host, int colour = 1) {
    Guess(g, host, colour);
    ShowCard(g, host);
}

// One voyage move of the given steps: the arrow stands in that sector, then the ship-step timer
// ticks until it stops itself.
inline void MoveShip(GameState& g, RecordingHost& host, int steps) {
    static constexpr int kAngle[5] = {0, 60, 0, 130, 250};
    g.ArrowSpinning = 1;
    g.ArrowAngle = kAngle[steps];
    g.ArrowSpeed = 0;
    CheckArrow(g, host);
    for (int i = 0; i < 10 && host.IsRunning(PhaseTimer::TiSBonStep); ++i) StepShip(g, host);
}

// A seed under which fn(copy of g) returns want; the tests then run from that seed.
template <typename Fn>
std::uint32_t SeedWhere(GameState g, Fn fn, int want) {
    for (std::uint32_t s = 0; s < 100000; ++s) {
        g.Seed = s;
        GameState copy = g;
        if (fn(copy) == want) return s;
    }
    ADD_FAILURE() << "no seed draws " << want;
    return 0;
}

}  // namespace vortala::test
