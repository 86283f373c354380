// Money and bets: the stake, its limits, and moving the pending win into the credit.
#include <algorithm>

#include "Rules.h"

namespace vortala {

namespace {

constexpr int kMaxLineBet = 99;

// Common tail of every accepted bet change except the minimum-bet key.
void AfterBetChange(GameState& g, GameHost& host) {
    g.FreeGames = 0;  // a bet change forfeits the remaining free games
    ChangeBets(g, host);
    FitBetsToCredit(g, host);
    host.PlaySound("bet", false);
}

}  // namespace

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
    if (g.Credit < g.TotalBet) host.PlaySound("nocred", false);
    // Ends when the stake fits or every bet is 0, so a negative credit cannot hang it.
    while (g.Credit < g.TotalBet) {
        for (int& bet : g.LineBet)
            if (bet > 0) --bet;
        RecomputeTotalBet(g);
        if (g.TotalBet == 0) break;
    }
}

void TakeWin(GameState& g, GameHost& host) {
    host.PlaySound("take_win", false);
    g.Credit = AddMoney(g.Credit, g.Win);
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
    g.Credit = AddMoney(g.Credit, 100);
    g.CreditInserted = AddMoney(g.CreditInserted, 100);
    return true;
}

bool RaiseLineBet(GameState& g, GameHost& host, int line) {
    if (line < 0 || line >= kLines || g.LineBet[line] >= kMaxLineBet || g.ReelsSpinning) return false;
    ++g.LineBet[line];
    AfterBetChange(g, host);
    return true;
}

bool LowerLineBet(GameState& g, GameHost& host, int line) {
    if (line < 0 || line >= kLines || g.LineBet[line] <= 0 || g.ReelsSpinning) return false;
    --g.LineBet[line];
    AfterBetChange(g, host);
    return true;
}

bool RaiseAllBets(GameState& g, GameHost& host) {
    if (g.TotalBet > 890 || g.Credit < 1 || g.ReelsSpinning) return false;
    for (int& bet : g.LineBet)
        if (bet < kMaxLineBet) ++bet;
    AfterBetChange(g, host);
    return true;
}

bool LowerAllBets(GameState& g, GameHost& host) {
    if (g.TotalBet < 9) return false;
    for (int& bet : g.LineBet)
        if (bet > 0) --bet;
    AfterBetChange(g, host);
    return true;
}

bool MaximumBet(GameState& g, GameHost& host) {
    if (g.TotalBet >= 891 || g.Credit <= 0 || g.InputLocked) return false;
    g.LineBet.fill(kMaxLineBet);
    AfterBetChange(g, host);
    return true;
}

bool MinimumBet(GameState& g, GameHost& host) {
    if (g.TotalBet <= 9 || g.InputLocked) return false;
    g.LineBet.fill(1);
    ChangeBets(g, host);  // keeps the free games and plays no sound
    return true;
}

}  // namespace vortala
