#include "RtpTally.h"

namespace vortala::sim {

const char* SourceName(Source s) {
    static constexpr const char* kNames[kSourceCount] = {"line pays", "jackpot",   "barrels", "chests",
                                                         "coin game", "risk game", "voyage",  "free games",
                                                         "money cap", "unbooked"};
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

namespace {
WideSum Product(WideSum a, WideSum b) {
    return a * b;
}

bool WithinSpread(WideSum longRun, WideSum stake, WideSum limit) {
    return longRun < limit && -longRun < limit && stake < limit;
}
}  // namespace

void RtpTally::AddGame(Money stake, Money gameReturn, Money jackpotChange, bool hit, std::uint64_t game) {
    ++games;
    freeSpins += stake == 0;
    hits += hit;
    paidGames += gameReturn > 0;
    staked += stake;
    returned += gameReturn;
    if (gameReturn > largestReturn) largestReturn = gameReturn, largestReturnGame = game;
    jackpotKept += jackpotChange;
    const WideSum longRun = WideSum{gameReturn} + jackpotChange;
    if (!WithinSpread(longRun, stake, kSpreadLimit)) {
        ++outsideSpread;
        return;
    }
    sumReturnSquared += Product(longRun, longRun);
    sumReturnStake += Product(longRun, stake);
    sumStakeSquared += Product(stake, stake);
}

WideSum RtpTally::LongRunReturned() const {
    return returned + jackpotKept;
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
    jackpotKept += o.jackpotKept;
    // The same largest win in two tallies: the earlier game, whichever tally comes first.
    if (o.largestReturn > largestReturn ||
        (o.largestReturn == largestReturn && o.largestReturnGame < largestReturnGame)) {
        largestReturn = o.largestReturn;
        largestReturnGame = o.largestReturnGame;
    }
    sumReturnSquared += o.sumReturnSquared;
    sumReturnStake += o.sumReturnStake;
    sumStakeSquared += o.sumStakeSquared;
    blocks += o.blocks;
    blockReturnSquared += o.blockReturnSquared;
    blockReturnStake += o.blockReturnStake;
    blockStakeSquared += o.blockStakeSquared;
    outsideSpread += o.outsideSpread;
    for (int i = 0; i < kSourceCount; ++i) bySource[i] += o.bySource[i];
    for (int i = 0; i < kStoreCount; ++i) fed[i] += o.fed[i], paidOut[i] += o.paidOut[i];
    for (int i = 0; i < 3; ++i) blownUp[i] += o.blownUp[i];
    for (int i = 0; i < kBonusCount; ++i) bonuses[i] += o.bonuses[i];
}

void RtpTally::AddBlock(const RtpTally& block) {
    Merge(block);
    ++blocks;
    const WideSum longRun = block.LongRunReturned();
    if (!WithinSpread(longRun, block.staked, kBlockSpreadLimit)) {
        ++outsideSpread;
        return;
    }
    blockReturnSquared += Product(longRun, longRun);
    blockReturnStake += Product(longRun, block.staked);
    blockStakeSquared += Product(block.staked, block.staked);
}

bool RtpTally::operator==(const RtpTally& o) const {
    return games == o.games && freeSpins == o.freeSpins && hits == o.hits && paidGames == o.paidGames &&
           stuckGames == o.stuckGames && staked == o.staked && returned == o.returned &&
           inserted == o.inserted && jackpotKept == o.jackpotKept && largestReturn == o.largestReturn &&
           largestReturnGame == o.largestReturnGame && sumReturnSquared == o.sumReturnSquared &&
           sumReturnStake == o.sumReturnStake && sumStakeSquared == o.sumStakeSquared && blocks == o.blocks &&
           blockReturnSquared == o.blockReturnSquared && blockReturnStake == o.blockReturnStake &&
           blockStakeSquared == o.blockStakeSquared && outsideSpread == o.outsideSpread &&
           bySource == o.bySource && fed == o.fed && paidOut == o.paidOut && blownUp == o.blownUp &&
           bonuses == o.bonuses;
}

}  // namespace vortala::sim
