// What the player's keys, clicks and typed codes do to the state. The machine decides which key
// or zone calls which operation; every change they make happens here, under a name.
#include <algorithm>

#include "GameRecorder.h"
#include "ScreenFlow.h"

namespace vortala {

namespace {
constexpr int kMaxLineBet = 99;
}  // namespace

// ---- What the screen shows --------------------------------------------------------------

void ArmHelp(GameState& g) {
    g.HelpArmed = 1;
}
void DismissHelp(GameState& g) {
    g.HelpArmed = 0;
}
void DismissIntro(GameState& g) {
    g.IntroShown = 0;
}
void SkipOpening(GameState& g) {
    g.IntroShown = 0;
    g.IntroRunning = 0;
}
void ShowCredits(GameState& g, bool shown) {
    g.CreditsShown = shown;
}
void HighlightAllLines(GameState& g, bool on) {
    g.LineHighlight.fill(on);
}
void HighlightLine(GameState& g, int line) {
    g.LineHighlight[line] = 1;
}
void HoverBarrel(GameState& g, int choice) {
    g.BarrelChoice = static_cast<Byte>(choice);
}
void EndLineShow(GameState& g) {
    g.LinesShowing = 0;
    g.ScatterMark.fill(0);
}

// ---- The spin key -----------------------------------------------------------------------

void SetSpinKeyArmed(GameState& g, bool armed) {
    g.ReelsStopping[1] = armed;
}
void ReleaseSpinKey(GameState& g) {
    g.SpinKeyDown = 0;
}
void StopReelsByKey(GameState& g) {
    BeginStopSequence(g);
    g.InputLocked = 1;
}
void UnlockInput(GameState& g) {
    g.InputLocked = 0;
}
void LeaveScreensOnFreeKey(GameState& g) {
    g.RiskScreen = g.ChestScreen = g.FreeGameScreen = g.LineWinPending = 0;
    g.ChestTrigger = g.FreeGameTrigger = 0;
}

// ---- Bets -------------------------------------------------------------------------------

bool ChangeLineBet(GameState& g, GameHost& host, int line, int delta) {
    int& bet = g.LineBet[line];
    if (bet + delta < 0 || bet + delta > kMaxLineBet) return false;
    bet += delta;
    g.FreeGames = 0;  // a bet change forfeits the free games
    host.PlaySound(Cue::Bet, false);
    RecomputeTotalBet(g);
    return true;
}

void RaiseAllLines(GameState& g, GameHost& host) {
    g.FreeGames = 0;
    host.PlaySound(Cue::Bet, false);
    for (int& bet : g.LineBet)
        if (bet < kMaxLineBet) ++bet;
    RecomputeTotalBet(g);
}

void LowerAllLines(GameState& g, GameHost& host) {
    g.FreeGames = 0;
    host.PlaySound(Cue::Bet, false);
    for (int& bet : g.LineBet)
        if (bet > 0) --bet;
    RecomputeTotalBet(g);
}

void MaximumStake(GameState& g, GameHost& host) {
    host.PlaySound(Cue::Bet, false);
    g.LineBet.fill(kMaxLineBet);
    RecomputeTotalBet(g);
    g.FreeGames = 0;
    FitBetsToCredit(g, host);
}

void MinimumStake(GameState& g, GameHost& host) {
    g.LineBet.fill(1);
    RecomputeTotalBet(g);
    FitBetsToCredit(g, host);  // the minimum can still exceed a tiny credit
}

void SetEveryLineBet(GameState& g, GameHost& host, int bet) {
    g.LineBet.fill(bet);
    ChangeBets(g, host);
}

// ---- Options ----------------------------------------------------------------------------

void ApplyFortune(GameState& g, int spin, int risk, int bonus) {
    g.FortuneSpin = spin;
    g.FortuneRisk = risk;
    g.FortuneBonus = bonus;
}

void SetBonusOncePerGame(GameState& g, bool once) {
    g.HelmLastBeforeBonus = once ? 0 : 9;
}

void StartFrameClock(GameState& g, std::uint32_t nowMs) {
    g.LastTick = nowMs;
}

// ---- Typed codes ------------------------------------------------------------------------

void ToggleTestArrangement(GameState& g) {
    g.ForcedArrangement = !g.ForcedArrangement;
}
void ForceTestArrangement(GameState& g) {
    g.ForcedArrangement = 1;
}
void TypedCoinPile(GameState& g, GameHost& host) {
    g.CoinPile = 1000;
    g.CoinRounds = 4;
    host.PlaySound(Cue::Credit, false);
}
void TypedFreeGames(GameState& g, GameHost& host) {
    g.FreeGames = 25;
    host.PlaySound(Cue::FreeGamesAwarded, false);
}
void TypedHelmToggle(GameState& g, GameHost& host) {
    SetBonusOncePerGame(g, g.HelmLastBeforeBonus == 9);
    host.PlaySound(Cue::BigWin, false);
}
void TypedCredit(GameState& g, GameHost& host) {
    // Counted as inserted, so the player-ahead rule sees it as the player's own money.
    host.PlaySound(Cue::Credit, false);
    g.Credit = AddMoney(g.Credit, 20000, g.MoneyCapped);
    g.CreditInserted = AddMoney(g.CreditInserted, 20000);
}

// ---- Stores -----------------------------------------------------------------------------

void RestoreStores(GameState& g, const StoredStores& s) {
    g.Jackpot = ClampMoney(s.jackpot);
    for (int h = 0; h < 3; ++h) {
        g.HelmBank[h] = ClampMoney(s.helmBank[h]);
        // A position outside the wheel's ten starts it afresh; its bank is kept.
        const bool onWheel = s.helmPosition[h] >= 1 && s.helmPosition[h] <= 10;
        g.HelmPosition[h] = onWheel ? static_cast<std::int32_t>(s.helmPosition[h]) : 1;
        g.HelmAngle[h] = HelmAngleOfPosition(g.HelmPosition[h]);
    }
    g.CoinPile = ClampMoney(s.coinPile);
    g.CoinRounds = static_cast<Byte>(std::clamp<std::int64_t>(s.coinRounds, 0, kMaxCoinRounds));
}

// A helm still turning is stored where it stops: the game that turned it has ended.
StoredStores CurrentStores(const GameState& g) {
    return StoresOf(CarriedOf(g));
}

}  // namespace vortala
