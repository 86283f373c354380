#include "ParModel.h"

#include <cmath>
#include <vector>

#include "game/Rules.h"

namespace vortala::sim {

namespace {

constexpr int kAngles = 360;
constexpr int kGoal = 16;

double Share(WideSum part, std::uint64_t whole) {
    return whole ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

// The arrow's resting angle from each start angle and each Random(200), by the rules' own step.
std::vector<int> ArrowRests() {
    std::vector<int> rest(kAngles * 200);
    for (int a = 0; a < kAngles; ++a) {
        for (int k = 0; k < 200; ++k) {
            GameState g;
            g.ArrowAngle = a;
            g.ArrowSpeed = 200 + k;
            while (g.ArrowSpeed > 0) StepArrow(g);
            rest[a * 200 + k] = g.ArrowAngle;
        }
    }
    return rest;
}

// One voyage from start angles weighted by `start`: adds the chance of ending at each angle to
// `end` and of each number of doublings to `doublings`.
void Sail(const std::vector<double>& start, const std::vector<int>& rest,
          const std::array<double, 200>& speed, std::vector<double>& end, std::array<double, 9>* doublings) {
    // mass[square][angle][doublings so far]
    std::vector<double> mass(kGoal * kAngles * 9, 0.0);
    auto at = [](int square, int angle, int j) { return (square * kAngles + angle) * 9 + j; };
    for (int a = 0; a < kAngles; ++a) mass[at(0, a, 0)] = start[a];
    for (int square = 0; square < kGoal; ++square) {
        for (int a = 0; a < kAngles; ++a) {
            for (int j = 0; j < 9; ++j) {
                const double m = mass[at(square, a, j)];
                if (m == 0.0) continue;
                for (int k = 0; k < 200; ++k) {
                    const double p = m * speed[k];
                    const int angle = rest[a * 200 + k];
                    const int next = std::min(square + ArrowSector(angle), kGoal);
                    if (next == kGoal || IsReefSquare(next)) {
                        end[angle] += p;
                        if (doublings) (*doublings)[std::min(j + (next == kGoal ? 1 : 0), 8)] += p;
                    } else {
                        mass[at(next, angle, std::min(j + 1, 8))] += p;
                    }
                }
            }
        }
    }
}

// The doublings of a voyage whose arrow starts where the previous voyage left it, in the long run.
std::array<double, 9> VoyageDoublings(const ParTally& t) {
    std::array<double, 200> speed{};
    for (int k = 0; k < 200; ++k) speed[k] = Share(t.arrowDraws[k], t.states);
    const std::vector<int> rest = ArrowRests();
    // The chain of start angles: row a of one voyage's transition, then its stationary vector.
    std::vector<double> transition(kAngles * kAngles, 0.0);
    for (int a = 0; a < kAngles; ++a) {
        std::vector<double> start(kAngles, 0.0), end(kAngles, 0.0);
        start[a] = 1.0;
        Sail(start, rest, speed, end, nullptr);
        for (int b = 0; b < kAngles; ++b) transition[a * kAngles + b] = end[b];
    }
    std::vector<double> pi(kAngles, 1.0 / kAngles), next(kAngles);
    for (int step = 0; step < 2000; ++step) {
        std::fill(next.begin(), next.end(), 0.0);
        for (int a = 0; a < kAngles; ++a)
            for (int b = 0; b < kAngles; ++b) next[b] += pi[a] * transition[a * kAngles + b];
        // Averaging with the last step damps a periodic chain into its stationary vector.
        for (int a = 0; a < kAngles; ++a) pi[a] = 0.5 * (pi[a] + next[a]);
    }
    std::array<double, 9> doublings{};
    std::vector<double> end(kAngles, 0.0);
    Sail(pi, rest, speed, end, &doublings);
    return doublings;
}

// The two helms' positions as a chain over spins: the long-run chance per spin that a fed helm
// stands on its last position, which completes its circle and opens the barrels.
double BarrelBonusPerSpin(const ParTally& t) {
    std::array<double, 4> feed{};
    for (int i = 0; i < 4; ++i) feed[i] = Share(t.helmFeeds[i], t.states);
    std::vector<double> pi(100, 0.01), next(100);
    double bonus = 0.0;
    for (int step = 0; step < 3000; ++step) {
        std::fill(next.begin(), next.end(), 0.0);
        bonus = 0.0;
        for (int p = 0; p < 100; ++p) {
            const int h1 = p / 10, h2 = p % 10;  // positions 1..10 as 0..9
            for (int f = 0; f < 4; ++f) {
                const bool fed1 = f & 1, fed2 = f & 2;
                const int n1 = fed1 ? (h1 + 1) % 10 : h1, n2 = fed2 ? (h2 + 1) % 10 : h2;
                next[n1 * 10 + n2] += pi[p] * feed[f];
                if ((fed1 && h1 == 9) || (fed2 && h2 == 9)) bonus += pi[p] * feed[f];
            }
        }
        for (int p = 0; p < 100; ++p) pi[p] = 0.5 * (pi[p] + next[p]);
    }
    return bonus;
}

}  // namespace

ParFigures ComputeParFigures(const ParOptions& o, const ParTally& t, const ParTally& b) {
    ParFigures f;
    const std::uint64_t n = t.states, nb = b.states;
    Money totalBet = 0;
    for (int b : o.bets) totalBet += b;
    f.totalBet = static_cast<double>(totalBet);
    f.lineBet = f.totalBet / 15.0;
    f.hit = Share(t.winningStates, n);
    f.paying = Share(t.payingStates, n);
    f.fiveWilds = Share(t.fiveWilds, n);
    f.coinLine = Share(t.coinStates, n);
    f.wildLine = Share(t.wildLineStates, n);
    f.scatters = Share(t.islands[3] + t.islands[4] + t.islands[5], n);
    for (int i = 0; i < 3; ++i) {
        f.chest[i] = Share(t.chestTriggers[i], n);
        f.freeGames[i] = Share(t.freeGameTriggers[i], n);
    }
    f.drawnPerSpin = Share(t.arrangementsDrawn, n);
    f.redrawn = Share(t.redrawnStates, n);
    const double mean = Share(t.winSum, n);
    f.winMean = mean / f.lineBet;
    f.winSigma = std::sqrt(std::max(0.0, Share(t.winSquares, n) - mean * mean)) / f.lineBet;

    // The bonus items: the player picks any chest or item alike.
    for (int trigger = 3; trigger <= 5; ++trigger) {
        double chest = 0.0, award = 0.0, square = 0.0;
        for (const auto& byPlace : b.chestValues)
            for (int p = 0; p < 3; ++p) chest += Share(byPlace[p], nb) * ChestTable(trigger)[p] / 5.0;
        for (const auto& byPlace : b.freeGameValues)
            for (int p = 0; p < 6; ++p) {
                const double games = FreeGameTable(trigger)[p];
                award += Share(byPlace[p], nb) * games / 6.0;
                square += Share(byPlace[p], nb) * games * games / 6.0;
            }
        f.chestMultiple[trigger - 3] = chest;
        f.freeGamesAward[trigger - 3] = award;
        f.freeGamesSquare += f.freeGames[trigger - 3] * square;
    }
    static constexpr int kFaces[] = {0, 2, 5, 10};
    for (int i = 0; i < 4; ++i) {
        f.coinFace[i] = Share(b.coinMultipliers[i], nb);
        f.coinMultiplier += f.coinFace[i] * kFaces[i];
    }
    for (int i = 0; i < 3; ++i) f.barrel[i] = Share(b.barrels[i], nb);
    f.bankPaidShare = f.barrel[2] + f.barrel[0] > 0 ? f.barrel[2] / (f.barrel[2] + f.barrel[0]) : 0.0;
    f.riskCard = Share(b.riskCardWins[0] + b.riskCardWins[1], 2 * nb);
    f.voyageDoublings = VoyageDoublings(b);
    for (int j = 0; j < 9; ++j) f.voyageMultiplier += f.voyageDoublings[j] * std::ldexp(1.0, j);

    // Per spin: what the spin's lines, coins and helms create, and the chest with its voyage.
    double linePays = Share(t.fiveWildPays, n), chests = 0.0, voyages = 0.0, jackpot = 0.0;
    for (int sym = 0; sym < kSymbolCount; ++sym)
        for (int run = 0; run < 3; ++run)
            if (sym != kCoin) linePays += Share(t.linePaysBySymbol[sym][run], n);
    for (int trigger = 3; trigger <= 5; ++trigger) {
        const double p = f.chest[trigger - 3];
        for (const auto& byPlace : b.chestValues) {
            for (int place = 0; place < 3; ++place) {
                const double q = p * Share(byPlace[place], nb) / 5.0;
                const Money win = totalBet * ChestTable(trigger)[place];
                chests += q * static_cast<double>(win);
                if (win <= 1) continue;  // nothing worth a voyage
                f.voyage += q;
                for (int j = 0; j < 9; ++j) {
                    const Money paid = win << j;
                    voyages += q * f.voyageDoublings[j] * static_cast<double>(paid - win);
                    jackpot += q * f.voyageDoublings[j] * static_cast<double>(paid / 20);
                }
            }
        }
    }
    const double coin = Share(t.coinLinePays, n) * f.coinMultiplier;
    const double banks = Share(t.scatterPays + t.wildLinePays, n) * f.bankPaidShare;
    double freeGamesPerSpin = 0.0;
    for (int i = 0; i < 3; ++i) freeGamesPerSpin += f.freeGames[i] * f.freeGamesAward[i];
    f.freeSpinShare = freeGamesPerSpin;  // spins that are free, of all spins, in the long run
    f.barrelBonus = BarrelBonusPerSpin(t);
    f.chestBonus = f.chest[0] + f.chest[1] + f.chest[2];
    f.freeGamesBonus = f.freeGames[0] + f.freeGames[1] + f.freeGames[2];
    f.coinGame = f.coinLine / (kMaxCoinRounds + 1);
    f.jackpotFeed = jackpot;

    // A paid spin brings 1 / (1 - share) spins in all; its own sources count once and the free
    // spins' games the rest, all over the one stake.
    const double perSpin = linePays + jackpot + banks + chests + coin + voyages;
    const double stake = f.totalBet;
    const double freeFactor = freeGamesPerSpin < 1.0 ? freeGamesPerSpin / (1.0 - freeGamesPerSpin) : 0.0;
    f.linePays = linePays / stake;
    f.jackpot = jackpot / stake;
    f.barrels = banks / stake;
    f.chests = chests / stake;
    f.coinGameReturn = coin / stake;
    f.voyageReturn = voyages / stake;
    f.freeSpinReturn = perSpin / stake * freeFactor;
    f.rtp = perSpin / stake * (1.0 + freeFactor);
    return f;
}

}  // namespace vortala::sim
