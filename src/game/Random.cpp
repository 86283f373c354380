// Reseeding the generator (the draw itself is inline in Rules.h). Both the rules and the drawn
// reels' blur draw from it, so its exact sequence is part of the game.
#include "Rules.h"

namespace vortala {

void Randomize(GameState& g, GameHost& host) {
    g.Seed = host.Entropy();
}

}  // namespace vortala
