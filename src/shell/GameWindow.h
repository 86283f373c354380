#pragma once
// GameWindow: the game's one window on SDL2 with an OpenGL compatibility context. It implements
// the machine's platform with real thread timers, one-shot timers, audio and the window's own
// event queue, and runs the event loop that delivers input, ticks and frames on one thread.
#include <SDL2/SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "SimulatorService.h"
#include "app/Machine.h"
#include "platform/AsyncTimer.h"
#include "platform/InstanceLock.h"
#include "records/SettingsStore.h"
#include "render/GlRenderer.h"
#include "sound/SoundPlayer.h"
#include "ui/GameDialogs.h"

namespace vortala {

class GameWindow : public MachinePlatform {
public:
    GameWindow();
    ~GameWindow() override;

    // Display checks, the one-copy lock, window, context, pictures and font. False when the game
    // cannot run (no display, another copy running, a display too small).
    bool Create();
    // Runs until the window closes, or an end signal has closed it.
    void Run();
    // Runs the loop for a span of real time (script mode).
    void RunFor(std::uint32_t ms);
    bool Quit() const { return quit_; }
    void RequestQuit() { quit_ = true; }

    Machine& machine() { return *machine_; }
    Uint32 WindowId() const { return SDL_GetWindowID(window_); }
    SDL_Window* SdlWindow() const { return window_; }
    bool PhaseTimersIdle() const;
    bool OneShotsPending() const { return pendingOneShots_ > 0; }
    bool InputPending() const { return !synthetic_.empty(); }
    // Writes the next drawn frame as a PNG.
    void RequestScreenshot(std::string path) { screenshotPath_ = std::move(path); }
    bool ScreenshotPending() const { return !screenshotPath_.empty(); }
    // The last screenshot's pixels: RGB rows from the top, and its size.
    const std::vector<unsigned char>& LastShot(int& width, int& height) const {
        width = shotWidth_, height = shotHeight_;
        return shot_;
    }
    std::vector<std::string> TakeSounds();
    long FramesPainted() const { return framesPainted_; }
    // Measured figures: start-up to first frame, frame times, paint ticks and frames, memory.
    std::string StatsJson() const;
    // Delivers one player's input event now, then what it queued.
    void Deliver(const InputEvent& event);

    // ---- MachinePlatform ----
    std::uint32_t NowMs() override { return SDL_GetTicks(); }
    void PostInput(const InputEvent& event) override { synthetic_.push_back(event); }
    void SetTimerEnabled(TimerId timer, bool enabled) override;
    void SetTimerInterval(TimerId timer, int intervalMs) override;
    void StartOneShot(OneShotTimer timer, int delayMs) override;
    void PlaySound(std::string_view name, bool loop) override;
    std::uint32_t Entropy() override;
    void Minimise() override;
    void ToggleMaximise() override;
    void ToggleFullScreen() override;
    void OpenManual() override;
    void ShowDialog(Dialog dialog) override;
    int StoredAutoStop() override;
    void GameEnded() override;

    // The dialogs around the game and the session's records; null before Create.
    GameDialogs* Dialogs() { return dialogs_.get(); }
    SessionRecords* Records() { return records_.get(); }

private:
    bool TakeInstanceLock();
    bool DisplayFits();
    bool OpenWindow();
    void CreateRenderer();
    void CreateTimers();
    void RestoreWindowSize();
    // The window's outer size where the system reports its frame, else its client size.
    WindowSize OuterSize() const;
    void CentreWindow();
    void HandleEvent(const SDL_Event& e);
    void HandleKey(const SDL_Event& e);
    void HandleMouse(const SDL_Event& e);
    void TellNoBrowser();
    void DrainSynthetic();
    void Paint();
    void FitFieldToWindow();
    void HandleWindowEvent(const SDL_WindowEvent& e);
    void WriteScreenshot();
    void CreateRecordsAndDialogs(Machine* machine);

    std::unique_ptr<InstanceLock> lock_;  // released last
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    std::unique_ptr<GlRenderer> renderer_;
    std::unique_ptr<Machine> machine_;
    std::unique_ptr<SettingsStore> store_;  // read once the lock is held
    SimulatorService simulator_;            // outlives the dialogs that ask it
    std::unique_ptr<SessionRecords> records_;
    std::unique_ptr<GameDialogs> dialogs_;
    std::unique_ptr<AsyncTimer> timers_[kTimerCount];
    SoundPlayer sound_;
    std::deque<InputEvent> synthetic_;
    std::vector<std::string> sounds_;
    std::vector<SDL_TimerID> oneShotIds_;
    int pendingOneShots_ = 0;
    Uint32 timerEvent_ = 0, oneShotEvent_ = 0;
    Uint32 noticeEvent_ = 0;   // no browser could show the manual
    std::string manualAsked_;  // the manual's file, as last handed to the browser
    SDL_Cursor* hand_ = nullptr;
    SDL_Cursor* arrow_ = nullptr;
    bool paintRequested_ = false;
    bool recentre_ = false;   // a restore is under way: centre the window once its size is back
    bool maximised_ = false;  // the window was last maximised (a restore then re-centres it)
    bool quit_ = false;
    std::string screenshotPath_;
    std::vector<unsigned char> shot_;
    std::uint64_t createdAt_ = 0;  // performance counter at the start of Create
    double firstFrameMs_ = -1;
    std::vector<float> frameMs_;
    long paintTicks_ = 0, framesPainted_ = 0;
    int shotWidth_ = 0, shotHeight_ = 0;
};

}  // namespace vortala
