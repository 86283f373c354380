#pragma once
// The figures of the statistics box: money put in, taken off, won and lost.
#include "game/Money.h"

namespace vortala {

struct Statement {
    Money put = 0;
    Money taken = 0;
    Money won = 0;
    Money lost = 0;
};

// taken is what the box shows as taken off: the credit when the game is closed or renewed, 0
// when the player merely looks.
inline Statement StatementOf(Money inserted, Money credit, Money taken) {
    const Money gain = credit - inserted;
    return {inserted, taken, gain >= 0 ? gain : 0, gain >= 0 ? 0 : -gain};
}

}  // namespace vortala
