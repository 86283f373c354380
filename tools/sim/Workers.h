#pragma once
// Worker threads that share a run's work and report how far they got, with the progress bar the
// long runs draw. The run's figures never depend on the threads: only its speed does.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>

namespace vortala::sim {

// How a run or shard went: the only figures that depend on where and how it ran.
struct RunSpeed {
    unsigned threads = 1;
    double seconds = 0.0;        // wall time of the work
    double threadSeconds = 0.0;  // seconds times threads, added up over merged shards
    // Another shard's, as if the shards ran side by side: threads and thread-seconds added up,
    // seconds the longest shard's.
    void AddShard(const RunSpeed& other) {
        threads += other.threads;
        seconds = seconds > other.seconds ? seconds : other.seconds;
        threadSeconds += other.threadSeconds;
    }
};

struct alignas(64) WorkerProgress {
    std::atomic<std::uint64_t> done{0};  // units of work finished, published now and then
    std::atomic<bool> finished{false};
    std::chrono::steady_clock::time_point end;  // written before `finished`
};

// Runs work(t, progress) on threads t = 0..threads-1 and waits for all. Once the run has taken
// more than two seconds a bar of done out of `total` `unit` goes to `out`. Returns the seconds
// from the start to the last worker's finish (not the polling's).
double RunWorkers(unsigned threads, std::uint64_t total, const char* unit, std::ostream& out,
                  const std::function<void(unsigned, WorkerProgress&)>& work);

}  // namespace vortala::sim
