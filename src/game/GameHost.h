#pragma once
// GameHost: everything the rules need from the world outside GameState.
//
// The rules never sleep, read a clock, start a thread or touch a file. Where a rule starts or
// stops a phase timer, plays a sound, reads an option or needs fresh entropy, it asks the host.
// The app implements this with real timers and audio, the headless machine with a virtual clock,
// and tests with a recorder.
#include <cstdint>
#include <string_view>

#include "Cues.h"

namespace vortala {

// The phase timers that end a timed phase of the game; each fires once per start.
enum class PhaseTimer : std::uint8_t {
    LineShow,  // win lines shown
    RiskEnd,
    FreeGamesEnd,
    ChestsPause,  // pause before all chests open
    ChestsEnd,
    ArrowCheck,  // voyage: read the stopped arrow (periodic until it stands)
    ShipStep,    // voyage: one ship step (periodic until arrival)
    VoyageEnd,
    CoinGameEnd,
    BarrelsEnd,
};
constexpr int kPhaseTimerCount = 10;

// Interval of each phase timer in milliseconds.
constexpr int PhaseTimerInterval(PhaseTimer t) {
    switch (t) {
        case PhaseTimer::ChestsEnd:
            return 2500;
        case PhaseTimer::ArrowCheck:
            return 1000;
        case PhaseTimer::ShipStep:
            return 500;
        case PhaseTimer::BarrelsEnd:
            return 3000;
        default:
            return 2000;
    }
}

// One-shot timers whose work runs later on the main thread.
enum class OneShotTimer : std::uint8_t {
    AutoStopTimer,  // stops the reels as a Space press and release would
    ChooserTimer,   // opens the bonus or risk screen the result calls for
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // Plays a sound cue; a new cue ends the one playing.
    virtual void PlaySound(Cue cue, bool loop) = 0;
    virtual void StartTimer(PhaseTimer timer) = 0;
    virtual void StopTimer(PhaseTimer timer) = 0;
    virtual void StartOneShot(OneShotTimer timer, int delayMs) = 0;

    // The options the rules read: the auto-stop box and its delay in seconds.
    virtual bool AutoStopEnabled() const = 0;
    virtual int AutoStopDelaySeconds() const = 0;

    // 32 bits of fresh entropy for Randomize().
    virtual std::uint32_t Entropy() = 0;
};

}  // namespace vortala
