#pragma once
// Enumerates a shard's generator states on worker threads, in chunks, and merges their tallies.
#include <iosfwd>

#include "ParOptions.h"
#include "ParTally.h"

namespace vortala::sim {

struct ParRunResult {
    ParTally tally;
    unsigned threads = 1;
    double seconds = 0.0;        // wall time of the enumeration
    double threadSeconds = 0.0;  // seconds times threads, added up over merged shards
};

// The figures depend on the settings and the states only, never on the threads or the chunks.
// A progress bar goes to `progress` once the run has taken more than two seconds.
ParRunResult RunPar(const ParOptions& options, std::ostream& progress);

}  // namespace vortala::sim
