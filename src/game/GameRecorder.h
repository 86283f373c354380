#pragma once
// GameRecorder: writes each game of one machine into a GameRecord by watching the state, never by
// changing a rule. Whoever drives the rules (the machine, the simulator's player, the re-play)
// calls Before and After around each step: an input event, a timer, a frame, or one rule call.
// Comparing the two tells what the step did: a game began, the reels were drawn from the seed
// seen before it, a card was dealt from the entropy Entropy() reported, a chest was picked, money
// moved. A step that is not the rules' (a typed test code) is passed with outside = true, and any
// change between steps counts as outside too: both are kept as the state they left.
//
// One step may hold at most one draw of each kind, which every driver guarantees: the machine's
// input events carry one key each, and the frames that draw between them only move the seed.
#include <cstdint>
#include <functional>

#include "GameRecord.h"
#include "GameState.h"
#include "Rules.h"

namespace vortala {

// The machine's carried state as the journal keeps it (helms at the position they turn to).
Carried CarriedOf(const GameState& g);
// Puts a carried state into the game: money, stores, helms (standing), arrow, settings, bets.
void ApplyCarried(const Carried& c, GameState& g);
// The values kept between runs, as a carried state holds them.
StoredStores StoresOf(const Carried& c);

class GameRecorder {
public:
    // Wall time for the record's start and end; none (times stay 0) where no clock is given.
    void SetClock(std::function<std::int64_t()> unixMs) { clock_ = std::move(unixMs); }

    // Watching begins from this state: money put in after it counts, before it does not.
    void Start(const GameState& g);
    void Before(const GameState& g);
    void After(const GameState& g, bool outside = false);
    // Every value handed to Randomize, as the host serves it.
    void Entropy(std::uint32_t value) { entropy_ = value; }

    bool InGame() const { return inGame_; }
    // Off: a note put in during a game is recorded without the total bet before it, as in records
    // written before that was kept (for their re-play).
    void NoteBetsAtInserts(bool note) { betsAtInserts_ = note; }
    // The record as it stands (the game in play, or the last one).
    const GameRecord& Record() const { return record_; }
    // A game's money that no line has booked yet: its stake, what was put in before it began
    // (since the last game) and during it, and what it already paid into the credit (a win
    // taken before a further bonus).
    struct Unbooked {
        Money stake = 0;
        Money inserted = 0;
        Money returned = 0;
    };
    // The game in play goes on past a session's close, which books what it has taken and been
    // given so far; its own line then books only the rest. Nothing when none is in play.
    Unbooked BookInPlay();
    // The game in play is given up (its window closed before it ended): what no close booked of
    // it. Nothing when none is in play.
    Unbooked Abandon() {
        const Unbooked given = BookInPlay();
        inGame_ = false;
        return given;
    }
    // Money put in since the last game ended, which no record holds yet; counting starts anew.
    Money TakeInsertedSinceGame() {
        const Money m = insertedSinceGame_;
        insertedSinceGame_ = 0;
        return m;
    }
    // A game has ended since the last Take: After saw it settle.
    bool Finished() const { return finished_; }
    // The finished game's record, for its owner to number and keep; the next game starts anew.
    GameRecord& Take() {
        finished_ = false;
        return record_;
    }

private:
    struct Snapshot {
        Carried carried;
        Money capped = 0;
        std::uint32_t seed = 0;
        std::uint64_t arrangements = 0;
        std::uint8_t awaiting = 0, spinning = 0, riskStep = 0, riskScreen = 0, barrelScreen = 0,
                     coinScreen = 0, chestScreen = 0, voyageScreen = 0, barrelOpened = 0, chestPicked = 0,
                     freePicked = 0, coinThrown = 0, arrowSpinning = 0, shipSquare = 0;
    };
    static Snapshot SnapshotOf(const GameState& g);
    std::int64_t Now() const { return clock_ ? clock_() : 0; }
    void Begin(const Snapshot& b, const Snapshot& now);
    void NoteOutside(const Snapshot& from, const Snapshot& to);
    void NoteDraws(const Snapshot& b, const GameState& g);
    void NoteMoney(const Snapshot& b, const Snapshot& now, bool collected);
    void NoteStop(const Snapshot& b, const GameState& g);

    std::function<std::int64_t()> clock_;
    GameRecord record_;
    Snapshot before_, last_;
    bool haveLast_ = false;
    bool inGame_ = false;
    bool spunSinceDraw_ = false;  // a spin started since the game's last draw
    bool betsAtInserts_ = true;
    bool finished_ = false;
    std::uint32_t entropy_ = 0;
    Money insertedSinceGame_ = 0;
};

}  // namespace vortala
