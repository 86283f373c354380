#pragma once
// A recorded game as a machine script (docs/SCRIPTING.md): it puts the record's carried state
// into a fresh machine, plays the game through its keys with each draw's seed and entropy set
// just before the key that draws, and expects the recorded reels, bonus outcomes and money, so a
// past game can be watched again frame by frame.
#include <string>

#include "game/GameRecord.h"

namespace vortala {

std::string GameScript(const GameRecord& game);

}  // namespace vortala
