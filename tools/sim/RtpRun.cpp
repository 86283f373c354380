#include "RtpRun.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include <sched.h>

#include "FastPlayer.h"
#include "Workers.h"

namespace vortala::sim {

namespace {

// How often a worker publishes its count: rare enough to cost nothing per game.
constexpr std::uint64_t kProgressBatch = 4096;

// Takes the next unplayed block until none is left.
void Play(const RtpOptions& o, std::atomic<std::uint64_t>& nextBlock, std::uint64_t endBlock, RtpTally& tally,
          WorkerProgress& progress) {
    std::uint64_t done = 0;
    for (std::uint64_t b; (b = nextBlock.fetch_add(1, std::memory_order_relaxed)) < endBlock;) {
        RtpTally block;
        FastPlayer player(o, b);
        const std::uint64_t games = GamesInBlock(o, b);
        for (std::uint64_t i = 0; i < games; ++i) {
            player.PlayGame(block);
            if ((i + 1) % kProgressBatch == 0) progress.done.store(done + i + 1, std::memory_order_relaxed);
        }
        done += games;
        progress.done.store(done, std::memory_order_relaxed);
        tally.AddBlock(block);
    }
}

}  // namespace

unsigned UsableCores() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return static_cast<unsigned>(CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

RtpRunResult RunRtp(const RtpOptions& o, std::ostream& progress) {
    RtpRunResult result;
    const BlockRange blocks = ShardBlocks(o);
    const std::uint64_t total = GamesInBlocks(o, blocks);
    const unsigned wanted = o.threads ? o.threads : UsableCores();
    result.threads = static_cast<unsigned>(std::min<std::uint64_t>(wanted, blocks.Count()));

    std::vector<RtpTally> tallies(result.threads);
    std::atomic<std::uint64_t> nextBlock{blocks.first};
    result.seconds = RunWorkers(result.threads, total, "games", progress, [&](unsigned t, WorkerProgress& p) {
        Play(o, nextBlock, blocks.end, tallies[t], p);
    });
    result.threadSeconds = result.seconds * result.threads;
    for (const RtpTally& t : tallies) result.tally.Merge(t);  // exact sums: any order gives the same
    return result;
}

}  // namespace vortala::sim
