// The thread timer's promises, checked by order and count of ticks. Time bounds are only ever
// lower bounds or wide margins, so a loaded machine cannot make them fail.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/AsyncTimer.h"

namespace vortala {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Plays the main thread: the worker's hand-offs queue here, and Pump delivers them.
class MainThread {
public:
    std::unique_ptr<AsyncTimer> MakeTimer(std::function<void()> onTimer) {
        return std::make_unique<AsyncTimer>(
            [this](AsyncTimer& timer) {
                std::lock_guard<std::mutex> lock(mutex_);
                queue_.push_back(&timer);
                arrived_.notify_all();
            },
            std::move(onTimer));
    }

    // The next handed-off timer, or nullptr when none arrives in time.
    AsyncTimer* Next(milliseconds timeout) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!arrived_.wait_for(lock, timeout, [this] { return !queue_.empty(); })) return nullptr;
        AsyncTimer* timer = queue_.front();
        queue_.pop_front();
        return timer;
    }

    // Delivers the next tick; false when none came.
    bool Pump(milliseconds timeout = milliseconds(5000)) {
        AsyncTimer* timer = Next(timeout);
        if (timer != nullptr) timer->DeliverTick();
        return timer != nullptr;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<AsyncTimer*> queue_;
};

milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

TEST(AsyncTimer, IdleUntilEnabledWithAnInterval) {
    MainThread main;
    int ticks = 0;
    auto timer = main.MakeTimer([&] { ++ticks; });
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 1000);
    timer->SetInterval(10);
    EXPECT_FALSE(main.Pump(milliseconds(100)));

    timer->SetInterval(0);
    timer->SetEnabled(true);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_FALSE(main.Pump(milliseconds(100)));
    timer->SetInterval(10);  // an interval alone does not start it
    EXPECT_FALSE(main.Pump(milliseconds(100)));
    EXPECT_EQ(ticks, 0);

    timer->SetEnabled(false);
    timer->SetEnabled(true);
    EXPECT_TRUE(main.Pump());
    EXPECT_EQ(ticks, 1);
}

TEST(AsyncTimer, FirstTickOneIntervalAfterEnablingThenRegularly) {
    MainThread main;
    int ticks = 0;
    auto timer = main.MakeTimer([&] { ++ticks; });
    timer->SetInterval(40);
    std::this_thread::sleep_for(milliseconds(60));  // time before enabling does not count
    const auto enabled = Clock::now();
    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    EXPECT_GE(Since(enabled), milliseconds(40));
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(main.Pump());
    EXPECT_EQ(ticks, 5);
    EXPECT_GE(Since(enabled), milliseconds(5 * 40));
}

TEST(AsyncTimer, NewIntervalAppliesFromTheFollowingTick) {
    MainThread main;
    auto timer = main.MakeTimer([] {});
    timer->SetInterval(300);
    const auto enabled = Clock::now();
    timer->SetEnabled(true);
    timer->SetInterval(10);
    ASSERT_TRUE(main.Pump());
    EXPECT_GE(Since(enabled), milliseconds(300));  // the pending deadline was kept
    const auto first = Clock::now();
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(main.Pump());
    EXPECT_LT(Since(first), milliseconds(5 * 300));
}

TEST(AsyncTimer, LongHandlerIsFollowedByOneTickNotABurst) {
    MainThread main;
    int ticks = 0;
    Clock::time_point returned;
    auto timer = main.MakeTimer([&] {
        if (++ticks == 1) std::this_thread::sleep_for(milliseconds(3 * 30));
        returned = Clock::now();
    });
    timer->SetInterval(30);
    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    const auto afterLongHandler = returned;
    ASSERT_TRUE(main.Pump());
    EXPECT_GE(std::chrono::duration_cast<milliseconds>(Clock::now() - afterLongHandler), milliseconds(30));
    EXPECT_EQ(ticks, 2);
}

TEST(AsyncTimer, SelfDisabledTimerResumesFromItsLastTick) {
    MainThread main;
    std::unique_ptr<AsyncTimer> timer;
    std::vector<Clock::time_point> ticks;
    timer = main.MakeTimer([&] {
        ticks.push_back(Clock::now());
        timer->SetEnabled(false);
    });
    timer->SetInterval(600);
    timer->SetEnabled(true);

    // Held for less than an interval: the tick falls due one interval after the last one.
    ASSERT_TRUE(main.Pump());
    std::this_thread::sleep_for(milliseconds(300));
    const auto shortHold = Clock::now();
    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    EXPECT_LT(Since(shortHold), milliseconds(500));
    EXPECT_GE(ticks[1] - ticks[0], milliseconds(500));  // not at once on enabling

    // Held for more than an interval: a whole interval after enabling, not at once.
    std::this_thread::sleep_for(milliseconds(700));
    const auto longHold = Clock::now();
    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    EXPECT_GE(Since(longHold), milliseconds(600));
}

TEST(AsyncTimer, DisabledWhileWaitingKeepsItsDeadline) {
    MainThread main;
    int ticks = 0;
    auto timer = main.MakeTimer([&] { ++ticks; });
    timer->SetInterval(600);
    timer->SetEnabled(true);
    std::this_thread::sleep_for(milliseconds(100));
    timer->SetEnabled(false);
    EXPECT_FALSE(main.Pump(milliseconds(800)));  // held past its deadline: nothing comes
    const auto enabled = Clock::now();
    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    EXPECT_LT(Since(enabled), milliseconds(300));  // overdue, so at once rather than 600 ms later
    EXPECT_EQ(ticks, 1);
}

TEST(AsyncTimer, TickOnItsWayWhenDisabledIsDropped) {
    MainThread main;
    int ticks = 0;
    auto timer = main.MakeTimer([&] { ++ticks; });
    timer->SetInterval(20);
    timer->SetEnabled(true);
    AsyncTimer* arrived = main.Next(milliseconds(5000));
    ASSERT_EQ(arrived, timer.get());
    timer->SetEnabled(false);
    arrived->DeliverTick();
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(main.Pump(milliseconds(100)));

    timer->SetEnabled(true);
    ASSERT_TRUE(main.Pump());
    EXPECT_EQ(ticks, 1);
}

TEST(AsyncTimer, DestroyingEndsTheWorkerWithoutCallingTheHandler) {
    MainThread main;
    int ticks = 0;
    {
        auto held = main.MakeTimer([&] { ++ticks; });
        held->SetInterval(10);
        held->SetEnabled(true);
        ASSERT_TRUE(main.Pump());
        held->SetEnabled(false);
    }
    {
        // Destroyed while its tick waits undelivered: the worker must not wait for it forever.
        auto waiting = main.MakeTimer([&] { ++ticks; });
        waiting->SetInterval(10);
        waiting->SetEnabled(true);
        ASSERT_EQ(main.Next(milliseconds(5000)), waiting.get());
    }
    {
        auto neverEnabled = main.MakeTimer([&] { ++ticks; });
    }
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace vortala
