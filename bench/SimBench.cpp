// Games per second of the simulator's fast path on one core, the figure `vortala-sim rtp` scales
// from: one block's player plays on across iterations, as a worker thread does.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "FastPlayer.h"

namespace vortala {
namespace {

void BM_FastPathGame(benchmark::State& state) {
    sim::RtpOptions options;
    sim::FastPlayer player(options, 0);
    sim::RtpTally tally;
    const std::size_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) player.PlayGame(tally);
    state.counters["allocations"] = static_cast<double>(bench::AllocationCount() - allocationsBefore);
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(tally.games), benchmark::Counter::kIsRate);
    if (tally.stuckGames) state.SkipWithError("a game got stuck");
}
BENCHMARK(BM_FastPathGame)->MinTime(2.0);

}  // namespace
}  // namespace vortala

BENCHMARK_MAIN();
