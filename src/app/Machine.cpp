// The machine's timers, frame and GameHost glue. Input handlers live in MachineKeys.cpp and
// MachineMouse.cpp.
#include "Machine.h"

#include <cmath>

#include "FieldZones.h"

namespace vortala {

Machine::Machine(MachinePlatform& platform) : platform_(platform) {
    game_.LastTick = platform_.NowMs();
    platform_.SetTimerInterval(TimerId::Paint,
                               settings_.paintIntervalMs > 0 ? settings_.paintIntervalMs : 30);
    platform_.SetTimerEnabled(TimerId::Paint, true);
}

void Machine::ApplyOptions() {
    game_.FortuneSpin = settings_.fortuneSpin;
    game_.FortuneRisk = settings_.fortuneRisk;
    game_.FortuneBonus = settings_.fortuneBonus;
    ApplySpeed();
}

void Machine::ApplySpeed() {
    platform_.SetTimerInterval(TimerId::Paint, settings_.paintIntervalMs);
}

FieldPoint Machine::MapToField(int x, int y, int clientWidth, int clientHeight) {
    // A degenerate client area must never divide by zero.
    const double w = clientWidth > 0 ? clientWidth : 1;
    const double h = clientHeight > 1 ? clientHeight - 1 : 1;
    return {static_cast<int>(std::lround(zones::kFieldAspect * 500.0 * x / w)),
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
            g.LinesShowing = 0;
            g.ScatterMark.fill(0);
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
    RecordAfter();
    NoteGameEnd();
}

void Machine::OnOneShot(OneShotTimer timer) {
    RecordBefore();
    if (timer == OneShotTimer::AutoStopTimer) {
        // One event: free the input, then the whole key stroke, so no lock can drop the release.
        game_.InputLocked = 0;
        FormKeyDown(vk::Space, {});
        FormKeyUp(vk::Space, {});
    } else {
        ChooseBonusScreen(game_, *this);
    }
    RecordAfter();
    NoteGameEnd();
}

// ---- Frame ------------------------------------------------------------------------------

void Machine::PaintFrame(FrameRenderer* renderer) {
    GameState& g = game_;
    if (renderer && !renderer->BeginFrame()) return;  // no context: nothing drawn or stepped
    RecordBefore();
    const std::uint32_t now = platform_.NowMs();

    if (g.IntroShown) {
        if (renderer) renderer->DrawIntro(g);
    } else if (g.HelpArmed) {
        if (renderer) renderer->DrawHelp(g), renderer->DrawStatus(g);
    } else {
        if (renderer) renderer->DrawBackdrops(g);
        if (g.SuperBonusScreen) {
            if (renderer) renderer->DrawVoyage(g);
            StepPinWobble(g);
            StepArrow(g);
        }
        if (renderer) renderer->FinishBackdrops(g);
        if (g.BarrelScreen) {
            if (renderer) renderer->DrawBarrels(g);
            if (now - g.LastExplosionTick > 30) {
                g.LastExplosionTick = now;
                StepExplosion(g);
            }
        }
        if (g.CoinScreen) {
            StepCoin(g, *this);
            if (renderer) renderer->DrawCoinDrum(g);
        }
        JitterBlurredReels(g, *this);  // the blurred reels' jitter draws from the generator
        if (renderer) renderer->DrawReels(g), renderer->DrawHelmDrums(g);
        if (renderer && CollectionDue(g)) renderer->DrawWinFrames(g);
        StepHelms(g);
        if (renderer) renderer->DrawPaylines(g, settings_), renderer->DrawStatus(g);
    }

    StepPanel(g);
    UnfoldReels(g, now);
    StepReelStart(g, *this);
    StepReelMotion(g, now);
    StepStopSequence(g, *this);
    if (g.RiskScreen && !g.HelpArmed) StepRiskCard(g, *this);
    if (CollectionDue(g)) CollectIfSettled(g, *this);

    if (g.IntroRunning && g.ReelRadius >= 1.08f) {
        Post(InputEvent::Kind::KeyDown, vk::Space);
        Post(InputEvent::Kind::KeyUp, vk::Space);
        g.IntroRunning = 0;
        ResetAfterBetChange(g, *this);
        const int stored = platform_.StoredAutoStop();
        if (stored >= 0) settings_.autoStop = stored == 1;
        g.LineHighlight.fill(0);
    }
    ArmBonusChooser(g, *this);
    if (renderer) {
        if (g.RiskScreen && !g.HelpArmed) renderer->DrawRiskCards(g);
        renderer->EndFrame();
    }
    StepWallClockCounters(g, platform_.NowMs());
    RecordAfter();
    NoteGameEnd();
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
