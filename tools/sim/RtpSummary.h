#pragma once
// The report's arithmetic: return to player, its confidence interval and the derived shares.
#include <array>

#include "RtpTally.h"

namespace vortala::sim {

struct RtpSummary {
    double rtp = 0.0;        // long-run returned / staked: the jackpot counted as it is fed
    double rtpPaid = 0.0;    // returned / staked: the jackpot counted as the run's games won it
    double sigma = 0.0;      // spread of one game's return, in mean stakes per game
    double halfWidth = 0.0;  // of the 95% interval: 1.96 sigma / sqrt(games)
    // sigma and both half-widths are infinite when a game's money was beyond the sums of squares
    // (RtpTally::outsideSpread): a run at the money cap has no interval.
    // The same interval from the spread of whole blocks' returns, which holds whether or not
    // neighbouring games depend on each other; 0 with fewer than kMinBlocksForSpread blocks.
    double blockHalfWidth = 0.0;
    double hitFrequency = 0.0;
    double payFrequency = 0.0;
    double freeSpinShare = 0.0;
    double largestInStakes = 0.0;  // largest return of a game over the mean stake per game
    std::array<double, kSourceCount> shareOfReturn{};  // of the long-run return
    std::array<double, kSourceCount> shareOfStake{};   // each source's points of the RTP
    std::array<double, kBonusCount> oneIn{};           // games per trigger; 0 when it never came
};

// Fewer blocks give too rough a spread to set beside the games' own.
constexpr std::uint64_t kMinBlocksForSpread = 20;

// All ratios are 0 where their denominator is 0.
RtpSummary Summarise(const RtpTally& t);

}  // namespace vortala::sim
