#pragma once
// Runs the fast-path player on worker threads and merges their tallies.
#include <iosfwd>

#include "RtpOptions.h"
#include "RtpTally.h"

namespace vortala::sim {

struct RtpRunResult {
    RtpTally tally;
    unsigned threads = 1;
    double seconds = 0.0;  // wall time of the play
};

// Thread t plays its share of the games with its own GameState and streams of (seed, t), so the
// figures depend on the seed and the thread count only. A progress bar goes to `progress` once
// the run has taken more than two seconds.
RtpRunResult RunRtp(const RtpOptions& options, std::ostream& progress);

}  // namespace vortala::sim
