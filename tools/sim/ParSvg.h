#pragma once
// The PAR sheet's two plots as inline SVG, drawn here so the report needs no plotting library.
#include <string>
#include <vector>

#include "ParReport.h"
#include "ParTally.h"

namespace vortala::sim {

// Win bins in line bets: no win, then [1, 2), [2, 4), ... as powers of two.
struct WinBin {
    double from = 0.0, to = 0.0;  // in line bets; from 0 to 0 for "no win"
    std::uint64_t states = 0;
};
std::vector<WinBin> WinBins(const ParTally& t, double lineBet);

// The chance of each bin on a log scale.
std::string WinDistributionSvg(const std::vector<WinBin>& bins, std::uint64_t states);
// RTP against each fortune setting, one line per fortune, the run's own RTP marked.
std::string FortuneCurvesSvg(const std::vector<FortunePoint>& points, double runRtp, int runSpin);

}  // namespace vortala::sim
