#pragma once
// The automatic player's own generator (splitmix64): its picks and colours, and the entropy it
// hands to Randomize. Kept apart from the game's generator so that the player's choices never
// shift the machine's draws.
#include <cstdint>

namespace vortala::sim {

class PlayerRandom {
public:
    explicit PlayerRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..n-1, by the high half of a 32-bit draw.
    int Below(int n) { return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32); }

private:
    std::uint64_t state_;
};

// An independent stream for each (run seed, block, purpose): distinct blocks and purposes of a
// run give distinct 64-bit starts, since the mix is a bijection.
inline std::uint64_t StreamSeed(std::uint64_t runSeed, std::uint64_t block, std::uint64_t purpose) {
    PlayerRandom mix(runSeed * 0x100000001B3ull ^ (block << 8) ^ purpose);
    return mix.Next();
}

}  // namespace vortala::sim
