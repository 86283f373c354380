// The record's comparisons and names; kept apart from the recorder so that readers of journal
// lines need none of the rules.
#include "GameRecord.h"

namespace vortala {

const char* WinSourceName(WinSource s) {
    static constexpr const char* kNames[kWinSourceCount] = {
        "scatters", "wild lines", "coin lines", "line pays", "jackpot", "chests",
        "barrels",  "coin game",  "risk game",  "voyage",    "unbooked"};
    return kNames[static_cast<int>(s)];
}

bool Carried::operator==(const Carried& o) const {
    return credit == o.credit && inserted == o.inserted && win == o.win && jackpot == o.jackpot &&
           banks == o.banks && helms == o.helms && pile == o.pile && rounds == o.rounds &&
           freeGames == o.freeGames && arrow == o.arrow && fortune == o.fortune && helmLast == o.helmLast &&
           forced == o.forced && bets == o.bets;
}

bool RecordEvent::operator==(const RecordEvent& o) const {
    return kind == o.kind && choice == o.choice && input == o.input && outCount == o.outCount && out == o.out;
}

void GameRecord::Clear() {
    *this = GameRecord{};
}

}  // namespace vortala
