// The machine's platform services in the window: thread timers, one-shots, sound, entropy and
// the window requests.
#include <atomic>
#include <cstdint>

#include "GameWindow.h"
#include "app/Persistence.h"
#include "platform/Manual.h"
#include "platform/Shell.h"

namespace vortala {

namespace {

std::atomic<Uint32> gOneShotEvent{0};

Uint32 OneShotFired(Uint32 /*interval*/, void* param) {
    SDL_Event e{};
    e.type = gOneShotEvent.load();
    e.user.code = static_cast<Sint32>(reinterpret_cast<std::intptr_t>(param));
    SDL_PushEvent(&e);
    return 0;  // one shot
}

}  // namespace

void GameWindow::CreateTimers() {
    timerEvent_ = SDL_RegisterEvents(3);
    oneShotEvent_ = timerEvent_ + 1;
    noticeEvent_ = timerEvent_ + 2;
    gOneShotEvent = oneShotEvent_;
    for (int i = 0; i < kTimerCount; ++i) {
        const auto id = static_cast<TimerId>(i);
        timers_[i] = std::make_unique<AsyncTimer>(
            [this](AsyncTimer& t) {  // worker thread: hand the tick to the main thread
                SDL_Event e{};
                e.type = timerEvent_;
                e.user.data1 = &t;
                SDL_PushEvent(&e);
            },
            [this, id] {
                if (id == TimerId::Paint) {
                    paintRequested_ = true;  // painted once the queue is empty
                    ++paintTicks_;
                } else {
                    machine_->OnTimer(id);
                }
            });
        timers_[i]->SetInterval(static_cast<std::uint16_t>(DefaultInterval(id)));
    }
}

void GameWindow::SetTimerEnabled(TimerId timer, bool enabled) {
    timers_[static_cast<int>(timer)]->SetEnabled(enabled);
}

void GameWindow::SetTimerInterval(TimerId timer, int intervalMs) {
    timers_[static_cast<int>(timer)]->SetInterval(
        static_cast<std::uint16_t>(intervalMs < 1 ? 1 : intervalMs));
}

bool GameWindow::PhaseTimersIdle() const {
    for (int i = static_cast<int>(TimerId::LineShow); i < kTimerCount; ++i)
        if (timers_[i]->Enabled()) return false;
    return true;
}

void GameWindow::StartOneShot(OneShotTimer timer, int delayMs) {
    ++pendingOneShots_;
    const SDL_TimerID id = SDL_AddTimer(static_cast<Uint32>(delayMs < 1 ? 1 : delayMs), OneShotFired,
                                        reinterpret_cast<void*>(static_cast<std::intptr_t>(timer)));
    if (id) oneShotIds_.push_back(id);
}

void GameWindow::PlaySound(std::string_view name, bool loop) {
    sounds_.emplace_back(name);
    sound_.Play(name, loop);
}

std::vector<std::string> GameWindow::TakeSounds() {
    std::vector<std::string> out;
    out.swap(sounds_);
    return out;
}

std::uint32_t GameWindow::Entropy() {
    return static_cast<std::uint32_t>(SDL_GetPerformanceCounter());
}

void GameWindow::Minimise() {
    SDL_MinimizeWindow(window_);
}

// A window brought back is centred once the manager has given it its size again (the restore
// and its new size arrive as events; see HandleWindowEvent).
void GameWindow::ToggleMaximise() {
    const Uint32 flags = SDL_GetWindowFlags(window_);
    if (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) {  // F10 always brings a window back
        recentre_ = true;
        SDL_SetWindowFullscreen(window_, 0);
    } else if (flags & SDL_WINDOW_MAXIMIZED) {
        recentre_ = true;
        SDL_RestoreWindow(window_);
    } else {
        SDL_MaximizeWindow(window_);
    }
}

void GameWindow::ToggleFullScreen() {
    const bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    recentre_ = full;
    SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void GameWindow::OpenManual() {
    const std::string manual = FindManual();
    if (manual.empty()) {
        std::string places;
        for (const std::string& place : ManualPlaces()) places += "\n" + place;
        ShowMessage("Vortala", "The player's manual was not found in:" + places);
        return;
    }
    manualAsked_ = manual;
    // The failure may come from the thread that waits for xdg-open: it only posts the notice.
    const Uint32 notice = noticeEvent_;
    vortala::OpenUrl(manual, [notice] {
        SDL_Event e{};
        e.type = notice;
        SDL_PushEvent(&e);
    });
}

void GameWindow::TellNoBrowser() {
    ShowMessage("Vortala",
                "No web browser could be started for the player's manual. Open this file in a browser:\n" +
                    manualAsked_);
}

void GameWindow::ShowDialog(Dialog dialog) {
    dialogs_->Show(dialog);
}

void GameWindow::GameEnded() {
    if (records_) records_->GameEnded();
}

int GameWindow::StoredAutoStop() {
    return vortala::StoredAutoStop(*store_);
}

}  // namespace vortala
