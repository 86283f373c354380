#pragma once
// AsyncTimer: a timer whose ticks are measured by a worker thread of its own and run on the main
// thread. At each deadline the worker calls handOff (which must arrange for DeliverTick to be
// called on the main thread) and waits until DeliverTick has run before it counts the next
// period from the moment it detected the tick. Disabling holds the worker where it is; enabling
// releases it, so a pending deadline is kept. All members except the constructor's callbacks
// are called from the main thread only. Destroy a timer only once nothing will call its
// DeliverTick any more.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace vortala {

class AsyncTimer {
public:
    AsyncTimer(std::function<void(AsyncTimer&)> handOff, std::function<void()> onTimer);
    ~AsyncTimer();
    AsyncTimer(const AsyncTimer&) = delete;
    AsyncTimer& operator=(const AsyncTimer&) = delete;

    // Enabling with an interval of 0 marks the timer enabled but delivers nothing.
    void SetEnabled(bool enabled);
    bool Enabled() const;
    // Takes effect from the next deadline counted; the pending one is kept.
    void SetInterval(std::uint16_t ms);
    std::uint16_t Interval() const;
    // Runs onTimer when enabled (a tick on its way while disabled is dropped), then releases
    // the worker.
    void DeliverTick();

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    // Blocks while the timer is held; false once termination was asked for.
    bool WaitWhileHeld(std::unique_lock<std::mutex>& lock);
    Clock::duration Period() const;

    std::function<void(AsyncTimer&)> handOff_;
    std::function<void()> onTimer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool enabled_ = false;
    bool running_ = false;  // released to measure time (enabled with an interval > 0)
    bool terminating_ = false;
    bool started_ = false;  // enabled with an interval > 0 at least once
    Clock::time_point firstDeadline_;
    bool tickPending_ = false;  // handed off, DeliverTick not yet run
    std::atomic<std::uint16_t> interval_{1000};
    std::thread worker_;
};

}  // namespace vortala
