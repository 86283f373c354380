#pragma once
// MachinePlatform: what the machine needs from the program around it. The SDL window implements
// it with real threads, audio and dialogs; the headless host with a virtual clock.
#include <cstdint>
#include <string_view>

#include "Keys.h"
#include "Timers.h"

namespace vortala {

enum class Dialog : std::uint8_t { Options, OptionsGambling, About, Statistics, Exit, Recall };

class MachinePlatform {
public:
    virtual ~MachinePlatform() = default;

    // Milliseconds of a monotonic tick count.
    virtual std::uint32_t NowMs() = 0;
    // A synthetic input event; it arrives after the current handler returns.
    virtual void PostInput(const InputEvent& event) = 0;
    virtual void SetTimerEnabled(TimerId timer, bool enabled) = 0;
    virtual void SetTimerInterval(TimerId timer, int intervalMs) = 0;
    virtual void StartOneShot(OneShotTimer timer, int delayMs) = 0;
    // Plays a cue (already filtered by the "Sounds" option).
    virtual void PlaySound(std::string_view name, bool loop) = 0;
    virtual std::uint32_t Entropy() = 0;

    // Window and dialog requests; a platform without them ignores them.
    virtual void Minimise() {}
    virtual void ToggleMaximise() {}
    // Desktop full screen (the field keeps its shape, with bars) and back.
    virtual void ToggleFullScreen() {}
    // The player's manual in the browser.
    virtual void OpenManual() {}
    virtual void ShowDialog(Dialog /*dialog*/) {}
    // The stored auto-stop choice read once the opening reels have unfolded; -1 when none.
    virtual int StoredAutoStop() { return -1; }
    // A game has ended: its last money movement is done (see GameSettled). Called once per game,
    // from the frame after it settles, so stores and records can be written at that moment.
    virtual void GameEnded() {}
};

}  // namespace vortala
