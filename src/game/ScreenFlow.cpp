// Hand-over between screens. Every end routine funnels through here so that the order in which
// pending screens open is the same whichever game finished.
#include "ScreenFlow.h"

namespace vortala {

bool OpenPendingScreen(GameState& g, GameHost& host) {
    if (g.FreeGameTrigger) {
        host.PlaySound("add", false);
        g.FreeGameScreen = 1;
    } else if (g.ChestTrigger) {
        host.PlaySound("sun_fon", true);
        g.ChestScreen = 1;
    } else if (g.SuperBonusDue) {
        host.PlaySound("sbon", false);
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

}  // namespace vortala
