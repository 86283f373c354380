#pragma once
// FastHost: the GameHost of the fast path. No sound, no clock: phase timers and one-shots are
// flags the driver fires (TimerFlagHost), and Randomize is served from the player's
// deterministic entropy stream.
#include <cstdint>

#include "PlayerRandom.h"
#include "game/GameRecorder.h"
#include "game/TimerFlagHost.h"

namespace vortala::sim {

class FastHost final : public TimerFlagHost {
public:
    explicit FastHost(std::uint64_t entropySeed) : entropy_(entropySeed) {}

    std::uint32_t Entropy() override {
        const auto value = static_cast<std::uint32_t>(entropy_.Next() >> 32);
        if (recorder_) recorder_->Entropy(value);
        return value;
    }
    void SetRecorder(GameRecorder* recorder) { recorder_ = recorder; }

private:
    PlayerRandom entropy_;
    GameRecorder* recorder_ = nullptr;
};

}  // namespace vortala::sim
