// The fast path against the frame-by-frame machine: the same automatic player on both must see
// the same odds. The two runs draw different games (the machine's frames also draw from the
// generator), so they are compared statistically, each figure within its combined standard error.
#include <gtest/gtest.h>

#include <cmath>

#include "FastPlayer.h"
#include "MachinePlayer.h"
#include "RtpSummary.h"

namespace vortala::sim::test {
namespace {

// A disagreement of this many combined standard errors fails; a fault worth finding (a skipped
// or doubled payment, a trigger lost) shows far beyond it even in a few thousand games.
constexpr double kMaxZ = 4.0;

double Z(double a, double seA, double b, double seB) {
    return (a - b) / std::sqrt(seA * seA + seB * seB);
}

double ProportionSe(double p, std::uint64_t n) {
    return std::sqrt(p * (1.0 - p) / static_cast<double>(n));
}

RtpTally PlayFast(const RtpOptions& o, std::uint64_t games) {
    RtpTally t;
    FastPlayer player(o, 0);
    for (std::uint64_t i = 0; i < games; ++i) player.PlayGame(t);
    return t;
}

RtpTally PlayMachine(const RtpOptions& o, std::uint64_t games) {
    RtpTally t;
    MachinePlayer player(o, static_cast<std::uint32_t>(o.seed), o.seed + 7);
    for (std::uint64_t i = 0; i < games && player.PlayGame(t); ++i) {
    }
    // Stores and records are written when a game ends: each game must say so exactly once.
    EXPECT_EQ(player.GamesEnded(), t.games);
    return t;
}

void ExpectAgreement(const RtpOptions& o, std::uint64_t fastGames, std::uint64_t machineGames) {
    const RtpTally fast = PlayFast(o, fastGames);
    const RtpTally slow = PlayMachine(o, machineGames);
    ASSERT_EQ(slow.stuckGames, 0u);
    ASSERT_EQ(slow.games, machineGames);
    ASSERT_EQ(fast.stuckGames, 0u);
    const RtpSummary f = Summarise(fast), m = Summarise(slow);

    const double rtpZ = Z(f.rtp, f.halfWidth / 1.96, m.rtp, m.halfWidth / 1.96);
    EXPECT_LT(std::abs(rtpZ), kMaxZ) << "fast " << f.rtp << " +- " << f.halfWidth << ", machine " << m.rtp
                                     << " +- " << m.halfWidth;
    const double hitZ = Z(f.hitFrequency, ProportionSe(f.hitFrequency, fast.games), m.hitFrequency,
                          ProportionSe(m.hitFrequency, slow.games));
    EXPECT_LT(std::abs(hitZ), kMaxZ) << "hit frequency fast " << f.hitFrequency << ", machine "
                                     << m.hitFrequency;
    const double payZ = Z(f.payFrequency, ProportionSe(f.payFrequency, fast.games), m.payFrequency,
                          ProportionSe(m.payFrequency, slow.games));
    EXPECT_LT(std::abs(payZ), kMaxZ) << "pay frequency fast " << f.payFrequency << ", machine "
                                     << m.payFrequency;
    const double freeZ = Z(f.freeSpinShare, ProportionSe(f.freeSpinShare, fast.games), m.freeSpinShare,
                           ProportionSe(m.freeSpinShare, slow.games));
    EXPECT_LT(std::abs(freeZ), kMaxZ)
        << "free spins fast " << f.freeSpinShare << ", machine " << m.freeSpinShare;
    // Bonus screens per game, as Poisson counts.
    for (Bonus b : {Bonus::Barrels, Bonus::Chests, Bonus::FreeGames, Bonus::CoinGame, Bonus::RiskGame}) {
        const int i = static_cast<int>(b);
        const double rf = static_cast<double>(fast.bonuses[i]) / fast.games;
        const double rm = static_cast<double>(slow.bonuses[i]) / slow.games;
        const double z =
            Z(rf, std::sqrt(rf / fast.games), rm, std::sqrt(std::max(rm, 1.0 / slow.games) / slow.games));
        EXPECT_LT(std::abs(z), kMaxZ) << BonusName(b) << " per game: fast " << rf << ", machine " << rm;
    }
}

TEST(FastPathAgreement, DefaultPlayerSeesTheMachinesOdds) {
    RtpOptions o;
    o.gamble = 1;
    ExpectAgreement(o, 150000, 4000);
}

// Every risk card won: each paying line climbs the whole ladder, feeds the third helm and sails,
// so the voyage, the ladder's helm and the barrels it completes are compared too.
TEST(FastPathAgreement, WonLaddersAndVoyagesAgree) {
    RtpOptions o;
    o.seed = 3;
    o.fortuneRisk = 100;
    o.gamble = 7;
    ExpectAgreement(o, 100000, 1500);
}

}  // namespace
}  // namespace vortala::sim::test
