// The one linear congruential generator of a machine. Both the rules and the drawn reels' blur
// draw from it, so its exact sequence is part of the game.
#include "Rules.h"

namespace vortala {

std::uint32_t Random(GameState& g, std::uint32_t n) {
    g.Seed = g.Seed * 134775813u + 1u;  // wraps modulo 2^32 by unsigned arithmetic
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g.Seed) * n) >> 32);
}

void Randomize(GameState& g, GameHost& host) {
    g.Seed = host.Entropy();
}

}  // namespace vortala
