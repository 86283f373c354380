#include "ParRun.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <vector>

#include "ParOutcome.h"
#include "RtpRun.h"  // UsableCores
#include "Workers.h"

namespace vortala::sim {

namespace {

constexpr std::uint64_t kChunk = std::uint64_t{1} << 14;  // states a worker takes at a time

void Enumerate(const ParOptions& o, StateRange range, std::atomic<std::uint64_t>& nextChunk, ParTally& tally,
               WorkerProgress& progress) {
    StateOutcomes outcomes(o);
    std::uint64_t done = 0;
    for (std::uint64_t c; (c = nextChunk.fetch_add(1, std::memory_order_relaxed)) * kChunk < range.count;) {
        const std::uint64_t first = c * kChunk;
        const std::uint64_t count = std::min(kChunk, range.count - first);
        outcomes.AddRange(range.first + first, count, tally);
        done += count;
        progress.done.store(done, std::memory_order_relaxed);
    }
}

}  // namespace

ParRunResult RunPar(const ParOptions& o, std::ostream& progress) {
    ParRunResult result;
    const StateRange range = ShardStates(o);
    const std::uint64_t chunks = (range.count + kChunk - 1) / kChunk;
    const unsigned wanted = o.threads ? o.threads : UsableCores();
    result.threads =
        static_cast<unsigned>(std::max<std::uint64_t>(1, std::min<std::uint64_t>(wanted, chunks)));

    std::vector<ParTally> tallies(result.threads);
    std::atomic<std::uint64_t> nextChunk{0};
    result.seconds =
        RunWorkers(result.threads, range.count, "states", progress,
                   [&](unsigned t, WorkerProgress& p) { Enumerate(o, range, nextChunk, tallies[t], p); });
    result.threadSeconds = result.seconds * result.threads;
    for (const ParTally& t : tallies) result.tally.Merge(t);
    return result;
}

}  // namespace vortala::sim
