#pragma once
// What the panel shows, as text: the number fields with their leading blanks and the status
// line's message. Pure functions of the state, so the drawing only places and colours them.
#include <string>

#include "game/GameState.h"

namespace vortala::panel {

std::string TwoWide(Money v);     // line bets, free games
std::string MoneyField(Money v);  // credit, total bet, win
std::string PileField(Money v);   // coin pile
std::string BankA(Money v);       // first and second helm banks
std::string BankB(Money v);       // third helm bank
std::string ByLength(Money v);    // jackpot

// The status line for this frame; empty when nothing is shown (the blink's dark phase).
std::string StatusMessage(const GameState& g);

}  // namespace vortala::panel
