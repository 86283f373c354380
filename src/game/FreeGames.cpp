// The free-games pick: six items hide numbers of free games; the picked one is added to FreeGames.
#include <algorithm>

#include "ScreenFlow.h"

namespace vortala {

void PickFreeGames(GameState& g, GameHost& host, int item) {
    if (!g.FreeGameScreen || g.FreeGamePicked || item < 0 || item >= static_cast<int>(g.FreeGameItems.size()))
        return;
    g.FreeGameItems[item].FreeGameChosen = 1;
    AwardFreeGames(g, host);
}

void AwardFreeGames(GameState& g, GameHost& host) {
    if (g.FreeGamePicked) return;
    Randomize(g, host);
    g.FreeGamePicked = 1;
    FillFreeGameValues(g);
    int award = 0;
    for (const auto& item : g.FreeGameItems)
        if (item.FreeGameChosen) award = item.FreeGameValue;
    // FreeGames is a byte: a long lucky streak stops at 255 rather than wrapping to a few.
    g.FreeGames = static_cast<Byte>(std::min(255, g.FreeGames + award));
    host.PlaySound(Cue::FreeGamesAwarded, false);
    g.FreeGameAwarded = 1;
    host.StartTimer(PhaseTimer::FreeGamesEnd);
}

void EndFreeGames(GameState& g, GameHost& host) {
    g.FreeGameAwarded = 0;
    g.FreeGamePicked = 0;
    for (auto& r : g.LineResult) {
        r.Multiplier = 0;
        r.FreeGameMark = 0;
    }
    g.FreeGameItems.fill(FreeGameSlot{});
    g.FreeGameScreen = 0;
    g.FreeGameTrigger = 0;
    g.CoinRoundCounted = 0;
    g.BonusHandled = 0;
    if (!OpenPendingScreen(g, host)) ReturnToReels(g);
}

}  // namespace vortala
