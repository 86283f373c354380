#pragma once
// GameRecord: one finished game as the journal keeps it, with everything needed to play it again
// through the rules and check that they give the same outcome.
//
// What a game depends on: the machine's money and stores before it (Carried), the generator's
// seed before each draw (frames also draw between them on the machine, so each draw has its own),
// every entropy value Randomize took, and the player's choices. What it gives: the reels, the
// lines, each bonus's outcome, the win by source and the money after.
//
// VisitRecord lists every field once, in the order the journal writes them; the writer, the
// parser and the comparison of two records all walk that one list.
#include <array>
#include <cstdint>
#include <vector>

#include "GameState.h"

namespace vortala {

// The machine's state that lives from game to game, and the settings the rules read.
struct Carried {
    Money credit = 0;
    Money inserted = 0;  // CreditInserted: the fortune's player-ahead rule reads it
    Money win = 0;
    Money jackpot = 0;
    std::array<Money, 3> banks{};
    std::array<std::int32_t, 3> helms{1, 1, 1};  // where each helm stands once it stops turning
    Money pile = 0;
    std::int32_t rounds = 0;
    std::int32_t freeGames = 0;
    std::int32_t arrow = 25;  // the voyage's arrow angle, kept between voyages
    std::array<std::int32_t, 3> fortune{};
    std::int32_t helmLast = 9;  // HelmLastBeforeBonus: 0 in the helms' test mode
    std::int32_t forced = 0;    // the test arrangement
    std::array<std::int32_t, kLines> bets{};

    bool operator==(const Carried& o) const;
    bool operator!=(const Carried& o) const { return !(*this == o); }
};

// One step of a game that the re-play must repeat: a draw with the seed or entropy it used, a
// choice, money put in, or a change made outside the rules. `out` holds what the step gave.
struct RecordEvent {
    enum Kind : char {
        Stop = 'S',       // choice: kStopAgain or 0; input: seed; out: hit
        Collect = 'C',    // the result was collected (its place among inserts and changes matters)
        Guess = 'G',      // choice: 1 red, 2 black; input: entropy; out: the card
        Take = 'T',       // the win taken from the risk game
        Barrel = 'B',     // choice: barrel 1..3; input: seed; out: content (and the other two)
        Chest = 'K',      // choice: chest 1..5; input: entropy; out: the five values
        FreeGames = 'F',  // choice: item 1..6; input: entropy; out: the six values
        Coin = 'O',       // input: seed; out: multiplier
        Arrow = 'A',      // input: seed; out: squares moved, square reached
        Insert = 'I',     // input: money inserted; out: the total bet just before (not in older records)
        Outside = 'X',    // choice: index into GameRecord::outside
    };
    static constexpr int kMaxOut = 6;
    // A Stop's choice when the reels were stopped again before a frame of their stop had run (two
    // releases of the spin key at once): that draw replaces the one before, for the same stake.
    static constexpr std::int32_t kStopAgain = 1;

    char kind = Stop;
    std::int32_t choice = 0;
    std::uint32_t input = 0;
    std::uint8_t outCount = 0;
    std::array<std::int64_t, kMaxOut> out{};

    void Add(std::int64_t value) {
        if (outCount < kMaxOut) out[outCount++] = value;
    }
    bool operator==(const RecordEvent& o) const;
    bool operator!=(const RecordEvent& o) const { return !(*this == o); }
};

// A line that won or held wilds, as evaluated at the stop.
struct RecordLine {
    std::int32_t line = 0;  // 1..15
    std::int32_t multiplier = 0;
    std::int32_t wilds = 0;
    std::int32_t coin = 0;
    bool operator==(const RecordLine& o) const {
        return line == o.line && multiplier == o.multiplier && wilds == o.wilds && coin == o.coin;
    }
};

// Where the money a game made went. The first three feed stores (helm banks, coin pile) rather
// than the win; the rest add up to what the game returned.
enum class WinSource : std::uint8_t {
    Scatters,
    WildLines,
    CoinLines,
    LinePays,
    Jackpot,
    Chests,
    Barrels,
    CoinGame,
    Risk,
    Voyage,
    Unbooked,  // money no step explains: always 0 unless a path is missed
};
constexpr int kWinSourceCount = 11;
const char* WinSourceName(WinSource s);

using ReelStrips = std::array<std::array<std::int32_t, kDrumPositions>, kReels>;

struct GameRecord {
    // Filled by the journal's keeper, not by the rules.
    std::uint64_t seq = 0;     // lifetime sequence number
    std::int64_t session = 0;  // the statistics box's game number
    std::int64_t startMs = 0;  // wall time, Unix milliseconds
    std::int64_t endMs = 0;
    // What a session's close already booked of this game, which went on past it (a new game
    // while it was in play): the meters take only the rest at the game's own line.
    Money bookedStake = 0;
    Money bookedInserted = 0;
    Money bookedReturned = 0;

