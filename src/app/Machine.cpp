// The machine's timers, frame and GameHost glue. Input handlers live in MachineKeys.cpp and
// MachineMouse.cpp.
#include "Machine.h"

#include <cmath>

#include "game/FieldArea.h"
#include "game/FieldZones.h"

namespace vortala {

Machine::Machine(MachinePlatform& platform) : platform_(platform) {
    StartFrameClock(game_, platform_.NowMs());
    platform_.SetTimerInterval(TimerId::Paint,
                               settings_.paintIntervalMs > 0 ? settings_.paintIntervalMs : 30);
    platform_.SetTimerEnabled(TimerId::Paint, true);
}

void Machine::ChangeFromOutside(std::function<void()> change) {
    if (stepOpen_)
        deferred_.push_back(std::move(change));
    else
        change();
}

void Machine::AfterStep(std::function<void()> action) {
    if (stepOpen_)
        afterStep_.push_back(std::move(action));
    else
        action();
}

void Machine::FinishStep(bool outside) {
    RecordAfter(outside);
    NoteGameEnd();
    while (!afterStep_.empty()) {
        const std::function<void()> action = std::move(afterStep_.front());
        afterStep_.pop_front();
        action();
    }
}

void Machine::ApplyDeferredChanges() {
    while (!deferred_.empty()) {
        const std::function<void()> change = std::move(deferred_.front());
        deferred_.pop_front();
        change();
    }
}

void Machine::ApplyOptions() {
    ChangeFromOutside([this] {
        ApplyFortune(game_, settings_.fortuneSpin, settings_.fortuneRisk, settings_.fortuneBonus);
        SetBonusOncePerGame(game_, settings_.bonusOncePerGame);
        ApplySpeed();
    });
}

void Machine::SuspendFortune() {
    ChangeFromOutside([this] { ApplyFortune(game_, 0, 0, 0); });
}

void Machine::SetFortuneBar(int bar, int position) {
    ChangeFromOutside([this, bar, position] {
        const GameState& g = game_;
        ApplyFortune(game_, bar == 1 ? position : g.FortuneSpin, bar == 2 ? position : g.FortuneRisk,
                     bar == 3 ? position : g.FortuneBonus);
    });
}

void Machine::NewGame() {
    ChangeFromOutside([this] { vortala::NewGame(game_); });
}

void Machine::RestoreStores(const StoredStores& stores) {
    ChangeFromOutside([this, stores] { vortala::RestoreStores(game_, stores); });
}

void Machine::ApplySpeed() {
    platform_.SetTimerInterval(TimerId::Paint, settings_.paintIntervalMs);
}

FieldPoint Machine::MapToField(int x, int y, int clientWidth, int clientHeight) {
    const FieldArea area = FitField(clientWidth, clientHeight);
    x -= area.x, y -= area.y;
    // The bars are no part of the field: the exit zone, for one, reaches past its right edge.
    if (x < 0 || y < 0 || x > area.width || y > area.height) return kOutsideField;
    // A degenerate area must never divide by zero.
    const double h = area.height > 1 ? area.height - 1 : 1;
    return {static_cast<int>(std::lround(zones::kFieldAspect * 500.0 * x / area.width)),
            static_cast<int>(std::lround(500.0 - 500.0 * y / h))};
}

// ---- GameHost ---------------------------------------------------------------------------

void Machine::PlaySound(Cue cue, bool loop) {
    if (settings_.sounds) platform_.PlaySound(CueName(cue), loop);
}
void Machine::StartTimer(PhaseTimer t) {
    platform_.SetTimerEnabled(TimerOf(t), true);
}
void Machine::StopTimer(PhaseTimer t) {
    platform_.SetTimerEnabled(TimerOf(t), false);
}
void Machine::StartOneShot(OneShotTimer t, int delayMs) {
    platform_.StartOneShot(t, delayMs);
}
bool Machine::AutoStopEnabled() const {
    return settings_.autoStop && !game_.IntroRunning;
}
int Machine::AutoStopDelaySeconds() const {
    return settings_.autoStopSeconds;
}
std::uint32_t Machine::Entropy() {
    std::uint32_t value = 0;
    if (entropyQueue_.empty()) {
        value = platform_.Entropy();
    } else {
        value = entropyQueue_.front();
        entropyQueue_.pop_front();
    }
    if (recorder_) recorder_->Entropy(value);
    return value;
}

// ---- Timers -----------------------------------------------------------------------------

void Machine::OnTimer(TimerId timer) {
    GameState& g = game_;
    RecordBefore();
    // Phase timers fire once per start: each disables itself before its end routine, which may
    // start the next timer of a chain.
    auto once = [&](void (*end)(GameState&, GameHost&)) {
        platform_.SetTimerEnabled(timer, false);
        end(g, *this);
    };
    switch (timer) {
        case TimerId::Paint:
            break;  // the platform paints a frame on this tick
        case TimerId::WildAnimation:
            StepWildAnimation(g);
            break;
        case TimerId::LineShow:
            platform_.SetTimerEnabled(timer, false);
            EndLineShow(g);
            break;
        case TimerId::RiskEnd:
            once(EndRisk);
            break;
        case TimerId::FreeGamesEnd:
            once(EndFreeGames);
            break;
        case TimerId::ChestsPause:
            once(RevealChests);
            break;
        case TimerId::ChestsEnd:
            once(EndChests);
            break;
        case TimerId::ArrowCheck:
            CheckArrow(g, *this);
            break;  // periodic until the arrow stands
        case TimerId::ShipStep:
            StepShip(g, *this);
            break;  // periodic until the ship arrives
        case TimerId::VoyageEnd:
            once(EndVoyage);
            break;
        case TimerId::CoinGameEnd:
            once(EndCoinGame);
            break;
        case TimerId::BarrelsEnd:
            once(EndBarrels);
            break;
    }
    FinishStep();
}

void Machine::OnOneShot(OneShotTimer timer) {
    RecordBefore();
    if (timer == OneShotTimer::AutoStopTimer) {
        // One event: free the input, then the whole key stroke, so no lock can drop the release.
        UnlockInput(game_);
        FormKeyDown(vk::Space, {});
        FormKeyUp(vk::Space, {});
    } else {
        ChooseBonusScreen(game_, *this);
    }
    FinishStep();
}

// ---- Frame ------------------------------------------------------------------------------

void Machine::PaintFrame(FramePainter* painter) {
    RecordBefore();
    if (StepFrame(game_, *this, *this, painter).openingUnfolded) {
        // The opening spin ends as a Space stroke would; the stored auto-stop applies from now.
        Post(InputEvent::Kind::KeyDown, vk::Space);
        Post(InputEvent::Kind::KeyUp, vk::Space);
        const int stored = platform_.StoredAutoStop();
        if (stored >= 0) settings_.autoStop = stored == 1;
    }
    FinishStep();
}

void Machine::NoteGameEnd() {
    if (!gameInPlay_ || !GameSettled(game_)) return;
    gameInPlay_ = false;
    platform_.GameEnded();
}

bool Machine::Idle() const {
    const GameState& g = game_;
    return !g.ReelsSpinning && !g.ReelsStarting && !g.ReelsStopping[0] && !AnyBonusScreen(g) &&
           !g.SuperBonusScreen && !g.InputLocked && PanelInPlace(g) && !CollectionPending(g);
}

}  // namespace vortala
