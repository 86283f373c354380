#include "ParOutcome.h"

#include <algorithm>

#include "game/Rules.h"

namespace vortala::sim {

namespace {

// The place in its table (best first) of each value the rules draw: looked up, not searched,
// because which place comes up is random and a search would mispredict on most items.
struct Places {
    std::array<std::uint8_t, 26> chest{};          // by the 5-chest table's value
    std::array<std::uint8_t, 11> coin{};           // by the coin's multiplier
    std::array<std::uint8_t, 9 * 17> freeGames{};  // by the 3- and the 4-galleon table's values
    Places() {
        for (int p = 0; p < 3; ++p) chest[ChestTable(5)[p]] = static_cast<std::uint8_t>(p);
        const int faces[] = {0, 2, 5, 10};
        for (int p = 0; p < 4; ++p) coin[faces[p]] = static_cast<std::uint8_t>(p);
        freeGames.fill(6);  // nothing awarded
        for (int p = 0; p < 6; ++p)
            freeGames[FreeGameKey(FreeGameTable(3)[p], FreeGameTable(4)[p])] = static_cast<std::uint8_t>(p);
    }
    static int FreeGameKey(int three, int four) { return three * 17 + four; }
};
const Places kPlaces;

Money ScatterPay(int islands, Money totalBet) {
    static constexpr int kTimes[] = {0, 0, 0, 1, 2, 5};
    return totalBet * kTimes[std::min(islands, 5)];
}

}  // namespace

StateOutcomes::StateOutcomes(const ParOptions& o) {
    for (int l = 0; l < kLines; ++l) spin_.LineBet[l] = o.bets[l];
    RecomputeTotalBet(spin_);
    spin_.FortuneSpin = o.fortuneSpin;
    spin_.FortuneActive = 1;
    if (o.ahead) {
        spin_.CreditInserted = 100;
        spin_.Credit = 201;
    }
    bonus_.FortuneBonus = o.fortuneBonus;
    riskFortune_ = o.fortuneRisk;
    // At the collection of a paying line the ahead player's risk fortune is lowered.
    if (o.ahead && riskFortune_ < 80 && riskFortune_ - 20 > -80) riskFortune_ -= 20;
}

void StateOutcomes::AddRange(std::uint64_t first, std::uint64_t count, ParTally& t) {
    for (std::uint64_t s = first; s < first + count; ++s) {
        AddSpin(static_cast<std::uint32_t>(s), t);
        AddBonusItems(static_cast<std::uint32_t>(s), t);
    }
}

void StateOutcomes::AddSpin(std::uint32_t state, ParTally& t) {
    GameState& g = spin_;
    g.Seed = state;
    const std::uint64_t drawnBefore = g.ArrangementsDrawn;
    DrawArrangement(g);
    EvaluateArrangement(g, host_);
    const std::uint64_t drawn = g.ArrangementsDrawn - drawnBefore;
    ++t.states;
    t.arrangementsDrawn += drawn;
    t.redrawnStates += drawn > 1;
    t.winningStates += g.HasWin;

    Money win = 0;
    bool paying = false, coin = false, fiveWilds = false;
    int chests = 0, galleons = 0;
    for (int l = 0; l < kLines; ++l) {
        const LineResultRecord& r = g.LineResult[l];
        const Byte middle = g.LineSymbols[l][2];
        if (r.Multiplier == 0 && r.ChestMark == 0 && r.FreeGameMark == 0) continue;
        const int run = LineRunLength(g.LineSymbols[l]);
        ++t.lines[middle][run - 3];
        const Money pay = static_cast<Money>(r.Multiplier) * g.LineBet[l];
        win += pay;
        paying |= pay > 0;
        if (middle == kSkull) {
            fiveWilds = true;
            t.fiveWildPays += pay;
            continue;
        }
        t.linePaysBySymbol[middle][run - 3] += pay;
        if (r.CoinLine) {
            coin = true;
            t.coinLinePays += pay;
        }
        if (r.ChestMark) chests = std::max(chests, run);
        if (r.FreeGameMark) galleons = std::max(galleons, run);
    }
    const Money scatters = ScatterPay(g.ScatterCount, g.TotalBet);
    win += g.WildLineWin + scatters;
    t.payingStates += paying;
    t.coinStates += coin;
    t.fiveWilds += fiveWilds;
    t.wildLinePays += g.WildLineWin;
    t.wildLineStates += g.WildLineWin > 0;
    t.scatterPays += scatters;
    ++t.islands[std::min(g.ScatterCount, 5)];
    if (chests) ++t.chestTriggers[chests - 3];
    if (galleons) ++t.freeGameTriggers[galleons - 3];
    ++t.helmFeeds[(scatters > 0 ? 1 : 0) + (g.WildLineWin > 0 ? 2 : 0)];
    t.AddWin(win);
}

void StateOutcomes::AddBonusItems(std::uint32_t state, ParTally& t) {
    GameState& g = bonus_;
    host_.entropy = state;

    // Chests: the five values after the pick's Randomize, the fortune applied to the chosen one.
    g.ChestTrigger = 5;
    for (int chosen = 0; chosen < 5; ++chosen) {
        g.Seed = state;
        FillChestValues(g, chosen);
        ++t.chestValues[chosen][kPlaces.chest[g.Chests[chosen].ChestValue]];
    }

    // Free games: the fill is the same for every trigger but for its table; the values under the
    // 3- and 4-galleon tables together tell each item's place (0 for nothing awarded).
    int three[6], four[6];
    g.FreeGameTrigger = 3;
    g.Seed = state;
    FillFreeGameValues(g);
    for (int i = 0; i < 6; ++i) three[i] = g.FreeGameItems[i].FreeGameValue;
    g.FreeGameTrigger = 4;
    g.Seed = state;
    FillFreeGameValues(g);
    for (int i = 0; i < 6; ++i) four[i] = g.FreeGameItems[i].FreeGameValue;
    for (int i = 0; i < 6; ++i)
        ++t.freeGameValues[i][kPlaces.freeGames[Places::FreeGameKey(three[i], four[i])]];

    // The coin, the barrel and the arrow draw from the game's generator as it stands.
    g.CoinScreen = 1;
    g.CoinThrown = 0;
    g.Seed = state;
    ThrowCoin(g, host_);
    ++t.coinMultipliers[kPlaces.coin[g.CoinMultiplier]];
    g.Seed = state;
    ++t.barrels[DrawBarrelContent(g)];
    g.Seed = state;
    ++t.arrowDraws[Random(g, 200)];

    // A risk card after its Randomize, for a guess of red and of black.
    for (int guess = 1; guess <= 2; ++guess) {
        g.RiskStep = 1;
        g.RiskGuess = {};
        g.RiskGuess[0] = static_cast<Byte>(guess);
        g.FortuneRiskNow = riskFortune_;
        g.Win = 1;
        DealCard(g, host_);
        t.riskCardWins[guess - 1] += g.RiskCard[0] == guess;
    }
}

}  // namespace vortala::sim
