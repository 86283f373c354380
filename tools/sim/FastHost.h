#pragma once
// FastHost: the GameHost of the fast path. No sound, no clock: it only remembers which phase
// timers and one-shots the rules started, so the driver can run the end routine that is due, and
// serves Randomize from the player's deterministic entropy stream.
#include <cstdint>

#include "PlayerRandom.h"
#include "game/GameHost.h"
#include "game/GameRecorder.h"

namespace vortala::sim {

class FastHost final : public GameHost {
public:
    explicit FastHost(std::uint64_t entropySeed) : entropy_(entropySeed) {}

    void PlaySound(Cue, bool) override {}
    void StartTimer(PhaseTimer t) override { running_ |= Bit(t); }
    void StopTimer(PhaseTimer t) override { running_ &= ~Bit(t); }
    void StartOneShot(OneShotTimer t, int) override {
        if (t == OneShotTimer::ChooserTimer) chooserDue_ = true;
    }
    bool AutoStopEnabled() const override { return false; }
    int AutoStopDelaySeconds() const override { return 1; }
    std::uint32_t Entropy() override {
        const auto value = static_cast<std::uint32_t>(entropy_.Next() >> 32);
        if (recorder_) recorder_->Entropy(value);
        return value;
    }
    void SetRecorder(GameRecorder* recorder) { recorder_ = recorder; }

    bool Running(PhaseTimer t) const { return (running_ & Bit(t)) != 0; }
    // The timer fires: true when it was running; a phase timer fires once per start.
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
    PlayerRandom entropy_;
    GameRecorder* recorder_ = nullptr;
};

}  // namespace vortala::sim
