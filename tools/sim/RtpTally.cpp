#include "RtpTally.h"

#include <algorithm>

namespace vortala::sim {

const char* SourceName(Source s) {
    static constexpr const char* kNames[kSourceCount] = {"line pays", "jackpot",    "barrels",
                                                         "chests",    "coin game",  "risk game",
                                                         "voyage",    "free games", "unbooked"};
    return kNames[static_cast<int>(s)];
}

const char* StoreName(Store s) {
    static constexpr const char* kNames[kStoreCount] = {"helm bank 1 (scatters)", "helm bank 2 (wild lines)",
                                                        "helm bank 3 (risk ladder)", "coin pile (coin lines)",
                                                        "jackpot (voyages)"};
    return kNames[static_cast<int>(s)];
}

const char* BonusName(Bonus b) {
    static constexpr const char* kNames[kBonusCount] = {
        "barrel bonus", "chests",          "free games", "coin game",
        "risk game",    "risk ladder won", "voyage",     "five wilds (jackpot)"};
    return kNames[static_cast<int>(b)];
}

void RtpTally::AddGame(Money stake, Money gameReturn, bool hit) {
    ++games;
    freeSpins += stake == 0;
    hits += hit;
    paidGames += gameReturn > 0;
    staked += stake;
    returned += gameReturn;
    largestReturn = std::max(largestReturn, gameReturn);
    const double r = static_cast<double>(gameReturn), s = static_cast<double>(stake);
    sumReturnSquared += r * r;
    sumReturnStake += r * s;
    sumStakeSquared += s * s;
}

void RtpTally::Merge(const RtpTally& o) {
    games += o.games;
    freeSpins += o.freeSpins;
    hits += o.hits;
    paidGames += o.paidGames;
    stuckGames += o.stuckGames;
    staked += o.staked;
    returned += o.returned;
    inserted += o.inserted;
    largestReturn = std::max(largestReturn, o.largestReturn);
    sumReturnSquared += o.sumReturnSquared;
    sumReturnStake += o.sumReturnStake;
    sumStakeSquared += o.sumStakeSquared;
    for (int i = 0; i < kSourceCount; ++i) bySource[i] += o.bySource[i];
    for (int i = 0; i < kStoreCount; ++i) fed[i] += o.fed[i], paidOut[i] += o.paidOut[i];
    for (int i = 0; i < 3; ++i) blownUp[i] += o.blownUp[i];
    for (int i = 0; i < kBonusCount; ++i) bonuses[i] += o.bonuses[i];
}

}  // namespace vortala::sim