    std::int32_t free = 0;  // played on a free spin
    Carried before;
    Money insertedBefore = 0;  // put in since the previous game ended
    Money stake = 0;
    std::vector<RecordEvent> events;
    std::vector<Carried> outside;  // the state after each change made outside the rules
    std::int32_t preset = 0;       // the arrangement came from a script's "reels"
    std::array<std::int32_t, kVisibleCells> presetRows{};
    ReelStrips reels{};
    std::vector<RecordLine> lines;
    std::int32_t scatters = 0;
    Money wildWin = 0;
    std::array<Money, kWinSourceCount> sources{};
    Money capped = 0;          // cut off by the money cap: the sources count it, the credit never got it
    Money returned = 0;        // paid into the credit by the game
    Money insertedDuring = 0;  // put in while it ran
    Carried after;

    void Clear();
};

// ---- The field list ---------------------------------------------------------------------
// A visitor has Num(key, values...), Rare(key, values...) for a field written only when it is
// not 0, Object(key, body) and List(key, vectors..., each) for
// vectors of Carried, plus Event/Line handlers; it is called with one record (writer, parser) or
// two (comparison) in step.

template <class V, class... C>
void VisitCarried(V& v, C&... c) {
    v.Num("credit", c.credit...);
    v.Num("inserted", c.inserted...);
    v.Num("win", c.win...);
    v.Num("jackpot", c.jackpot...);
    v.Num("banks", c.banks...);
    v.Num("helms", c.helms...);
    v.Num("pile", c.pile...);
    v.Num("rounds", c.rounds...);
    v.Num("freeGames", c.freeGames...);
    v.Num("arrow", c.arrow...);
    v.Num("fortune", c.fortune...);
    v.Num("helmLast", c.helmLast...);
    v.Num("forced", c.forced...);
    v.Num("bets", c.bets...);
}

// The part of a record the rules re-derive; seq, session, times and what a close booked are the
// keeper's.
template <class V, class... R>
void VisitGame(V& v, R&... r) {
    v.Num("free", r.free...);
    v.Object("before", [&] { VisitCarried(v, r.before...); });
    v.Num("insertedBefore", r.insertedBefore...);
    v.Num("stake", r.stake...);
    v.Events("events", r.events...);
    v.Carrieds("outside", r.outside...);
    v.Num("preset", r.preset...);
    v.Num("presetRows", r.presetRows...);
    v.Reels("reels", r.reels...);
    v.Lines("lines", r.lines...);
    v.Num("scatters", r.scatters...);
    v.Num("wildWin", r.wildWin...);
    v.Num("sources", r.sources...);
    v.Rare("capped", r.capped...);
    v.Num("returned", r.returned...);
    v.Num("insertedDuring", r.insertedDuring...);
    v.Object("after", [&] { VisitCarried(v, r.after...); });
}

template <class V, class... R>
void VisitRecord(V& v, R&... r) {
    v.Num("seq", r.seq...);
    v.Num("session", r.session...);
    v.Num("start", r.startMs...);
    v.Num("end", r.endMs...);
    v.Rare("bookedStake", r.bookedStake...);
    v.Rare("bookedInserted", r.bookedInserted...);
    v.Rare("bookedReturned", r.bookedReturned...);
    VisitGame(v, r...);
}

}  // namespace vortala
