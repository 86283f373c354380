#include "ParRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

#include "ParOutcome.h"
#include "RtpRun.h"  // UsableCores

namespace vortala::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint64_t kChunk = std::uint64_t{1} << 16;  // states a worker takes at a time

struct alignas(64) WorkerProgress {
    std::atomic<std::uint64_t> done{0};
    std::atomic<bool> finished{false};
    Clock::time_point end;
};

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
        << static_cast<int>(share * 100.0) << "%  " << static_cast<long long>(rate) << " states/s  "
        << static_cast<int>(left) << " s left  " << std::flush;
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
    auto workers = std::make_unique<WorkerProgress[]>(result.threads);
    std::vector<std::thread> threads;
    std::atomic<std::uint64_t> nextChunk{0};
    const auto start = Clock::now();
    for (unsigned t = 0; t < result.threads; ++t)
        threads.emplace_back(Enumerate, std::cref(o), range, std::ref(nextChunk), std::ref(tallies[t]),
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
        if (!all && seconds > 2.0) {
            DrawBar(progress, done, range.count, seconds);
            barShown = true;
        }
        if (all) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(barShown ? 500 : 20));
    }
    for (auto& th : threads) th.join();
    auto end = start;
    for (unsigned t = 0; t < result.threads; ++t) end = std::max(end, workers[t].end);
    result.seconds = std::chrono::duration<double>(end - start).count();
    result.threadSeconds = result.seconds * result.threads;
    if (barShown) {
        DrawBar(progress, range.count, range.count, result.seconds);
        progress << '\n';
    }
    for (const ParTally& t : tallies) result.tally.Merge(t);
    return result;
}

}  // namespace vortala::sim
