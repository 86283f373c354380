#pragma once
// The simulator's journal: with `rtp --journal FILE`, the player of each block writes every game
// it plays to FILE.part<block> (its machine numbered block + 1 as the record's session), and the
// parts are joined into FILE in block order once the run ends, each game numbered by its place.
#include <cstdint>
#include <cstdio>
#include <string>

#include "game/GameRecorder.h"

namespace vortala::sim {

std::string JournalPartPath(const std::string& journal, std::uint64_t block);

class JournalSink {
public:
    JournalSink(const std::string& journal, std::uint64_t block);
    ~JournalSink();
    JournalSink(const JournalSink&) = delete;
    JournalSink& operator=(const JournalSink&) = delete;

    GameRecorder& Recorder() { return recorder_; }
    // Writes the game the recorder has finished, if it has.
    void GameEnded();

private:
    std::FILE* file_;
    GameRecorder recorder_;
    std::uint64_t seq_ = 0;
    std::int64_t machine_;
};

// Creates (or empties) the journal file; false with the reason when it cannot be written.
bool StartJournal(const std::string& journal, std::string& error);
// Joins the parts of blocks first..end-1 into the journal and removes them; returns the games
// written.
bool FinishJournal(const std::string& journal, std::uint64_t firstBlock, std::uint64_t endBlock,
                   std::uint64_t& games, std::string& error);

}  // namespace vortala::sim
