#pragma once
// A GameHost for tests: records sounds and timer starts, with options and entropy set by hand.
#include <string>
#include <vector>

#include "game/Frame.h"
#include "game/GameHost.h"

namespace vortala::test {

class RecordingHost : public GameHost {
public:
    void PlaySound(Cue cue, bool loop) override {
        sounds.emplace_back(CueName(cue));
        if (loop) loopedSounds.emplace_back(CueName(cue));
    }
    void StartTimer(PhaseTimer t) override { running[static_cast<int>(t)] = true, started.push_back(t); }
    void StopTimer(PhaseTimer t) override { running[static_cast<int>(t)] = false; }
    void StartOneShot(OneShotTimer t, int delayMs) override { oneShots.push_back({t, delayMs}); }
    bool AutoStopEnabled() const override { return autoStop; }
    int AutoStopDelaySeconds() const override { return autoStopDelay; }
    std::uint32_t Entropy() override { return entropy; }

    bool IsRunning(PhaseTimer t) const { return running[static_cast<int>(t)]; }
    bool Played(std::string_view name) const {
        for (const auto& s : sounds)
            if (s == name) return true;
        return false;
    }
    void Clear() { sounds.clear(), loopedSounds.clear(), started.clear(), oneShots.clear(); }

    struct OneShot {
        OneShotTimer timer;
        int delayMs;
    };
    std::vector<std::string> sounds;
    std::vector<std::string> loopedSounds;
    std::vector<PhaseTimer> started;
    std::vector<OneShot> oneShots;
    bool running[kPhaseTimerCount] = {};
    bool autoStop = false;
    int autoStopDelay = 3;
    std::uint32_t entropy = 12345;
};

// A clock that says what the test sets.
struct FixedClock : FrameClock {
    std::uint32_t now = 1000;
    std::uint32_t NowMs() override { return now; }
};

}  // namespace vortala::test
