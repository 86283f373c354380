// RTP is a ratio of two random sums, returned / staked: free spins make the stake per game vary
// (0 or the full stake), so the interval uses the ratio estimator's variance,
// Var(R - rtp * S) / (N * meanStake^2). With every game staked alike it is the plain variance of
// R / S over N.
#include "RtpSummary.h"

#include <algorithm>
#include <cmath>

namespace vortala::sim {

namespace {
double Ratio(double a, double b) {
    return b != 0.0 ? a / b : 0.0;
}
}  // namespace

RtpSummary Summarise(const RtpTally& t) {
    RtpSummary s;
    const double n = static_cast<double>(t.games);
    const double staked = static_cast<double>(t.staked);
    const double returned = static_cast<double>(t.returned);
    s.rtp = Ratio(returned, staked);
    s.hitFrequency = Ratio(static_cast<double>(t.hits), n);
    s.payFrequency = Ratio(static_cast<double>(t.paidGames), n);
    s.freeSpinShare = Ratio(static_cast<double>(t.freeSpins), n);
    const double meanStake = Ratio(staked, n);
    s.largestInStakes = Ratio(static_cast<double>(t.largestReturn), meanStake);

    if (t.games >= 2 && meanStake > 0.0) {
        const double r = s.rtp;
        // Sum of (R - r S)^2; its mean term vanishes because r is the ratio of the sums.
        const double squares = t.sumReturnSquared - 2.0 * r * t.sumReturnStake + r * r * t.sumStakeSquared;
        const double variance = std::max(0.0, squares) / (n - 1.0);
        s.sigma = std::sqrt(variance) / meanStake;
        s.halfWidth = 1.96 * s.sigma / std::sqrt(n);
    }
    for (int i = 0; i < kSourceCount; ++i) {
        s.shareOfReturn[i] = Ratio(static_cast<double>(t.bySource[i]), returned);
        s.shareOfStake[i] = Ratio(static_cast<double>(t.bySource[i]), staked);
    }
    for (int i = 0; i < kBonusCount; ++i) s.oneIn[i] = Ratio(n, static_cast<double>(t.bonuses[i]));
    return s;
}

}  // namespace vortala::sim
