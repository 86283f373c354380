// Money and bets: the stake fitted to the credit, and moving the pending win into the credit.

#include "Rules.h"

namespace vortala {

void RecomputeTotalBet(GameState& g) {
    Money total = 0;
    for (int bet : g.LineBet) total += bet;
    g.TotalBet = total;
}

void ChangeBets(GameState& g, GameHost& host) {
    ResetAfterBetChange(g, host);
    RecomputeTotalBet(g);
}

void FitBetsToCredit(GameState& g, GameHost& host) {
    if (g.FreeGameTrigger > 0 || g.FreeGames > 0 || g.SuperBonusDue) return;
    if (g.Credit < g.TotalBet) host.PlaySound(Cue::BetsCut, false);
    // Ends when the stake fits or every bet is 0, so a negative credit cannot hang it.
    while (g.Credit < g.TotalBet) {
        for (int& bet : g.LineBet)
            if (bet > 0) --bet;
        RecomputeTotalBet(g);
        if (g.TotalBet == 0) break;
    }
}

void TakeWin(GameState& g, GameHost& host) {
    host.PlaySound(Cue::TakeWin, false);
    g.Credit = AddMoney(g.Credit, g.Win, g.MoneyCapped);
    g.Win = 0;
    EndRisk(g, host);
    FitBetsToCredit(g, host);
}

void NewGame(GameState& g) {
    g.Credit = 0;
    g.CreditInserted = 0;
    g.LineBet.fill(0);
    g.TotalBet = 0;
}

bool InsertCredit(GameState& g) {
    if (g.Credit > 99999) return false;
    g.Credit = AddMoney(g.Credit, 100, g.MoneyCapped);
    g.CreditInserted = AddMoney(g.CreditInserted, 100);
    return true;
}

Money TakeMoneyCapped(GameState& g) {
    const Money capped = g.MoneyCapped;
    g.MoneyCapped = 0;
    return capped;
}

}  // namespace vortala
