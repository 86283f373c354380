#pragma once
// Re-playing a recorded game: a fresh state takes the record's carried state, then the rules run
// in the order the machine runs them, with each draw's seed, each Randomize's entropy and each
// choice taken from the record, and a GameRecorder writes down what they give. Steps that need no
// player (cards turning, the coin spinning, the arrow, the ship, the end routines) run as soon as
// the next recorded step needs their screen, as on the machine, where they run on frames and
// timers while the player waits.
#include <string>

#include "GameRecord.h"

namespace vortala {

// Plays `recorded` again; `derived` receives what the rules gave, with the keeper's fields (seq,
// session, times, money inserted between games) copied over. False when the game did not end,
// or when the record holds a state no machine can be in (then nothing is played: such values,
// from a damaged or forged file, must never reach the rules).
bool ReplayGame(const GameRecord& recorded, GameRecord& derived);
bool PossibleRecord(const GameRecord& record);

// The first field in which two records differ, as a path ("after.credit", "events[2]") with
// both values written as the journal writes them.
struct RecordDifference {
    std::string field;
    std::string recorded;
    std::string derived;
};
// False when the records are equal.
bool FirstDifference(const GameRecord& recorded, const GameRecord& derived, RecordDifference& difference);

}  // namespace vortala
