#pragma once
// The PAR sheet: the exact figures of a run, the long-run figures derived from them, the rtp
// estimates beside them, and the fortune curves, as text, a web page or Markdown.
#include <iosfwd>
#include <string>
#include <vector>

#include "ParJson.h"
#include "RtpOptions.h"
#include "RtpRun.h"

namespace vortala::sim {

// The long-run RTP at one fortune setting, from a sub-range of states.
struct FortunePoint {
    int which = 0;  // 0 spin, 1 risk, 2 bonus
    int setting = 0;
    double rtp = 0.0;
};

struct ParReportInputs {
    bool hasRtp = false;
    RtpOptions rtpOptions;
    RtpRunResult rtp;
    std::uint64_t sweepStates = 0;
    std::vector<FortunePoint> curves;
};

bool ReadRtpComparison(const std::string& path, ParReportInputs& inputs, std::string& error);
// RTP against each fortune setting from -100 to 100 in steps of 20, the other two held at the
// run's: the part the setting changes (the spin, or the bonus items) from `states` states from 0,
// the rest exact from the run's tally.
std::vector<FortunePoint> SweepFortunes(const ParOptions& o, std::uint64_t states, std::ostream& progress,
                                        const ParTally& exact);

enum class SheetKind { Html, Markdown };
bool WriteParSheet(const std::string& path, SheetKind kind, const ParShard& run,
                   const ParReportInputs& inputs, std::string& error);
void PrintParText(std::ostream& out, const ParShard& run, const ParReportInputs& inputs);

}  // namespace vortala::sim
