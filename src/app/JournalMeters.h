#pragma once
// Meters: the machine's lifetime counts, carried in every line of its journal so that they live
// and die with the records they sum. They balance when
//     inserted - staked + returned - taken off - unclosed = the running session's credit,
// where `unclosed` is credit a session still held when the program ended without closing it
// (found and booked, with a report, at the next start).
#include <array>
#include <cstdint>
#include <string>

#include "game/GameRecord.h"

namespace vortala {

enum class MeterBonus : std::uint8_t {
    Barrels,
    Chests,
    FreeGames,
    CoinGame,
    RiskGame,
    RiskLadder,
    Voyage,
    Jackpot
};
constexpr int kMeterBonusCount = 8;
const char* MeterBonusName(MeterBonus b);

struct Meters {
    std::int64_t games = 0;
    std::int64_t freeGames = 0;  // games played on free spins
    std::int64_t hits = 0;       // games whose reels won anything
    Money staked = 0;
    Money returned = 0;
    Money inserted = 0;
    Money taken = 0;
    Money unclosed = 0;
    Money largest = 0;  // the largest return of one game
    std::array<std::int64_t, kMeterBonusCount> bonuses{};

    void AddGame(const GameRecord& game);
    // What the meters say the running session's credit is.
    Money Credit() const { return inserted - staked + returned - taken - unclosed; }
    bool operator==(const Meters& o) const;
    bool operator!=(const Meters& o) const { return !(*this == o); }
};

template <class V, class... M>
void VisitMeters(V& v, M&... m) {
    v.Num("games", m.games...);
    v.Num("free", m.freeGames...);
    v.Num("hits", m.hits...);
    v.Num("staked", m.staked...);
    v.Num("returned", m.returned...);
    v.Num("inserted", m.inserted...);
    v.Num("taken", m.taken...);
    v.Num("unclosed", m.unclosed...);
    v.Num("largest", m.largest...);
    v.Num("bonuses", m.bonuses...);
}

}  // namespace vortala
