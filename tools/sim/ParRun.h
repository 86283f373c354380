#pragma once
// Enumerates a shard's generator states on worker threads, in chunks, and merges their tallies.
#include <iosfwd>

#include "ParOptions.h"
#include "ParTally.h"
#include "Workers.h"

namespace vortala::sim {

struct ParRunResult : RunSpeed {
    ParTally tally;
};

// The figures depend on the settings and the states only, never on the threads or the chunks.
// A progress bar goes to `progress` once the run has taken more than two seconds.
ParRunResult RunPar(const ParOptions& options, std::ostream& progress);

}  // namespace vortala::sim
