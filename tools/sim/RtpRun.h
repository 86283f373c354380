#pragma once
// Plays a run's blocks (RtpBlocks.h) on worker threads and merges their tallies.
#include <iosfwd>

#include "RtpOptions.h"
#include "RtpTally.h"
#include "Workers.h"

namespace vortala::sim {

struct RtpRunResult : RunSpeed {
    RtpTally tally;
};

// Plays the blocks of shard options.shard of options.shards, each block on whichever thread is
// free. Every block starts a fresh machine and its tally is exact, so the figures depend on the
// seed, the settings and the split only, never on the threads. A progress bar goes to `progress`
// once the run has taken more than two seconds.
RtpRunResult RunRtp(const RtpOptions& options, std::ostream& progress);

// The cores this process may run on (its CPU affinity, which batch schedulers and mpirun set).
unsigned UsableCores();

}  // namespace vortala::sim
