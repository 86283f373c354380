#pragma once
// JournalKeeper: the window game's journal, $XDG_DATA_HOME/Orvexa/Vortala/games.jsonl. At start it
// reads what the file holds (at most its last 16 MiB, a regular file only), checks it and goes on
// from its last valid line; once writing is allowed, a session the program left without closing
// is booked as such and reported. Each game is recorded as the machine plays it and handed to the
// writer thread when the game ends; the file keeps the last 1000 games, trimmed by an atomic
// rewrite every hundred games beyond them. While writing is not allowed (the session's number
// could not be reserved) the games are recorded and dropped. A file that cannot be read or
// written never stops the game: the keeper then only says so.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/JournalBook.h"
#include "app/Machine.h"
#include "platform/JournalFile.h"

namespace vortala {

class JournalKeeper {
public:
    static constexpr std::size_t kKeptGames = 1000;
    static constexpr std::size_t kReadCap = 16u << 20;

    // Reads the file; writes nothing until AllowWriting.
    JournalKeeper(std::string path, Machine& machine);
    ~JournalKeeper();

    // Lets the keeper write from now on (or stops it); the first time, an unclosed session left
    // by the last run is booked.
    void AllowWriting(bool allowed);
    // Writes the game that just ended; session is the statistics box's game number. False when
    // no game had ended or writing is not allowed.
    bool GameEnded(std::int64_t session);
    // The session ends and its credit is taken off (a new game, or the window closing; closing
    // gives up a game still in play).
    void CloseSession(std::int64_t session, Money credit, bool windowClosing);
    // Waits until what is queued is on disk.
    void Drain();

    // The kept games, oldest first.
    const std::deque<GameRecord>& Games() const { return games_; }
    const Meters& CurrentMeters() const { return book_.meters(); }
    // The number of the last game booked.
    std::uint64_t LastSeq() const { return book_.LastSeq(); }
    // The carried state the game in play started from; null when none is in play.
    const Carried* GameInPlayStart() const {
        return recorder_.InGame() ? &recorder_.Record().before : nullptr;
    }
    // The credit the last line left: the meters balance when they give it.
    Money LastCredit() const { return lastCredit_; }
    // What the start-up check found and what went wrong since, for the log and the recall window.
    std::vector<std::string> Notes() const;
    // True when the start-up check found the meters out of balance or the file damaged.
    bool Troubled() const { return !findings_.empty(); }
    // The last valid line as read at start when it was a game (its session never closed).
    const GameRecord* OpenSessionsLastGame() const { return openAtStart_ ? &lastAtStart_ : nullptr; }
    // The last game and session numbers the file held at start.
    std::uint64_t LastSeqAtStart() const { return lastSeqAtStart_; }
    std::int64_t LastSessionAtStart() const { return lastSessionAtStart_; }
    // Why the journal's file could not be read or written, or "".
    const std::string& FileProblem() const { return fileProblem_; }
    const std::string& Path() const { return path_; }

private:
    void Keep(std::string line, bool game);
    void Write(std::string line, bool game);
    void BookUnclosedSession();

    std::string path_;
    Machine& machine_;
    GameRecorder recorder_;
    JournalBook book_;
    std::deque<GameRecord> games_;
    std::deque<std::pair<std::string, bool>> lines_;  // the file's lines; true for a game
    std::size_t gameLines_ = 0;
    Money lastCredit_ = 0;
    std::vector<std::string> findings_;
    std::vector<std::string> notes_;
    std::string fileProblem_;
    std::unique_ptr<JournalWriter> writer_;  // null when the file cannot be used or not yet written
    bool writing_ = false;
    bool unclosedBooked_ = false;
    Money unclosedCredit_ = 0;  // credit the last run left without closing, booked once
    bool openAtStart_ = false;
    GameRecord lastAtStart_;
    std::uint64_t lastSeqAtStart_ = 0;
    std::int64_t lastSessionAtStart_ = 0;
};

}  // namespace vortala
