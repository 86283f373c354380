#include "Workers.h"

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace vortala::sim {

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kProgressAfterSeconds = 2.0;

void DrawBar(std::ostream& out, std::uint64_t done, std::uint64_t total, double seconds, const char* unit) {
    constexpr int kWidth = 40;
    const double share = total ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
    const int filled = static_cast<int>(share * kWidth);
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0.0;
    out << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
        << static_cast<int>(share * 100.0) << "%  " << static_cast<long long>(rate) << ' ' << unit << "/s  "
        << static_cast<int>(left) << " s left  " << std::flush;
}

}  // namespace

double RunWorkers(unsigned count, std::uint64_t total, const char* unit, std::ostream& out,
                  const std::function<void(unsigned, WorkerProgress&)>& work) {
    auto workers = std::make_unique<WorkerProgress[]>(count);
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (unsigned t = 0; t < count; ++t)
        threads.emplace_back([&work, &workers, t] {
            work(t, workers[t]);
            workers[t].end = Clock::now();
            workers[t].finished.store(true, std::memory_order_release);
        });
    bool barShown = false;
    for (;;) {
        bool all = true;
        std::uint64_t done = 0;
        for (unsigned t = 0; t < count; ++t) {
            all &= workers[t].finished.load(std::memory_order_acquire);
            done += workers[t].done.load(std::memory_order_relaxed);
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!all && seconds > kProgressAfterSeconds) {
            DrawBar(out, done, total, seconds, unit);
            barShown = true;
        }
        if (all) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(barShown ? 250 : 20));
    }
    for (auto& th : threads) th.join();
    auto end = start;
    for (unsigned t = 0; t < count; ++t) end = std::max(end, workers[t].end);
    const double seconds = std::chrono::duration<double>(end - start).count();
    if (barShown) {
        DrawBar(out, total, total, seconds, unit);
        out << '\n';
    }
    return seconds;
}

}  // namespace vortala::sim
