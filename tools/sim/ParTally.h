#pragma once
// ParTally: exact counts and sums over the generator states a PAR run enumerates. Every figure is
// a whole number, so tallies of chunks, threads, shards and ranks merge in any order to the same
// last digit.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "Json.h"
#include "RtpTally.h"  // WideSum
#include "game/Symbols.h"

namespace vortala::sim {

struct ParTally {
    // ---- The stop key's outcome: one per state ----
    std::uint64_t states = 0;
    std::uint64_t winningStates = 0;      // the arrangement wins anything (HasWin)
    std::uint64_t payingStates = 0;       // some line pays money into the win or the coin pile
    std::uint64_t arrangementsDrawn = 0;  // fortune re-draws included
    std::uint64_t redrawnStates = 0;      // outcomes the fortune replaced by a re-draw
    // Paying and marking lines by their middle symbol and run of 3, 4, 5; the pays are the
    // multiplier times the line bet (coin lines included, five wilds' 101 not: see fiveWildPays).
    std::array<std::array<std::uint64_t, 3>, kSymbolCount> lines{};
    std::array<std::array<WideSum, 3>, kSymbolCount> linePaysBySymbol{};
    WideSum coinLinePays = 0;
    std::uint64_t coinStates = 0;  // states with a coin line: each raises the coin rounds once
    WideSum wildLinePays = 0;      // the wild-only lines' pays into helm bank 2
    std::uint64_t wildLineStates = 0;
    WideSum scatterPays = 0;  // three or more islands' pays into helm bank 1
    std::array<std::uint64_t, 6> islands{};
    std::array<std::uint64_t, 3> chestTriggers{};     // 3, 4, 5 chests
    std::array<std::uint64_t, 3> freeGameTriggers{};  // 3, 4, 5 galleons
    std::uint64_t fiveWilds = 0;                      // states with a line of five wilds
    WideSum fiveWildPays = 0;                         // their 101 x line bet
    std::array<std::uint64_t, 4> helmFeeds{};         // states by helm 1 fed (1) + helm 2 fed (2)
    // The spin's own win: line pays (coin lines and five wilds' 101 included), wild-only lines and
    // scatters, in money; its sums and its distribution, win -> states (dense, index = win).
    WideSum winSum = 0;
    WideSum winSquares = 0;
    std::vector<std::uint64_t> winHistogram;

    // ---- The items drawn after the spin, each from the state as its generator state ----
    std::array<std::array<std::uint64_t, 3>, 5> chestValues{};     // by chosen chest; table place, best first
    std::array<std::array<std::uint64_t, 7>, 6> freeGameValues{};  // by chosen item; place, 6: nothing
    std::array<std::uint64_t, 4> coinMultipliers{};                // x0, x2, x5, x10
    std::array<std::uint64_t, 2> riskCardWins{};                   // cards matching a guess of red, black
    std::array<std::uint64_t, 3> barrels{};                        // powder, empty, full
    std::array<std::uint64_t, 200> arrowDraws{};                   // the arrow's Random(200)

    void Merge(const ParTally& other);
    bool operator==(const ParTally& other) const;
    void AddWin(std::int64_t win);
};

// The sums as one JSON object on one line, and read back exactly.
void WriteParSums(std::ostream& out, const ParTally& t);
bool ReadParSums(const JsonValue& sums, ParTally& t, std::string& error);

}  // namespace vortala::sim
