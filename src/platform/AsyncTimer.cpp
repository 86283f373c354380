#include "platform/AsyncTimer.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <utility>

namespace vortala {

namespace {

// Ticks should keep their cadence while the main thread draws. Real-time round robin where the
// system grants it, else a better nice value for this thread alone; otherwise stay as we are.
void RaiseThreadPriority() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    if (pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0) return;
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    (void)setpriority(PRIO_PROCESS, tid, -10);
}

}  // namespace

AsyncTimer::AsyncTimer(std::function<void(AsyncTimer&)> handOff, std::function<void()> onTimer)
    : handOff_(std::move(handOff)), onTimer_(std::move(onTimer)), worker_([this] { Run(); }) {}

AsyncTimer::~AsyncTimer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        enabled_ = false;
        running_ = false;
        terminating_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void AsyncTimer::SetEnabled(bool enabled) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (enabled == enabled_) return;
        enabled_ = enabled;
        running_ = enabled && interval_.load() > 0;
        // The first deadline is fixed here, not when the worker gets round to it, so that an
        // interval set right after enabling cannot change it.
        if (running_ && !started_) {
            started_ = true;
            firstDeadline_ = Clock::now() + Period();
        }
    }
    wake_.notify_all();
}

bool AsyncTimer::Enabled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return enabled_;
}

void AsyncTimer::SetInterval(std::uint16_t ms) {
    interval_.store(ms);
}

std::uint16_t AsyncTimer::Interval() const {
    return interval_.load();
}

void AsyncTimer::DeliverTick() {
    bool deliver = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!tickPending_) return;
        deliver = enabled_;
    }
    // Without the lock: the handler may enable or disable this very timer.
    if (deliver && onTimer_) onTimer_();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tickPending_ = false;
    }
    wake_.notify_all();
}

bool AsyncTimer::WaitWhileHeld(std::unique_lock<std::mutex>& lock) {
    wake_.wait(lock, [this] { return running_ || terminating_; });
    return !terminating_;
}

AsyncTimer::Clock::duration AsyncTimer::Period() const {
    return std::chrono::milliseconds(interval_.load());
}

void AsyncTimer::Run() {
    RaiseThreadPriority();
    std::unique_lock<std::mutex> lock(mutex_);
    if (!WaitWhileHeld(lock)) return;
    Clock::time_point deadline = firstDeadline_;
    for (;;) {
        Clock::time_point detected;
        for (;;) {
            if (!WaitWhileHeld(lock)) return;
            detected = Clock::now();
            if (detected >= deadline) break;
            wake_.wait_for(lock, std::chrono::milliseconds(1), [this] { return terminating_ || !running_; });
        }
        tickPending_ = true;
        lock.unlock();
        handOff_(*this);
        lock.lock();
        wake_.wait(lock, [this] { return !tickPending_ || terminating_; });
        // A handler that disabled its own timer holds us here; the next deadline is counted
        // from when the timer is enabled again.
        if (!WaitWhileHeld(lock)) return;
        const Clock::time_point after = Clock::now();
        const Clock::duration period = Period();
        deadline = detected + period;
        if (deadline <= after) deadline = after + period;
    }
}

}  // namespace vortala
