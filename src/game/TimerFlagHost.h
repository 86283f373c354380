#pragma once
// TimerFlagHost: a GameHost without time or sound, for drivers that run the rules with no clock
// (the simulator's player, the re-play of a record). Phase timers and the chooser's one-shot are
// flags the driver fires when it chooses; each fires once per start, as on the machine. Entropy
// is left to the driver.
#include <cstdint>

#include "GameHost.h"

namespace vortala {

class TimerFlagHost : public GameHost {
public:
    void PlaySound(Cue, bool) override {}
    void StartTimer(PhaseTimer t) override { running_ |= Bit(t); }
    void StopTimer(PhaseTimer t) override { running_ &= ~Bit(t); }
    void StartOneShot(OneShotTimer t, int) override {
        if (t == OneShotTimer::ChooserTimer) chooserDue_ = true;
    }
    bool AutoStopEnabled() const override { return false; }
    int AutoStopDelaySeconds() const override { return 1; }

    bool Running(PhaseTimer t) const { return (running_ & Bit(t)) != 0; }
    // The timer fires: true when it was running.
    bool Fire(PhaseTimer t) {
        const bool was = Running(t);
        running_ &= ~Bit(t);
        return was;
    }
    bool FireChooser() {
        const bool was = chooserDue_;
        chooserDue_ = false;
        return was;
    }
    // Timers that end nothing the player waits for (the win lines' display).
    void DropDisplayTimers() { running_ &= ~Bit(PhaseTimer::LineShow); }
    bool AnyRunning() const { return running_ != 0 || chooserDue_; }

private:
    static constexpr std::uint32_t Bit(PhaseTimer t) { return 1u << static_cast<unsigned>(t); }

    std::uint32_t running_ = 0;
    bool chooserDue_ = false;
};

}  // namespace vortala
