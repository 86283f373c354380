#pragma once
// What one generator state gives: the stop key's outcome under the run's settings, and every item
// drawn after the spin from that state, each through the rules' own operations.
#include <cstdint>

#include "ParOptions.h"
#include "ParTally.h"
#include "game/GameState.h"
#include "game/TimerFlagHost.h"

namespace vortala::sim {

// Randomize hands out the state under test.
class StateHost final : public TimerFlagHost {
public:
    std::uint32_t Entropy() override { return entropy; }
    std::uint32_t entropy = 0;
};

class StateOutcomes {
public:
    explicit StateOutcomes(const ParOptions& options);
    // Adds the outcomes of states first .. first+count-1 to the tally.
    void AddRange(std::uint64_t first, std::uint64_t count, ParTally& tally);
    void AddSpin(std::uint32_t state, ParTally& tally);
    void AddBonusItems(std::uint32_t state, ParTally& tally);

private:
    GameState spin_;
    GameState bonus_;
    StateHost host_;
    int riskFortune_ = 0;
};

}  // namespace vortala::sim
