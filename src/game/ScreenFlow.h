#pragma once
// Steps shared by the end routines of the bonus and risk games: how a finished screen hands over to
// the next pending one, or gives the reels back.
#include "Rules.h"

namespace vortala {

// Opens the first pending screen in the fixed order free games, chests, voyage, with its sound.
// Returns false when nothing is pending.
bool OpenPendingScreen(GameState& g, GameHost& host);

// The reel panel returns and input is free again; the finished result no longer counts as a win.
void ReturnToReels(GameState& g);

// Closes and empties all five chests.
void ClearChests(GameState& g);

// Forgets the finished game's result: its win, line results, fed helms and collection gates.
void ClearFinishedResult(GameState& g);

// Puts the risk ladder back to its first card, face down.
void ClearRiskCards(GameState& g);

}  // namespace vortala
