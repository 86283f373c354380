#pragma once
// What the simulator says the machine returns, for the fortune settings the build ran it with
// (the automatic player of docs/SIMULATOR.md, taking every win at once, bet 1 on every line).
// The table is made at build time by running vortala-sim; a build without it has none. Settings
// off its grid are worked out on demand by a SimulatorSource (the game's window provides one).
#include <functional>
#include <optional>

namespace vortala {

struct SimulatorFigure {
    int spin, risk, bonus;  // the fortune settings
    double rtp, rtpLow, rtpHigh;
    double hitFrequency;
    long long games;
};

// The figures for exactly these settings, or null when the table does not hold them.
const SimulatorFigure* FindSimulatorFigure(int spin, int risk, int bonus);

// Figures worked out while the game runs: what is known for a setting, or that they are being
// worked out now (asking starts the work). Called on the main thread, never waits.
struct SimulatorAnswer {
    std::optional<SimulatorFigure> figure;
    bool computing = false;
};
using SimulatorSource = std::function<SimulatorAnswer(int spin, int bonus)>;

// The games played for one setting, as in the build's table.
constexpr long long kSimulatorFigureGames = 400000;

}  // namespace vortala
