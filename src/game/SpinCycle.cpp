// The reels' own part of a game: start, motion, the staggered stop, the reel panel, and the
// resets that run before each stop and after bet changes.
#include "ScreenFlow.h"

namespace vortala {

namespace {

constexpr int kStartEndTicks = 31;
constexpr int kStopSequenceFrames = 50;

}  // namespace

bool AnyBonusScreen(const GameState& g) {
    return g.BarrelScreen || g.RiskScreen || g.ChestScreen || g.FreeGameScreen || g.CoinScreen;
}

bool GameSettled(const GameState& g) {
    const bool reelsIdle = !g.ReelsSpinning && !g.ReelsStarting && !g.ReelsStopping[0];
    const bool screensDone = !AnyBonusScreen(g) && !g.SuperBonusScreen && !g.BarrelBonusDue &&
                             !g.CoinGameDue && !g.FreeGameTrigger && !g.ChestTrigger && !g.SuperBonusDue;
    return reelsIdle && screensDone && !CollectionPending(g) && g.Win == 0 && !g.InputLocked;
}

void PrepareSpinKey(GameState& g, GameHost& host) {
    g.SpinKeyDown = 1;
    g.ReelStopped.fill(0);
    g.ReelsStopping[0] = 0;
    for (int i = 1; i <= 5; ++i) g.ReelStopSoundDue[i] = 1;
    g.BonusHandled = 0;
    g.BonusChooserArmed = 1;
    if (g.ReelsAtRest) {
        g.ReelsAtRest = 0;
        host.PlaySound(Cue::ReelsWindBack, false);
        for (int r = 0; r < kReels; ++r) {
            g.ReelSpeed[r] = 0.0f;
            g.ReelAngle[r] -= 5.0f;  // the wind-up before the start
        }
    }
}

bool CanStartSpin(const GameState& g) {
    return !g.ReelsSpinning && !g.ReelsStarting && PanelInPlace(g) && !g.InputLocked && !CollectionPending(g);
}

void StartSpin(GameState& g, GameHost& host) {
    // A paid spin never drives the credit below 0.
    if (g.FreeGames == 0 && g.TotalBet > g.Credit) FitBetsToCredit(g, host);
    g.ReelStopSoundDue[0] = 1;
    host.PlaySound(Cue::SpinStart, false);
    if (g.FreeGames > 0)
        --g.FreeGames;
    else
        g.Credit = ClampMoney(g.Credit - g.TotalBet);
    g.ReelsSpinning = 1;
    g.ReelsStarting = 1;
    g.ReelsAtRest = 1;  // only a release may stop the reels now
    // Decided once per spin: ticking the box mid-spin changes nothing until the next one.
    g.AutoStopThisSpin = host.AutoStopEnabled();
    if (g.AutoStopThisSpin) {
        g.InputLocked = 1;
        host.StartOneShot(OneShotTimer::AutoStopTimer, host.AutoStopDelaySeconds() * 1000);
    }
}

void StopSpin(GameState& g, GameHost& host) {
    ResetAfterBetChange(g, host);
    DrawArrangement(g);
    EvaluateArrangement(g, host);
    g.AwaitingCollection = g.HasWin;
    RefreshReelFaces(g);
    g.ReelsInView = 0;
    g.RiskLocked = 0;
    g.RiskStep = 0;
    g.StopTick = 0;
    BeginStopSequence(g);
}

void BeginStopSequence(GameState& g) {
    g.ReelsStopping[0] = 1;
    g.ReelStopped[0] = 1;
    g.ReelSpeed[0] = 0.02f;
}

void ResetAfterBetChange(GameState& g, GameHost& host) {
    if (!g.FreeGameTrigger && !g.ChestTrigger) {
        if (g.ReelsInView) g.InputLocked = 0;
        ClearFinishedResult(g);
        g.ChestTrigger = 0;
        g.SpinKeyDown = 0;
    }
    ClearRiskCards(g);
    g.LineWinPending = 0;
    if (g.FreeGameTrigger) {
        host.PlaySound(Cue::FreeGamesScreen, false);
        g.FreeGameScreen = 1;
    } else if (g.ChestTrigger) {
        host.PlaySound(Cue::ChestsMusic, true);
        g.ChestScreen = 1;
    }
}

void StepReelStart(GameState& g, GameHost& /*host*/) {
    if (!g.ReelsStarting) return;
    g.InputLocked = 1;
    for (int r = 0; r < kReels; ++r) {
        g.ReelAccel[r] += 0.002f;
        g.ReelSpeed[r] += 5.0f * g.ReelAccel[r];
    }
    g.StartTicks += 2;
    g.ReelTurns.fill(g.StartTicks);
    if (g.StartTicks >= kStartEndTicks) {
        g.ReelsStarting = 0;
        g.StartTicks = 0;
        g.ReelAccel.fill(0.0f);
        if (!g.AutoStopThisSpin) g.InputLocked = 0;
    }
}

void StepReelMotion(GameState& g, std::uint32_t nowMs) {
    const float elapsed = static_cast<float>(nowMs - g.LastTick);
    bool allStopped = true;
    for (int r = 0; r < kReels; ++r) {
        float& angle = g.ReelAngle[r];
        if (!g.ReelStopped[r]) {
            allStopped = false;
            angle += elapsed * g.ReelSpeed[r] * 360.0f / 1000.0f;
        } else if (!g.ReelsStarting) {
            // The drum swings about its rest angle with shrinking amplitude and lands on 0.
            g.ReelSpeed[r] += 0.1f;
            g.ReelTurns[r] -= 1;
            angle = -angle;
            if (g.ReelTurns[r] < 0) {
                g.ReelTurns[r] = 0;
                g.ReelSpeed[r] = 1.0f;
            }
            angle = angle * (1.0f - g.ReelSpeed[r]);
        }
        if (angle >= 360.0f) angle = 0.0f;
    }
    if (allStopped) g.ReelsSpinning = 0;
    g.LastTick = nowMs;
}

void StepStopSequence(GameState& g, GameHost& host) {
    if (!g.ReelsStopping[0]) return;
    g.InputLocked = 1;
    g.StopTick += 1;
    if (g.StopTick % 10 == 0 && g.StopTick <= 40) {
        const int reel = g.StopTick / 10;  // reels 2..5 as 1..4
        g.ReelSpeed[reel] = 0.02f;
        g.ReelStopped[reel] = 1;
        if (g.ReelStopSoundDue[reel]) {
            g.ReelStopSoundDue[reel] = 0;
            host.PlaySound(Cue::ReelStop, false);
        }
    }
    if (g.StopTick >= kStopSequenceFrames) {
        if (g.ReelStopSoundDue[5]) {
            g.ReelStopSoundDue[5] = 0;
            host.PlaySound(Cue::ReelStop, false);
        }
        g.ReelsStopping[0] = 0;
        g.StopTick = 0;
        g.InputLocked = 0;
        if (!g.HasWin) FitBetsToCredit(g, host);
        g.ReelsAtRest = 1;
        g.ReelsSpinning = 0;
    }
}

void RunReelStart(GameState& g, GameHost& host) {
    while (g.ReelsStarting) StepReelStart(g, host);
}

void RunStopSequence(GameState& g, GameHost& host) {
    while (g.ReelsStopping[0]) StepStopSequence(g, host);
}

void StepPanel(GameState& g) {
    if (g.ReelsInView) {
        if (g.PanelY >= 100.0f) {
            g.PanelY = 150.0f;
            g.PanelStep = 0.05f;
            g.RiskScreen = 0;
            g.WinShown = 0;
            g.LineWinPending = 0;
        } else {
            g.PanelY += g.PanelStep;
            g.PanelStep *= 1.2f;
        }
    } else if (AnyBonusScreen(g)) {
        if (g.PanelY > 0.0f) {
            g.PanelY -= g.PanelStep;
            g.PanelStep *= 1.2f;
        } else {
            g.PanelStep = 0.05f;
        }
    }
}

}  // namespace vortala
