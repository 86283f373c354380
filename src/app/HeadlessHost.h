#pragma once
// HeadlessHost: runs a Machine on a virtual millisecond clock with no window, no threads and no
// sound device. Timers tick by the thread timer's rules (first tick one interval after enabling,
// the next deadline counted from the tick, no catch-up bursts), a paint tick runs one frame, and
// queued input is delivered after the handler that queued it returns, before any later tick.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Machine.h"

namespace vortala {

class HeadlessHost : public MachinePlatform {
public:
    explicit HeadlessHost(std::uint32_t entropySeed = 1, std::uint32_t startMs = 1000);

    Machine& machine() { return *machine_; }
    std::uint32_t now() const { return static_cast<std::uint32_t>(now_); }  // wraps as a tick count does

    // Queues a player's input event; it is delivered at once if nothing else is running.
    void Input(const InputEvent& event);
    // Advances virtual time, firing timers, one-shots and frames as they fall due.
    void Advance(std::uint32_t ms);
    // Advances until the machine is idle with nothing pending, or the limit passes.
    bool Settle(std::uint32_t limitMs);
    bool AnyPhaseTimerRunning() const;
    bool TimerEnabled(TimerId t) const { return timers_[static_cast<int>(t)].enabled; }

    // Cues played since the last call.
    std::vector<std::string> TakeSounds();
    // The frame painter, if any, used on paint ticks.
    void SetPainter(FramePainter* painter) { painter_ = painter; }

    // ---- MachinePlatform ----
    std::uint32_t NowMs() override { return now(); }
    void PostInput(const InputEvent& event) override { queue_.push_back(event); }
    void SetTimerEnabled(TimerId timer, bool enabled) override;
    void SetTimerInterval(TimerId timer, int intervalMs) override;
    void StartOneShot(OneShotTimer timer, int delayMs) override;
    void PlaySound(std::string_view name, bool loop) override;
    std::uint32_t Entropy() override;
    void GameEnded() override { ++gamesEnded_; }
    std::uint64_t GamesEnded() const { return gamesEnded_; }

private:
    struct VirtualTimer {
        bool enabled = false;
        bool started = false;
        bool heldInHandler = false;  // disabled by its own handler: resumes from the last tick
        bool inHandler = false;
        int interval = 1000;
        std::uint64_t deadline = 0;
        std::uint64_t lastTick = 0;
    };
    struct PendingOneShot {
        std::uint64_t due;
        OneShotTimer timer;
    };

    void DrainInput();
    void FireTimer(TimerId id);
    std::uint64_t NextDue() const;

    std::unique_ptr<Machine> machine_;
    FramePainter* painter_ = nullptr;
    std::uint64_t now_;
    std::uint32_t entropyState_;
    VirtualTimer timers_[kTimerCount];
    std::vector<PendingOneShot> oneShots_;
    std::deque<InputEvent> queue_;
    std::vector<std::string> sounds_;
    std::uint64_t gamesEnded_ = 0;
};

}  // namespace vortala
