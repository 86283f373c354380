// The fast path's own bookkeeping: every returned coin booked to a source,
// free spins free, and the stake handed back after the credit ran out.
#include <gtest/gtest.h>

#include "FastPlayer.h"

namespace vortala::sim::test {
namespace {

RtpTally Play(const RtpOptions& o, int games) {
    RtpTally t;
    FastPlayer player(o, 0);
    for (int i = 0; i < games; ++i) {
        player.PlayGame(t);
        EXPECT_FALSE(player.TimersPending()) << "game " << i << " left a timer running";
        EXPECT_EQ(player.State().Win, 0) << "game " << i << " left a win unpaid";
    }
    return t;
}

void ExpectBooksBalance(const RtpTally& t) {
    WideSum booked = 0;
    for (WideSum m : t.bySource) booked += m;
    EXPECT_EQ(booked, t.returned);
    EXPECT_EQ(t.bySource[static_cast<int>(Source::Unbooked)], 0);
    EXPECT_EQ(t.stuckGames, 0u);
    const int jackpot = static_cast<int>(Store::Jackpot);
    EXPECT_EQ(t.jackpotKept, t.fed[jackpot] - t.paidOut[jackpot]);
}

TEST(FastPlayer, EveryPathBooksWhatItReturns) {
    RtpOptions plain;
    RtpOptions ladders;  // every card won: ladders, voyages and the third helm's barrels
    ladders.fortuneRisk = 100;
    ladders.gamble = 7;
    RtpOptions losing;  // every card lost, the unluckiest bonuses
    losing.fortuneRisk = -100;
    losing.fortuneBonus = -100;
    losing.gamble = 3;
    for (const RtpOptions* o : {&plain, &ladders, &losing}) {
        const RtpTally t = Play(*o, 10000);
        ExpectBooksBalance(t);
        EXPECT_GT(t.bonuses[static_cast<int>(Bonus::Barrels)], 0u);
        EXPECT_GT(t.bonuses[static_cast<int>(Bonus::Voyage)], 0u);
    }
    const RtpTally won = Play(ladders, 10000);
    EXPECT_GT(won.bonuses[static_cast<int>(Bonus::RiskLadder)], 0u);
    EXPECT_GT(won.fed[static_cast<int>(Store::LadderBank)], 0);
    EXPECT_GT(won.paidOut[static_cast<int>(Store::LadderBank)], 0);
    const RtpTally lost = Play(losing, 10000);
    EXPECT_LT(lost.bySource[static_cast<int>(Source::RiskGame)], 0);
}

// Every card won and every bonus at its best drive the credit to the cap of 2^60 within a few
// hundred games; from then on each game books far beyond what 64 bits can sum.
TEST(FastPlayer, GamesAtTheMoneyCapBookWhatTheCapCutOff) {
    RtpOptions o;
    o.fortuneSpin = o.fortuneRisk = o.fortuneBonus = 100;
    o.gamble = 7;
    const RtpTally t = Play(o, 3000);
    ExpectBooksBalance(t);
    EXPECT_LT(t.bySource[static_cast<int>(Source::MoneyCap)], 0);
    EXPECT_GT(t.outsideSpread, 0u) << "the games at the cap are too large for the interval's sums";
}

TEST(FastPlayer, StakesOnlyPaidSpinsAndRefillsTheCredit) {
    RtpOptions o;
    o.betPerLine = 7;
    const RtpTally t = Play(o, 5000);
    EXPECT_EQ(t.staked, static_cast<Money>(t.games - t.freeSpins) * 7 * 15);
    EXPECT_GT(t.freeSpins, 0u);
    // Money is conserved: inserted + returned - staked is what the credit holds now.
    FastPlayer player(o, 0);
    RtpTally again;
    for (int i = 0; i < 5000; ++i) player.PlayGame(again);
    EXPECT_EQ(again.inserted + again.returned - again.staked, player.State().Credit);
    EXPECT_GE(player.State().Credit, 0);
}

}  // namespace
}  // namespace vortala::sim::test
