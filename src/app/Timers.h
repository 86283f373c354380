#pragma once
// The main window's twelve timers: the paint tick, the wild animation, then one per phase timer
// of the rules, in the rules' order.
#include <cstdint>

#include "game/GameHost.h"

namespace vortala {

constexpr int kMachineTimerCount = 2;  // the timers that are the machine's own, not the rules'

constexpr std::uint8_t PhaseSlot(PhaseTimer t) {
    return static_cast<std::uint8_t>(kMachineTimerCount + static_cast<int>(t));
}

enum class TimerId : std::uint8_t {
    Paint,
    WildAnimation,
    LineShow = PhaseSlot(PhaseTimer::LineShow),
    RiskEnd = PhaseSlot(PhaseTimer::RiskEnd),
    FreeGamesEnd = PhaseSlot(PhaseTimer::FreeGamesEnd),
    ChestsPause = PhaseSlot(PhaseTimer::ChestsPause),
    ChestsEnd = PhaseSlot(PhaseTimer::ChestsEnd),
    ArrowCheck = PhaseSlot(PhaseTimer::ArrowCheck),
    ShipStep = PhaseSlot(PhaseTimer::ShipStep),
    VoyageEnd = PhaseSlot(PhaseTimer::VoyageEnd),
    CoinGameEnd = PhaseSlot(PhaseTimer::CoinGameEnd),
    BarrelsEnd = PhaseSlot(PhaseTimer::BarrelsEnd),
};
constexpr int kTimerCount = kMachineTimerCount + kPhaseTimerCount;

constexpr TimerId TimerOf(PhaseTimer t) {
    return static_cast<TimerId>(PhaseSlot(t));
}

constexpr int DefaultInterval(TimerId t) {
    if (t == TimerId::Paint) return 30;
    if (t == TimerId::WildAnimation) return 100;
    return PhaseTimerInterval(static_cast<PhaseTimer>(static_cast<int>(t) - kMachineTimerCount));
}

}  // namespace vortala
