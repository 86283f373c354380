// The treasure-chest bonus: the player picks one of five chests, whose multiplier of the total bet
// is added to the win; a won chest sends the win on the ship voyage.
#include "ScreenFlow.h"

namespace vortala {

void PickChest(GameState& g, GameHost& host, int chest) {
    if (!g.ChestScreen || g.ChestPicked || chest < 0 || chest >= static_cast<int>(g.Chests.size())) return;
    g.Chests[chest].ChestChosen = 1;
    OpenChests(g, host);
}

void OpenChests(GameState& g, GameHost& host) {
    int chosen = -1;
    for (int i = 0; i < static_cast<int>(g.Chests.size()); ++i)
        if (g.Chests[i].ChestChosen) chosen = i;
    if (g.ChestPicked || chosen < 0) return;

    Randomize(g, host);
    g.ChestPicked = 1;
    FillChestValues(g, chosen);
    ChestSlot& pick = g.Chests[chosen];
    pick.ChestOpen = 1;
    if (pick.ChestValue > 0) g.Win = AddMoney(g.Win, MulMoney(g.TotalBet, pick.ChestValue), g.MoneyCapped);
    host.PlaySound(pick.ChestValue > 0 ? Cue::ChestGold : Cue::ChestsEmpty, false);
    g.ChestResultShown = 1;
    if (g.Win <= 0) g.SuperBonusDue = 0;  // nothing to take on the voyage
    host.StartTimer(PhaseTimer::ChestsPause);
}

void RevealChests(GameState& g, GameHost& host) {
    bool anyGold = false;
    for (auto& chest : g.Chests) {
        chest.ChestOpen = 1;
        anyGold |= chest.ChestValue > 0;
    }
    host.PlaySound(anyGold ? Cue::ChestGold : Cue::ChestsEmpty, false);
    host.StartTimer(PhaseTimer::ChestsEnd);
}

void EndChests(GameState& g, GameHost& host) {
    if (!g.SuperBonusDue) {
        ReturnToReels(g);
        ClearLineResults(g);
    }
    ClearChests(g);
    g.ChestTrigger = 0;
    g.ChestPicked = 0;
    g.CoinRoundCounted = 0;
    g.BonusHandled = 0;
    g.ChestScreen = 0;
    // The same threshold as OpenChests: any win at all goes on the voyage.
    if (g.Win > 0) {
        host.PlaySound(Cue::VoyageStart, false);
        g.SuperBonusScreen = 1;
    }
    g.ChestResultShown = 0;
    FitBetsToCredit(g, host);
}

}  // namespace vortala
