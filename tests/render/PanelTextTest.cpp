// Panel number fields and the status line's choice of message.
#include <gtest/gtest.h>

#include "render/PanelText.h"

namespace vortala::panel {
namespace {

TEST(PanelFields, LeadingBlanksByValue) {
    EXPECT_EQ(TwoWide(7), " 7");
    EXPECT_EQ(TwoWide(12), "12");
    EXPECT_EQ(MoneyField(5), "   5");
    EXPECT_EQ(MoneyField(250), "  250");
    EXPECT_EQ(MoneyField(12000), " 12000");
    EXPECT_EQ(MoneyField(1234567), "1234567");
    EXPECT_EQ(ByLength(7), "    7");
    EXPECT_EQ(ByLength(123456), " 123456");
    EXPECT_EQ(ByLength(1234567), "1234567");
    EXPECT_EQ(PileField(5), "  5");
    EXPECT_EQ(PileField(9999), "9999");
    EXPECT_EQ(BankA(500), "  500");
    EXPECT_EQ(BankB(5000), " 5000");
    EXPECT_EQ(MoneyField(48'000'000'000), "48000000000");  // a win through every doubling
}

TEST(StatusLine, LastApplicableRuleWins) {
    GameState g;
    EXPECT_EQ(StatusMessage(g), "        SET TO CREDIT!       ");
    g.StatusBlinkPhase = 3;
    EXPECT_EQ(StatusMessage(g), "");  // the blink's dark phase
    g.Credit = 100;
    EXPECT_EQ(StatusMessage(g), "  RATE YOUR BETS, GENTLEMEN! ");
    g.TotalBet = 150;
    g.StatusBlinkPhase = 0;
    EXPECT_EQ(StatusMessage(g), "        SET TO CREDIT!       ");
    g.ReelsSpinning = 1;
    EXPECT_EQ(StatusMessage(g), "         GOOD LUCK!          ");
    g.SuperBonusScreen = 1;
    g.ShipSunk = 1;
    EXPECT_EQ(StatusMessage(g), "  THE SHIP HAS BEEN SINKED!  ");
    g.ShipSquare = 16;
    EXPECT_EQ(StatusMessage(g), " WOW! HOW DID YOU DO THAT !? ");
    for (const char* m : {"        SET TO CREDIT!       ", "  RATE YOUR BETS, GENTLEMEN! "})
        EXPECT_EQ(std::string(m).size(), 29u);
}

}  // namespace
}  // namespace vortala::panel
