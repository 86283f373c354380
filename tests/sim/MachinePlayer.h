#pragma once
// MachinePlayer: the fast path's automatic player, but on the frame-by-frame machine: every move
// is a key event through Machine on a HeadlessHost, and time passes frame by frame, so the
// generator also feeds the reels' blur and the torches. Used to check the fast path against it.
#include <cstdint>

#include "PlayerRandom.h"
#include "RtpOptions.h"
#include "RtpTally.h"
#include "app/HeadlessHost.h"

namespace vortala::sim::test {

class MachinePlayer {
public:
    MachinePlayer(const RtpOptions& options, std::uint32_t entropySeed, std::uint64_t choiceSeed);

    // Plays one game to idle; books stake, return, hit and the bonus screens it met. Returns
    // false if the game did not come back to idle within ten virtual minutes.
    bool PlayGame(RtpTally& tally);
    Machine& machine() { return host_.machine(); }
    std::uint64_t GamesEnded() const { return host_.GamesEnded(); }

private:
    void Press(int key);
    void React(RtpTally& tally);

    HeadlessHost host_;
    PlayerRandom choices_;
    RtpOptions options_;
};

}  // namespace vortala::sim::test
