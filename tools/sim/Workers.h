#pragma once
// Worker threads that share a run's work and report how far they got, with the progress bar the
// long runs draw. The run's figures never depend on the threads: only its speed does.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>

namespace vortala::sim {

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
