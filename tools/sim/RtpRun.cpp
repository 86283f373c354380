#include "RtpRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

#include <sched.h>

#include "FastPlayer.h"

namespace vortala::sim {

namespace {

using Clock = std::chrono::steady_clock;

// How often a worker publishes its count: rare enough to cost nothing per game.
constexpr std::uint64_t kProgressBatch = 4096;
constexpr double kProgressAfterSeconds = 2.0;

struct alignas(64) WorkerProgress {
    std::atomic<std::uint64_t> done{0};
    std::atomic<bool> finished{false};
    Clock::time_point end;  // written before `finished`
};

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
    progress.end = Clock::now();
    progress.finished.store(true, std::memory_order_release);
}

void DrawBar(std::ostream& out, std::uint64_t done, std::uint64_t total, double seconds) {
    constexpr int kWidth = 40;
    const double share = total ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
    const int filled = static_cast<int>(share * kWidth);
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0.0;
    out << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
        << static_cast<int>(share * 100.0) << "%  " << static_cast<long long>(rate) << " games/s  "
        << static_cast<int>(left) << " s left  " << std::flush;
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
    auto workers = std::make_unique<WorkerProgress[]>(result.threads);
    std::vector<std::thread> threads;
    std::atomic<std::uint64_t> nextBlock{blocks.first};
    const auto start = Clock::now();
    for (unsigned t = 0; t < result.threads; ++t)
        threads.emplace_back(Play, std::cref(o), std::ref(nextBlock), blocks.end, std::ref(tallies[t]),
                             std::ref(workers[t]));

    bool barShown = false;
    for (;;) {
        bool all = true;
        std::uint64_t done = 0;
        for (unsigned t = 0; t < result.threads; ++t) {
            all &= workers[t].finished.load(std::memory_order_acquire);
            done += workers[t].done.load(std::memory_order_relaxed);
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!all && seconds > kProgressAfterSeconds) {
            DrawBar(progress, done, total, seconds);
            barShown = true;
        }
        if (all) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(barShown ? 250 : 20));
    }
    for (auto& th : threads) th.join();
    // The play's own time, not the polling's: the last worker's finish.
    auto end = start;
    for (unsigned t = 0; t < result.threads; ++t) end = std::max(end, workers[t].end);
    result.seconds = std::chrono::duration<double>(end - start).count();
    result.threadSeconds = result.seconds * result.threads;
    if (barShown) {
        DrawBar(progress, total, total, result.seconds);
        progress << '\n';
    }
    for (const RtpTally& t : tallies) result.tally.Merge(t);  // exact sums: any order gives the same
    return result;
}

}  // namespace vortala::sim
