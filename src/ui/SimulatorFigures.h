#pragma once
// What the simulator says the machine returns, for the fortune settings the build ran it with
// (the automatic player of docs/SIMULATOR.md, taking every win at once, bet 1 on every line).
// The table is made at build time by running vortala-sim; a build without it has none.

namespace vortala {

struct SimulatorFigure {
    int spin, risk, bonus;  // the fortune settings
    double rtp, rtpLow, rtpHigh;
    double hitFrequency;
    long long games;
};

// The figures for exactly these settings, or null when the table does not hold them.
const SimulatorFigure* FindSimulatorFigure(int spin, int risk, int bonus);

}  // namespace vortala
