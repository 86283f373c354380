#pragma once
// FastPlayer: the automatic player of `vortala-sim rtp`. It plays whole games by calling the rule
// operations in the order the machine's keys, frames and timers call them, with no time between:
// the reel start and stop sequence run as bare state steps, each bonus's pick and end routine
// run as soon as the host reports its timer started, and the coin, arrow and helms are stepped
// until they stand.
//
// Left out: the blurred reels' jitter and the torches' flicker, which on the machine draw from
// the game's generator on every frame. They change which arrangement comes next, not the odds
// of any, so the figures are the machine's; the exact sequence of games is not.
#include <cstdint>

#include "FastHost.h"
#include "RtpBlocks.h"
#include "RtpOptions.h"
#include "RtpTally.h"
#include "game/Rules.h"

namespace vortala::sim {

// Before a paid game, as a player would: insert notes (InsertCredit) while the credit cannot pay
// betPerLine on every line, and set every line bet back to betPerLine if the machine lowered it.
// Nothing during free spins, which cost nothing and must not be forfeited by a bet change.
// Returns the money inserted.
Money ReadyStake(GameState& g, GameHost& host, int betPerLine);

class FastPlayer {
public:
    // Plays the games of one block of the run (RtpBlocks.h) from a fresh machine: each game's
    // seed, the entropy and the player's choices are streams of (options.seed, block).
    FastPlayer(const RtpOptions& options, std::uint64_t block);

    void PlayGame(RtpTally& tally);
    const GameState& State() const { return g_; }
    bool TimersPending() const { return host_.AnyRunning(); }

private:
    // Runs a rule step and returns the money it created: the change of Win plus what it paid
    // into the credit (a take or a voyage's pay-out moves money and creates none).
    template <typename Step>
    Money Run(Step&& step) {
        const Money win = g_.Win, credit = g_.Credit;
        step();
        return (g_.Win - win) + (g_.Credit - credit);
    }
    void Book(Source source, Money amount);

    void CollectResult();
    bool PlayScreens();  // false when a screen would not end
    void PlayBarrels();
    void PlayCoinGame();
    void PlayRisk();
    void PlayFreeGamePick();
    void PlayChests();
    void PlayVoyage();
    void FinishHelms();

    GameState g_;
    FastHost host_;
    PlayerRandom spins_;
    PlayerRandom choices_;
    std::uint64_t nextGame_;
    RtpTally* tally_ = nullptr;
    int betPerLine_;
    int gamble_;
    bool freeSpin_ = false;
    Money booked_ = 0;
};

}  // namespace vortala::sim
