#pragma once
// Machine: the main window's behaviour without a window. It owns the GameState and the options,
// turns keys, clicks, timer ticks and paint ticks into calls of the rules, and serves the rules as
// their GameHost. A platform (the SDL window or the headless host) feeds it events in order, one
// at a time, on one thread.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "MachinePlatform.h"
#include "Settings.h"
#include "game/Frame.h"
#include "game/GameRecorder.h"
#include "game/Rules.h"

namespace vortala {

struct FieldPoint {
    int x = 0;
    int y = 0;
};
// Where a point in the bars beside the field maps: inside no zone.
constexpr FieldPoint kOutsideField{-1000, -1000};

class Machine : public GameHost, public FrameClock {
public:
    explicit Machine(MachinePlatform& platform);

    // The state, to read. Every change goes through the rules (game/Rules.h) by way of the
    // machine's handlers and the methods below.
    const GameState& State() const { return game_; }
    // The one door for writing fields directly: the script runner's `set`, `seed`, `reels` and
    // `call`, and tests that build a situation. Nothing else in the program uses it.
    GameState& EditState() { return game_; }
    Settings& Options() { return settings_; }
    const Settings& Options() const { return settings_; }
    // Copies the options into the rules (the fortune bars, bonus once per game) and the speed bar
    // into the paint timer.
    void ApplyOptions();
    // The rules play without fortune until the options are applied.
    void SuspendFortune();
    // One fortune bar (1 spin, 2 risk, 3 bonus) into the rules at once, as its slider moves.
    void SetFortuneBar(int bar, int position);
    // The exit question's "No": a new game with the stores and any pending bonus kept.
    void NewGame();
    void RestoreStores(const StoredStores& stores);
    // Copies the speed bar into the paint timer.
    void ApplySpeed();

    // ---- Input handlers (field coordinates for the mouse) ----
    void FormKeyDown(int key, Shift shift);
    void FormKeyUp(int key, Shift shift);
    void FormKeyPress(char c);
    void FormMouseDown(MouseButton button, Shift shift, int x, int y);
    void FormMouseUp(MouseButton button, Shift shift, int x, int y);
    void FormClick();
    void FormContextPopup();
    Cursor FormMouseMove(Shift shift, int x, int y);
    // The one door for input: every event the player makes (the window's and the scripts') comes
    // through here, so the machine notices a game's end after each.
    void Deliver(const InputEvent& event);

    // Field coordinates of a window point in a client area of the given size, the field being
    // fitted into it with bars (FitField); a point in the bars gives kOutsideField.
    static FieldPoint MapToField(int x, int y, int clientWidth, int clientHeight);

    // ---- Time ----
    void OnTimer(TimerId timer);
    void OnOneShot(OneShotTimer timer);
    // One paint tick: the frame's drawing (when a painter is given) and its state steps.
    void PaintFrame(FramePainter* painter);

    // True when nothing is in play: reels idle, no screen, input free, panel in place.
    bool Idle() const;
    // Runs `action` once the step in progress (an input, a timer, a frame with the dialogs drawn
    // in it) is recorded and a game it settled has been told; at once when no step is open. A
    // session closed from a dialog waits so, and the game the same frame ended is booked first.
    void AfterStep(std::function<void()> action);
    // Every game is recorded into `recorder` from now on (null: none); the record is complete when
    // the platform hears GameEnded.
    void SetRecorder(GameRecorder* recorder) {
        recorder_ = recorder;
        if (recorder_) recorder_->Start(game_);
    }
    // Values Randomize takes before the platform's own entropy: scripts replaying a record.
    void QueueEntropy(std::uint32_t value) { entropyQueue_.push_back(value); }
    const std::string& TypedBuffer() const { return typed_; }

    // ---- GameHost ----
    void PlaySound(Cue cue, bool loop) override;
    void StartTimer(PhaseTimer timer) override;
    void StopTimer(PhaseTimer timer) override;
    void StartOneShot(OneShotTimer timer, int delayMs) override;
    bool AutoStopEnabled() const override;
    int AutoStopDelaySeconds() const override;
    std::uint32_t Entropy() override;
    // ---- FrameClock ----
    std::uint32_t NowMs() override { return platform_.NowMs(); }

private:
    bool StakeLocked() const;
    void Post(InputEvent::Kind kind, int key);
    void ReleaseSpace();
    void KeypadBet(int key, Shift shift);
    void StakeAllUp();
    void StakeAllDown();
    void FreeStepsOnKeyUp(int key, Shift shift);
    void BonusKeysOnKeyUp(int key);
    void AlwaysKeysOnKeyUp(int key);
    void ClickBetButton(int line, int delta);
    void TypedCodes();
    void NoteGameEnd();
    void RecordBefore() {
        stepOpen_ = true;
        if (recorder_) recorder_->Before(game_);
    }
    void RecordAfter(bool outside = false) {
        if (recorder_) recorder_->After(game_, outside);
        stepOpen_ = false;
        ApplyDeferredChanges();
    }
    // The end of every step: recorded, its game end told, then what waited for it.
    void FinishStep(bool outside = false);
    // A change from outside the rules (the options, a new game, the stores). Made during a step
    // (a dialog drawn inside a frame), it waits for the step's end, so the record keeps it as a
    // change outside the rules instead of as something the step did.
    void ChangeFromOutside(std::function<void()> change);
    void ApplyDeferredChanges();

    MachinePlatform& platform_;
    GameState game_;
    Settings settings_;
    std::string typed_;
    FieldPoint press_;
    bool mouseSpinArmed_ = false;
    bool gameInPlay_ = false;  // a spin started and its game has not settled yet
    GameRecorder* recorder_ = nullptr;
    std::deque<std::uint32_t> entropyQueue_;
    bool stepOpen_ = false;
    std::deque<std::function<void()>> deferred_;
    std::deque<std::function<void()>> afterStep_;
};

}  // namespace vortala
