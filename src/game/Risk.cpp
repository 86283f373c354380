// The risk game: guess the colour of up to seven face-down cards; each right guess doubles the win,
// a wrong one loses it, and winning all seven feeds the third helm and opens the voyage.
#include "ScreenFlow.h"

namespace vortala {

namespace {

constexpr int kRiskSteps = 7;

// How far the deck card travels before step k's card shows: 4.0 for step 1 down to 1.0 for step 7.
float FlipLimit(int step) {
    return 4.0f - 0.5f * static_cast<float>(step - 1);
}

// The risk game ends with nothing else pending: the whole result of the game is finished.
void CloseRound(GameState& g, GameHost& host) {
    ReturnToReels(g);
    ClearFinishedResult(g);
    g.RiskLocked = 1;
    g.FreeGameAwarded = 0;
    g.RiskScreen = 0;
    FitBetsToCredit(g, host);
}

}  // namespace

void OpenRiskScreen(GameState& g) {
    g.RiskScreen = 1;
    g.RiskLocked = 0;  // a previous ladder may have ended locked
}

void Guess(GameState& g, GameHost& host, int colour) {
    if (!g.RiskScreen || g.RiskLocked || g.RiskStep >= kRiskSteps || (colour != 1 && colour != 2)) return;
    ++g.RiskStep;
    g.RiskFlip = 0.001f;
    g.RiskLocked = 1;
    host.PlaySound(Cue::Card, false);
    g.RiskGuess[g.RiskStep - 1] = static_cast<Byte>(colour);
    DealCard(g, host);
}

void DealCard(GameState& g, GameHost& host) {
    const int k = g.RiskStep;
    if (k < 1 || k > kRiskSteps) return;
    Randomize(g, host);
    const int guess = g.RiskGuess[k - 1];
    g.RiskCard[k - 1] = static_cast<Byte>(Random(g, 2) + 1);
    ApplyRiskFortune(g, k - 1, guess);

    if (g.RiskCard[k - 1] != guess) {
        g.Win = 0;
        host.StartTimer(PhaseTimer::RiskEnd);
        return;
    }
    g.Win = MulMoney(g.Win, 2, g.MoneyCapped);
    if (k == kRiskSteps) {
        // The whole ladder is won: the third helm is fed and the voyage follows.
        g.HelmTurning[2] = 1;
        g.RiskLadderWon = 1;
        g.HelmBank[2] = AddMoney(g.HelmBank[2], g.Win / 10, g.MoneyCapped);
        host.StartTimer(PhaseTimer::RiskEnd);
    }
}

void StepRiskCard(GameState& g, GameHost& host) {
    const int k = g.RiskStep;
    if (k < 1 || k > kRiskSteps) return;
    if (g.RiskFlip >= FlipLimit(k) || g.RiskFlip == 0.0f) {
        g.RiskCardShown[k - 1] = 1;
        g.RiskFlip = 0.0f;
        // After the seventh card the ladder is over; only the end timer moves on.
        if (g.Win > 0 && k < kRiskSteps) g.RiskLocked = 0;
    } else {
        g.RiskFlip += 0.5f;
    }
    if (g.RiskVerdictPending[k - 1]) {
        g.RiskVerdictPending[k - 1] = 0;
        const bool won = g.Win > 0;
        host.PlaySound(!won ? Cue::RiskLost : (k == kRiskSteps ? Cue::BigWin : Cue::RiskWon), false);
    }
}

void EndRisk(GameState& g, GameHost& host) {
    if (g.RiskGuess[kRiskSteps - 1] != 0 && g.RiskGuess[kRiskSteps - 1] == g.RiskCard[kRiskSteps - 1])
        g.SuperBonusDue = 1;
    const bool pending = g.FreeGameTrigger || g.ChestTrigger || g.SuperBonusDue;
    if (!pending) CloseRound(g, host);
    ClearRiskCards(g);
    g.RiskScreen = 0;
    OpenPendingScreen(g, host);
}

}  // namespace vortala
