#pragma once
// JournalBook: the journal's bookkeeping, without files. It numbers each game, keeps the lifetime
// meters that every line carries, and writes the lines; AuditJournal reads a journal's text back
// and checks that it holds together: each line's meters follow from the line before it, each game
// starts with the credit the last one left, and the meters balance against the last credit.
// Nothing it finds is corrected: the book goes on from the last valid line as it stands.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/JournalLine.h"

namespace vortala {

struct JournalAudit {
    std::vector<GameRecord> games;  // every valid game, in file order
    std::uint64_t lines = 0;
    std::uint64_t damaged = 0;
    std::vector<std::string> damage;    // the first few damaged lines: number and reason
    std::vector<std::string> findings;  // what does not hold together
    bool found = false;                 // a valid line carrying meters was found
    Meters meters;                      // as the last valid line carries them
    std::uint64_t lastSeq = 0;
    Money credit = 0;            // the running session's credit at the last valid line
    bool endsInSession = false;  // the last valid line is a game: its session never closed
};

JournalAudit AuditJournal(std::string_view text);

class JournalBook {
public:
    // Goes on from what the journal holds.
    void Resume(const JournalAudit& audit);

    // Numbers the game, adds it to the meters and returns its line.
    std::string AddGame(GameRecord& game, std::int64_t session);
    // Books a session's end and returns its line.
    std::string Close(JournalClose close);

    const Meters& meters() const { return meters_; }
    std::uint64_t LastSeq() const { return seq_; }

private:
    Meters meters_;
    std::uint64_t seq_ = 0;
};

}  // namespace vortala
