#pragma once
// The sound cues the game plays, each named for its moment; CueName gives the sound's resource
// name, which is also what scripts and the sound files use.
#include <cstdint>
#include <string_view>

namespace vortala {

enum class Cue : std::uint8_t {
    FreeGamesScreen,  // the free-games pick screen opens
    FreeGamesAwarded,
    ReelsRunning,  // loops while the reels run at full speed
    SpinStart,
    ReelStop,       // a reel stops; also the coin throw and the arrow spin
    ReelsWindBack,  // the reels wind back before a spin
    PowderBarrel,
    EmptyBarrel,
    FullBarrel,
    Bet,
    Blast,  // space on a target or on no barrel
    ShipMove,
    ButtonClick,
    Card,
    Credit,
    Exit,
    Jackpot,
    PlainWin,
    BonusDue,  // the coin game becomes due; free games or chests are triggered
    BigWin,    // scatters or a wild line collected; the seventh risk card won
    BetsCut,   // the bets are cut down to the credit
    RiskLost,  // also the coin landing on x0
    RiskWon,
    VoyageStart,
    ShipSunk,
    ShipSafe,     // a safe square or the goal
    ChestsMusic,  // loops while the chests wait for a pick
    ChestGold,
    ChestsEmpty,
    TakeWin,
};

constexpr std::string_view CueName(Cue cue) {
    constexpr std::string_view kNames[] = {
        "add",       "addgam",   "barab",   "barab_start",  "barab_stop",  "barab_up", "barrcr", "barroff",
        "barron",    "bet",      "blast",   "brig_move",    "butt_click",  "card",     "credit", "exit",
        "jpot",      "komb1",    "komb2",   "komb3",        "nocred",      "rbno",     "rbyes",  "sbon",
        "sbon_dead", "sbon_win", "sun_fon", "sunfull_open", "sunnul_open", "take_win"};
    static_assert(sizeof(kNames) / sizeof(kNames[0]) == static_cast<int>(Cue::TakeWin) + 1,
                  "every cue has its resource name");
    return kNames[static_cast<int>(cue)];
}

}  // namespace vortala
