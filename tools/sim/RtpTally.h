#pragma once
// RtpTally: what a run of games has staked, returned and triggered. Every figure is a whole
// number summed exactly (squares in 128 bits), so tallies merge in any order, from any thread,
// shard or host, to the same last digit.
//
// The money model (docs/SIMULATOR.md): a game's stake is what StartSpin debits (0 on a free spin);
// its return is what reaches the credit during the game (taken wins and voyage pay-outs, jackpot
// included). Inserted notes are neither. Its long-run return adds what the game changed the
// jackpot by: a machine that plays on pays every coin fed to the jackpot at some later five
// wilds, while a block of the run stops with its jackpot unpaid.
#include <array>
#include <cstdint>

#include "game/Money.h"

namespace vortala::sim {

// Where the money a game returns was created. Every rule step the player runs books the money
// it adds to Win (or pays straight into the credit) to one source; a loss books a negative amount.
enum class Source : std::uint8_t {
    LinePays,   // paying lines at collection, five wilds' own 101x included
    Jackpot,    // the jackpot added by five wilds
    Barrels,    // helm banks paid by a full barrel
    Chests,     // chest multipliers of the total bet
    CoinGame,   // coin pile times the coin's multiplier
    RiskGame,   // taken (or sent on the voyage) minus put at risk
    Voyage,     // paid minus the win that set sail
    FreeGames,  // everything a free spin's game returned, whatever its source
    MoneyCap,   // made by the steps above but cut off by the cap of 2^60 on the way: negative
    Unbooked,   // returned but booked by no step: always 0 unless the accounting misses a path
};
constexpr int kSourceCount = 10;
const char* SourceName(Source s);

// Money that stays in the machine for later: helm banks, the coin pile and the jackpot.
enum class Store : std::uint8_t { ScatterBank, WildLineBank, LadderBank, CoinPile, Jackpot };
constexpr int kStoreCount = 5;
const char* StoreName(Store s);

enum class Bonus : std::uint8_t {
    Barrels,
    Chests,
    FreeGames,
    CoinGame,
    RiskGame,
    RiskLadder,
    Voyage,
    JackpotLine
};
constexpr int kBonusCount = 8;
const char* BonusName(Bonus b);

// Sums of money and of squares. A game's money stays under 2^62 even at the money cap, so its
// sums hold 2^65 games; a game's return squared reaches 10^13 at the highest bet, and runs reach
// 10^12 games.
using WideSum = __int128;

// Games (or whole blocks) whose long-run return or stake reaches this are left out of the sums
// of squares, which would overflow: only a run at the money cap has any, and it gets no interval.
constexpr Money kSpreadLimit = Money{1} << 40;
constexpr WideSum kBlockSpreadLimit = WideSum{1} << 52;

struct RtpTally {
    std::uint64_t games = 0;
    std::uint64_t freeSpins = 0;
    std::uint64_t hits = 0;        // games whose arrangement won anything
    std::uint64_t paidGames = 0;   // games that returned money to the credit
    std::uint64_t stuckGames = 0;  // games the player could not finish (a rules fault)
    WideSum staked = 0;
    WideSum returned = 0;
    WideSum inserted = 0;
    WideSum jackpotKept = 0;  // the games' changes of the jackpot: fed minus paid
    Money largestReturn = 0;
    std::uint64_t largestReturnGame = 0;  // its game number in the run; the first such game
    // For the spread of the long-run return per game: sums of L^2, L*S and S^2 over games, with L
    // the long-run return and S the stake.
    WideSum sumReturnSquared = 0;
    WideSum sumReturnStake = 0;
    WideSum sumStakeSquared = 0;
    // The same over whole blocks, to check the per-game spread against the blocks' spread.
    std::uint64_t blocks = 0;
    WideSum blockReturnSquared = 0;
    WideSum blockReturnStake = 0;
    WideSum blockStakeSquared = 0;
    std::uint64_t outsideSpread = 0;  // games and blocks left out of the squares (kSpreadLimit)
    std::array<WideSum, kSourceCount> bySource{};
    std::array<WideSum, kStoreCount> fed{};
    std::array<WideSum, kStoreCount> paidOut{};  // banks: by full barrels; pile: as the coin game's stake
    std::array<WideSum, 3> blownUp{};            // helm banks emptied by powder
    std::array<std::uint64_t, kBonusCount> bonuses{};

    // jackpotChange: the game's change of the jackpot, fed minus paid.
    void AddGame(Money stake, Money gameReturn, Money jackpotChange, bool hit, std::uint64_t game);
    // Returned plus the jackpot kept: what a machine that plays on returns.
    WideSum LongRunReturned() const;
    void Merge(const RtpTally& other);
    // Merges the tally of one whole block and counts it as a block.
    void AddBlock(const RtpTally& block);
    bool operator==(const RtpTally& other) const;
};

}  // namespace vortala::sim
