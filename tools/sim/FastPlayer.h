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
#include <memory>

#include "FastHost.h"
#include "RtpBlocks.h"
#include "RtpOptions.h"
#include "RtpTally.h"
#include "SimJournal.h"
#include "game/GameRecorder.h"
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
    // Records every game from now on (null: none), around each rule call as the machine would.
    void SetRecorder(GameRecorder* recorder) {
        recorder_ = recorder;
        host_.SetRecorder(recorder);
        if (recorder_) recorder_->Start(g_);
    }
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
    // One rule step, watched by the recorder when there is one.
    template <typename Step>
    void Rule(Step&& step) {
        if (recorder_) recorder_->Before(g_);
        step();
        if (recorder_) recorder_->After(g_);
    }

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
    GameRecorder* recorder_ = nullptr;
    std::unique_ptr<JournalSink> journal_;  // with --journal: this thread's part of the file
    int betPerLine_;
    int gamble_;
    bool freeSpin_ = false;
    WideSum booked_ = 0;  // beyond 64 bits in a game the cap cuts again and again
};

}  // namespace vortala::sim
