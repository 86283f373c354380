#pragma once
// The main window's twelve component timers and their intervals.
#include <cstdint>

#include "game/GameHost.h"

namespace vortala {

enum class TimerId : std::uint8_t {
    TiPaint,
    Tijoker,
    Tilinviev,
    TiRBsbros,
    TiADDsbros,
    TiSUNpause,
    TiSUNsbros,
    TiArrCheck,
    TiSBonStep,
    TiBrigDead,
    TiCoinRB,
    TiBarrSbros,
};
constexpr int kTimerCount = 12;

constexpr TimerId TimerOf(PhaseTimer t) {
    return static_cast<TimerId>(static_cast<int>(t) + 2);
}

constexpr int DefaultInterval(TimerId t) {
    if (t == TimerId::TiPaint) return 30;
    if (t == TimerId::Tijoker) return 100;
    return PhaseTimerInterval(static_cast<PhaseTimer>(static_cast<int>(t) - 2));
}

const char* TimerName(TimerId t);

}  // namespace vortala
