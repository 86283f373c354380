#include "PanelText.h"

namespace vortala::panel {

namespace {

std::string Pad(int blanks, Money v) {
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::to_string(v);
}

}  // namespace

std::string TwoWide(Money v) {
    return v < 10 ? Pad(1, v) : std::to_string(v);
}

std::string MoneyField(Money v) {
    if (v >= 1000 && v < 1000000) return Pad(1, v);
    if (v >= 10 && v < 1000) return Pad(2, v);
    if (v < 10) return Pad(3, v);
    return std::to_string(v);
}

std::string PileField(Money v) {
    if (v >= 10 && v < 9999) return Pad(1, v);
    if (v < 10) return Pad(2, v);
    return std::to_string(v);
}

std::string BankA(Money v) {
    if (v >= 10 && v < 9999) return Pad(2, v);
    if (v < 10) return Pad(3, v);
    return std::to_string(v);
}

std::string BankB(Money v) {
    if (v >= 1000 && v < 9999) return Pad(1, v);
    if (v >= 10 && v < 1000) return Pad(2, v);
    if (v < 10) return Pad(3, v);
    return std::to_string(v);
}

std::string ByLength(Money v) {
    const std::size_t n = std::to_string(v).size();
    const int blanks = n == 1 ? 4 : n <= 3 ? 3 : n <= 5 ? 2 : n == 6 ? 1 : 0;
    return Pad(blanks, v);
}

std::string StatusMessage(const GameState& g) {
    std::string m;
    if (g.TotalBet > g.Credit || g.Credit == 0)
        m = g.StatusBlinkPhase == 3 ? "" : "        SET TO CREDIT!       ";
    if (g.Credit > 0 && g.TotalBet == 0) m = "  RATE YOUR BETS, GENTLEMEN! ";
    if (g.ReelsSpinning) m = "         GOOD LUCK!          ";
    if (g.RiskScreen) m = "         WHAT COLOUR ?       ";
    if (g.FreeGameScreen) m = "        CHOOSE ONE SHIP      ";
    if (g.ChestScreen) m = "  CHOOSE ONE TREASURE BOX    ";
    if (g.SuperBonusScreen) m = "       CLICK ON COMPASS      ";
    if (g.CoinScreen) m = "     PRESS SPACE TO SPIN     ";
    if (g.SuperBonusScreen && g.ShipSunk) m = "  THE SHIP HAS BEEN SINKED!  ";
    if (g.SuperBonusScreen && g.ShipSquare == 16) m = " WOW! HOW DID YOU DO THAT !? ";
    if (g.CreditsShown) m = " VORTALA BY THE ORVEXA CREW   ";
    return m;
}

}  // namespace vortala::panel
