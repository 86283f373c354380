// The ship voyage: an arrow on a dial moves the ship 1 to 4 squares along a 16-square track. Safe
// squares double the win and allow another spin, reefs sink the ship, square 16 doubles once more;
// either way the win is then paid into the credit, and a twentieth of it feeds the jackpot.
#include "ScreenFlow.h"

namespace vortala {

namespace {

constexpr int kGoalSquare = 16;

void Arrive(GameState& g, GameHost& host) {
    const int square = g.ShipSquare;
    if (square == kGoalSquare) {
        host.PlaySound(Cue::ShipSafe, false);
        g.Win = MulMoney(g.Win, 2, g.MoneyCapped);
        host.StartTimer(PhaseTimer::VoyageEnd);
    } else if (IsReefSquare(square)) {
        host.PlaySound(Cue::ShipSunk, false);
        g.ShipSunk = 1;  // the win is paid as it stands
        host.StartTimer(PhaseTimer::VoyageEnd);
    } else {
        host.PlaySound(Cue::ShipSafe, false);
        g.Win = MulMoney(g.Win, 2, g.MoneyCapped);
        g.ArrowSpinning = 0;  // the player spins again
    }
    host.StopTimer(PhaseTimer::ShipStep);
}

}  // namespace

int ArrowSector(int angle) {
    if (angle < 40) return 2;
    if (angle <= 122) return 1;
    if (angle <= 220) return 3;
    if (angle <= 300) return 4;
    return 2;
}

bool IsReefSquare(int square) {
    switch (square) {
        case 1:
        case 4:
        case 5:
        case 7:
        case 9:
        case 11:
        case 13:
        case 15:
            return true;
        default:
            return false;
    }
}

void SpinArrow(GameState& g, GameHost& host) {
    if (!g.SuperBonusScreen || g.ArrowSpinning) return;
    host.PlaySound(Cue::ReelStop, false);
    g.ArrowSpeed = static_cast<int>(Random(g, 200)) + 200;
    g.ArrowSpinning = 1;
    host.StartTimer(PhaseTimer::ArrowCheck);
}

void StepArrow(GameState& g) {
    g.ArrowAngle = (g.ArrowAngle + g.ArrowSpeed) % 360;
    g.ArrowSpeed -= g.ArrowSpeed > 360 ? 15 : 1;
    if (g.ArrowSpeed < 0) g.ArrowSpeed = 0;
}

void CheckArrow(GameState& g, GameHost& host) {
    if (g.ArrowSpeed > 0) return;  // still turning: look again on the next tick
    g.ShipSteps = static_cast<Byte>(ArrowSector(g.ArrowAngle));
    g.ShipTarget = static_cast<Byte>(g.ShipSquare + g.ShipSteps);
    host.StopTimer(PhaseTimer::ArrowCheck);
    host.StartTimer(PhaseTimer::ShipStep);
}

void StepShip(GameState& g, GameHost& host) {
    if (g.ShipSquare < g.ShipTarget) {
        ++g.ShipSquare;
        host.PlaySound(Cue::ShipMove, false);
    }
    if (g.ShipSquare > kGoalSquare)
        g.ShipSquare = g.ShipTarget = kGoalSquare;  // a move past the goal ends on it
    if (g.ShipSquare != g.ShipTarget) return;
    Arrive(g, host);
}

void EndVoyage(GameState& g, GameHost& host) {
    g.SuperBonusDue = 0;
    g.SuperBonusScreen = 0;
    g.LineWinPending = 0;
    g.ShipSquare = 0;
    g.ShipSteps = 0;
    g.ShipTarget = 0;
    g.CoinRoundCounted = 0;
    g.BonusHandled = 0;
    g.ShipSunk = 0;
    g.ChestResultShown = 0;
    g.ArrowSpinning = 0;
    ReturnToReels(g);

    g.Credit = AddMoney(g.Credit, g.Win, g.MoneyCapped);
    host.PlaySound(Cue::TakeWin, false);
    g.Jackpot = AddMoney(g.Jackpot, g.Win / 20, g.MoneyCapped);
    g.Win = 0;

    ClearLineResults(g);
    ClearChests(g);
    g.ChestTrigger = 0;
    g.ChestPicked = 0;

    if (g.RiskLadderWon)
        CheckHelm3Completion(g);
    else
        FitBetsToCredit(g, host);
}

}  // namespace vortala
