// RTP is a ratio of two random sums, (long-run) returned / staked: free spins make the stake per game vary
// (0 or the full stake), so the interval uses the ratio estimator's variance,
// Var(R - rtp * S) / (N * meanStake^2). With every game staked alike it is the plain variance of
// R / S over N.
#include "RtpSummary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vortala::sim {

namespace {

double Ratio(double a, double b) {
    return b != 0.0 ? a / b : 0.0;
}

// The spread of one unit's (a game's or a block's) R - r S in mean stakes per unit, from the sums
// of squares of the units' returns R and stakes S.
double Spread(double r, double units, double meanStake, WideSum rr, WideSum rs, WideSum ss) {
    if (units < 2.0 || meanStake <= 0.0) return 0.0;
    // Sum of (R - r S)^2; its mean term vanishes because r is the ratio of the sums.
    const double squares =
        static_cast<double>(rr) - 2.0 * r * static_cast<double>(rs) + r * r * static_cast<double>(ss);
    return std::sqrt(std::max(0.0, squares) / (units - 1.0)) / meanStake;
}

double HalfWidth(double spread, double units) {
    return units > 0.0 ? 1.96 * spread / std::sqrt(units) : 0.0;
}

}  // namespace

RtpSummary Summarise(const RtpTally& t) {
    RtpSummary s;
    const double n = static_cast<double>(t.games);
    const double staked = static_cast<double>(t.staked);
    const double returned = static_cast<double>(t.LongRunReturned());
    s.rtp = Ratio(returned, staked);
    s.rtpPaid = Ratio(static_cast<double>(t.returned), staked);
    s.hitFrequency = Ratio(static_cast<double>(t.hits), n);
    s.payFrequency = Ratio(static_cast<double>(t.paidGames), n);
    s.freeSpinShare = Ratio(static_cast<double>(t.freeSpins), n);
    const double meanStake = Ratio(staked, n);
    s.largestInStakes = Ratio(static_cast<double>(t.largestReturn), meanStake);

    if (t.outsideSpread) {
        // Games beyond the squares' sums: the spread is unknown, as wide as can be.
        s.sigma = s.halfWidth = s.blockHalfWidth = std::numeric_limits<double>::infinity();
    } else {
        s.sigma = Spread(s.rtp, n, meanStake, t.sumReturnSquared, t.sumReturnStake, t.sumStakeSquared);
        s.halfWidth = HalfWidth(s.sigma, n);
    }
    if (t.blocks >= kMinBlocksForSpread && !t.outsideSpread) {
        const double blocks = static_cast<double>(t.blocks);
        const double spread = Spread(s.rtp, blocks, staked / blocks, t.blockReturnSquared, t.blockReturnStake,
                                     t.blockStakeSquared);
        s.blockHalfWidth = HalfWidth(spread, blocks);
    }
    for (int i = 0; i < kSourceCount; ++i) {
        s.shareOfReturn[i] = Ratio(static_cast<double>(t.bySource[i]), returned);
        s.shareOfStake[i] = Ratio(static_cast<double>(t.bySource[i]), staked);
    }
    for (int i = 0; i < kBonusCount; ++i) s.oneIn[i] = Ratio(n, static_cast<double>(t.bonuses[i]));
    return s;
}

}  // namespace vortala::sim
