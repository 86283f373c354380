// Collection of a settled result into money, helm banks and bonus triggers, and the chooser that
// decides which screen follows.
#include <algorithm>

#include "Rules.h"

namespace vortala {

namespace {

// Scatter pays into the first helm's bank, by scatter count 3, 4, 5.
Money ScatterPay(const GameState& g) {
    switch (g.ScatterCount) {
        case 3:
            return g.TotalBet;
        case 4:
            return MulMoney(g.TotalBet, 2);
        case 5:
            return MulMoney(g.TotalBet, 5);
        default:
            return 0;
    }
}

// Trigger size 3, 4 or 5 from the longest mark found (0 when none).
Byte TriggerFromMarks(const GameState& g, int LineResultRecord::*mark, int run3) {
    int longest = 0;
    for (const auto& r : g.LineResult) longest = std::max(longest, r.*mark);
    if (longest == 0) return 0;
    if (longest == run3) return 3;
    return longest == run3 * 11 ? 4 : 5;
}

// The helm stands past its last position before the bonus: this turn completes its circle.
bool TurnCompletesCircle(const GameState& g, int helm) {
    return g.HelmPosition[helm] > g.HelmLastBeforeBonus;
}

void PayLines(GameState& g, GameHost& host) {
    for (int l = 0; l < kLines; ++l) {
        auto& r = g.LineResult[l];
        const Money pay = MulMoney(g.LineBet[l], r.Multiplier);
        if (!r.CoinLine) {
            g.Win = AddMoney(g.Win, pay, g.MoneyCapped);
            continue;
        }
        g.CoinPile = AddMoney(g.CoinPile, pay, g.MoneyCapped);
        host.PlaySound(Cue::Credit, false);
        r.Multiplier = 0;
        if (!g.CoinRoundCounted) {
            g.CoinRoundCounted = 1;
            if (g.CoinRounds < 255) ++g.CoinRounds;
        }
    }
}

}  // namespace

bool ReelsWithinStopLimits(const GameState& g) {
    for (Flag stopped : g.ReelStopped)
        if (!stopped) return false;
    for (int r = 0; r < 4; ++r)
        if (g.ReelTurns[r] >= 2) return false;
    return g.ReelTurns[4] < 20;
}

bool CollectionDue(const GameState& g) {
    return g.HasWin && !g.HelpArmed && ReelsWithinStopLimits(g);
}

// Tracked by its own flag rather than derived from Collect's gates: the next Space press clears
// one of those gates, which would make an already collected result look pending forever.
bool CollectionPending(const GameState& g) {
    return g.HasWin && g.AwaitingCollection;
}

void CollectIfSettled(GameState& g, GameHost& host) {
    for (int l = 0; l < kLines; ++l) {
        const auto& s = g.LineSymbols[l];
        if (s[2] != kIsland && (IsCandidateLine(s) || g.LineResult[l].WildCount > 0))
            g.LineHighlight[l] = PanelInPlace(g) && g.LineBet[l] > 0 && g.LinesShowing;
    }
    if (g.HasWin)
        Collect(g, host);
    else
        FitBetsToCredit(g, host);
    if (g.Win == 0) FitBetsToCredit(g, host);
}

namespace {

// Scatters feed the first helm, wild-only lines the second; a helm that comes round calls the
// barrel bonus.
void FeedHelms(GameState& g) {
    if (g.ScatterCount < 3)
        g.ScatterCount = 0;
    else
        g.HelmBank[0] = AddMoney(g.HelmBank[0], ScatterPay(g), g.MoneyCapped);

    for (int l = 0; l < kLines; ++l) {
        const auto& r = g.LineResult[l];
        g.WildLineMark[l] =
            r.Multiplier == 0 && r.WildCount > 0 && !r.ChestMark && !r.FreeGameMark && !r.CoinLine;
    }

    if (g.ScatterCount >= 3) {
        g.HelmTurning[0] = 1;
        g.BonusHandled = 1;
    }
    if (g.WildLineWon) {
        g.HelmTurning[1] = 1;
        g.HelmBank[1] = AddMoney(g.HelmBank[1], g.WildLineWin, g.MoneyCapped);
        g.BonusHandled = 1;
    }
    // The helm at its last position completes its circle: the barrel bonus follows.
    if ((TurnCompletesCircle(g, 0) && g.ScatterCount >= 3) || (TurnCompletesCircle(g, 1) && g.WildLineWon)) {
        g.BarrelBonusDue = 1;
        g.BarrelScreen = 1;
    }
}

// Paying lines open the risk game; free-games and chest marks, and five wilds, call their bonuses.
void CallBonuses(GameState& g, GameHost& host) {
    g.LineWinPending = 0;
    g.FortuneRiskNow = g.FortuneRisk;
    bool linePays = false, jackpotLine = false;
    for (const auto& r : g.LineResult) {
        linePays |= r.Multiplier > 0;
        jackpotLine |= r.Multiplier == kFiveWildsMultiplier;
    }
    if (linePays) {
        g.LineWinPending = 1;
        if (PlayerAhead(g) && g.FortuneRiskNow < 80 && g.FortuneRiskNow - 20 > -80) g.FortuneRiskNow -= 20;
    }

    g.FreeGameTrigger = TriggerFromMarks(g, &LineResultRecord::FreeGameMark, 3);
    if (g.FreeGameTrigger) host.PlaySound(Cue::BonusDue, false);
    g.ChestTrigger = TriggerFromMarks(g, &LineResultRecord::ChestMark, 7);
    if (g.ChestTrigger) host.PlaySound(Cue::BonusDue, false);

    if (jackpotLine) {
        g.Win = AddMoney(g.Win, g.Jackpot, g.MoneyCapped);
        g.Jackpot = 0;
        host.PlaySound(Cue::Jackpot, false);
    }

    if (g.ChestTrigger) g.SuperBonusDue = 1;  // the voyage follows the chests
}

}  // namespace

void Collect(GameState& g, GameHost& host) {
    // Once per game: any of these means this game's collection has happened.
    if (g.LineWinPending || g.ChestTrigger || g.FreeGameTrigger || g.SuperBonusDue || g.CoinRoundCounted ||
        g.BarrelBonusDue || g.BonusHandled)
        return;
    g.AwaitingCollection = 0;

    host.PlaySound(g.ScatterWon || g.WildLineWon ? Cue::BigWin : Cue::PlainWin, false);
    g.LinesShowing = 1;
    host.StartTimer(PhaseTimer::LineShow);

    FeedHelms(g);
    PayLines(g, host);
    if (g.CoinRounds >= 5) {
        g.CoinRounds = 0;
        g.CoinGameDue = 1;
        g.CoinThrown = 0;
        host.PlaySound(Cue::BonusDue, false);
    }
    CallBonuses(g, host);
    g.WinShown = 1;
}

void ArmBonusChooser(GameState& g, GameHost& host) {
    if (!g.BonusChooserArmed) return;
    if (!((g.WinShown && g.Win > 0) || g.ChestTrigger || g.FreeGameTrigger || g.CoinGameDue ||
          g.BarrelBonusDue))
        return;
    g.BonusChooserArmed = 0;
    g.InputLocked = 1;
    host.StartOneShot(OneShotTimer::ChooserTimer, 2000);
}

void ChooseBonusScreen(GameState& g, GameHost& host) {
    g.BonusChooserArmed = 0;
    if (g.BarrelBonusDue) {
        g.BarrelScreen = 1;
        return;
    }
    if (g.CoinGameDue)
        g.CoinScreen = 1;
    else if (g.LineWinPending && g.Win > 0)
        OpenRiskScreen(g);
    else if (g.FreeGameTrigger)
        g.FreeGameScreen = 1;
    else if (g.ChestTrigger)
        g.ChestScreen = 1;
    else if (g.Win > 0)
        OpenRiskScreen(g);  // a win with no paying line still goes to the risk game
    else {
        EndRisk(g, host);  // nothing to show: back to the reels, input free again
        return;
    }
    if (g.FreeGameScreen) host.PlaySound(Cue::FreeGamesScreen, false);
    if (g.ChestScreen) host.PlaySound(Cue::ChestsMusic, true);
}

}  // namespace vortala
