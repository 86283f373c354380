#pragma once
// The long-run figures of a PAR run: exact per-spin probabilities and the exact distributions of
// the bonus items, joined through the game's carried state (free spins won on free spins, the helm
// positions, the coin rounds, the voyage's arrow, the jackpot) into the return to player by source.
// Where the carried state is a Markov chain (the helms, the arrow) its stationary distribution is
// solved numerically; every other step is exact arithmetic on exact counts.
#include <array>

#include "ParOptions.h"
#include "ParTally.h"

namespace vortala::sim {

struct ParFigures {
    double totalBet = 0.0;
    double lineBet = 0.0;  // mean bet of a line, the unit of the win distribution
    // Per spin (paid or free), exact.
    double hit = 0.0, paying = 0.0, fiveWilds = 0.0, coinLine = 0.0, wildLine = 0.0, scatters = 0.0;
    std::array<double, 3> chest{}, freeGames{};  // by trigger 3, 4, 5
    double drawnPerSpin = 0.0, redrawn = 0.0;
    double winMean = 0.0, winSigma = 0.0;  // the spin's own win, in line bets
    // The bonus items, exact.
    std::array<double, 3> chestMultiple{};   // expected multiple of the total bet, by trigger
    std::array<double, 3> freeGamesAward{};  // expected free games, by trigger
    std::array<double, 4> coinFace{};        // x0, x2, x5, x10
    double coinMultiplier = 0.0;
    std::array<double, 3> barrel{};  // powder, empty, full
    double bankPaidShare = 0.0;      // of every coin fed to a helm bank: full / (full + powder)
    double riskCard = 0.0;           // a risk card matching the guess
    // The voyage under the arrow's stationary start: the chance of each number of doublings.
    std::array<double, 9> voyageDoublings{};
    double voyageMultiplier = 0.0;
    // Long run, per spin of any kind.
    double freeSpinShare = 0.0;  // of all spins: free games won per spin
    // The mean square of the free games won per spin: free spins come in runs, so the spread of
    // their share over n spins is sqrt(this / n) (a compound Poisson count), not the binomial's.
    double freeGamesSquare = 0.0;
    double barrelBonus = 0.0, chestBonus = 0.0, freeGamesBonus = 0.0, coinGame = 0.0, voyage = 0.0;
    double jackpotFeed = 0.0;  // money per spin
    // Points of the RTP by source, over the money staked; the free spins' games apart, as the
    // simulator books them.
    double linePays = 0.0, jackpot = 0.0, barrels = 0.0, chests = 0.0, coinGameReturn = 0.0,
           voyageReturn = 0.0, freeSpinReturn = 0.0, rtp = 0.0;
};

// The spin's figures from `spin`, the bonus items' from `bonus` (the same tally for one run; two
// when a fortune curve mixes a sampled part with an exact one).
ParFigures ComputeParFigures(const ParOptions& o, const ParTally& spin, const ParTally& bonus);

}  // namespace vortala::sim
