#include "app/JournalMeters.h"

#include <algorithm>

namespace vortala {

const char* MeterBonusName(MeterBonus b) {
    static constexpr const char* kNames[kMeterBonusCount] = {
        "barrel bonus", "chests",          "free games", "coin game",
        "risk game",    "risk ladder won", "voyage",     "five wilds (jackpot)"};
    return kNames[static_cast<int>(b)];
}

bool Meters::operator==(const Meters& o) const {
    return games == o.games && freeGames == o.freeGames && hits == o.hits && staked == o.staked &&
           returned == o.returned && inserted == o.inserted && taken == o.taken && unclosed == o.unclosed &&
           largest == o.largest && bonuses == o.bonuses;
}

void Meters::AddGame(const GameRecord& game) {
    ++games;
    freeGames += game.free != 0;
    // Saturating, as all money is: a capped sum never wraps into a negative meter. What a close
    // already booked of the game (it went on past a new game) is not counted twice.
    staked = AddMoney(staked, game.stake - game.bookedStake);
    returned = AddMoney(returned, game.returned - game.bookedReturned);
    inserted = AddMoney(inserted, AddMoney(game.insertedBefore, game.insertedDuring) - game.bookedInserted);
    largest = std::max(largest, game.returned);
    auto count = [this](MeterBonus b) { ++bonuses[static_cast<int>(b)]; };
    // A risk game or voyage is one unbroken run of its steps; a ladder is won by seven right cards.
    char previous = 0;
    int cardsRight = 0;
    for (const RecordEvent& e : game.events) {
        const bool risk = e.kind == RecordEvent::Guess || e.kind == RecordEvent::Take;
        const bool wasRisk = previous == RecordEvent::Guess || previous == RecordEvent::Take;
        if (risk && !wasRisk) count(MeterBonus::RiskGame), cardsRight = 0;
        if (e.kind == RecordEvent::Arrow && previous != RecordEvent::Arrow) count(MeterBonus::Voyage);
        if (e.kind == RecordEvent::Guess && e.outCount > 0 && e.out[0] == e.choice && ++cardsRight == 7)
            count(MeterBonus::RiskLadder);
        if (e.kind == RecordEvent::Stop && e.outCount > 0 && e.out[0]) ++hits;
        if (e.kind == RecordEvent::Barrel) count(MeterBonus::Barrels);
        if (e.kind == RecordEvent::Chest) count(MeterBonus::Chests);
        if (e.kind == RecordEvent::FreeGames) count(MeterBonus::FreeGames);
        if (e.kind == RecordEvent::Coin) count(MeterBonus::CoinGame);
        if (e.kind != RecordEvent::Insert && e.kind != RecordEvent::Outside) previous = e.kind;
    }
    for (const RecordLine& l : game.lines)
        if (l.multiplier == kFiveWildsMultiplier) count(MeterBonus::Jackpot);
}

}  // namespace vortala
