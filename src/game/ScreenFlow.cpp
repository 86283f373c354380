// Hand-over between screens. Every end routine funnels through here so that the order in which
// pending screens open is the same whichever game finished.
#include "ScreenFlow.h"

namespace vortala {

bool OpenPendingScreen(GameState& g, GameHost& host) {
    if (g.FreeGameTrigger) {
        host.PlaySound(Cue::FreeGamesScreen, false);
        g.FreeGameScreen = 1;
    } else if (g.ChestTrigger) {
        host.PlaySound(Cue::ChestsMusic, true);
        g.ChestScreen = 1;
    } else if (g.SuperBonusDue) {
        host.PlaySound(Cue::VoyageStart, false);
        g.SuperBonusScreen = 1;
    } else {
        return false;
    }
    return true;
}

void ReturnToReels(GameState& g) {
    g.ReelsInView = 1;
    g.InputLocked = 0;
    g.HasWin = 0;
}

void ClearChests(GameState& g) {
    g.Chests.fill(ChestSlot{});
}

void ClearFinishedResult(GameState& g) {
    g.HasWin = 0;
    g.BarrelBonusDue = 0;
    g.ScatterWon = 0;
    g.WildLineWon = 0;
    g.RiskLadderWon = 0;
    ClearLineResults(g);
    g.Win = 0;
    g.LineWinPending = 0;
    g.CoinRoundCounted = 0;
    g.BonusHandled = 0;
}

void ClearRiskCards(GameState& g) {
    g.RiskCard.fill(0);
    g.RiskGuess.fill(0);
    g.RiskCardShown.fill(0);
    g.RiskStep = 0;
    g.RiskVerdictPending.fill(1);
}

}  // namespace vortala
