#pragma once
// LogBook: the statistics log's file, stat.log, block by block. A session's opening block is
// written when it starts, its closing block when it ends; each block is appended and flushed as
// it is made, so the file is never rewritten from what was read and a crash loses no earlier
// block. While a block is open, a session record beside the log (stat.session) holds the money
// of the session's last finished game, so that the next start can close the block of a session
// that never closed its own. Only a regular file is read or written, at most its last megabyte.
#include <ctime>
#include <optional>
#include <string>

#include "app/SessionRecord.h"
#include "app/StatLog.h"
#include "records/SaveFailures.h"

namespace vortala {

class LogBook {
public:
    LogBook(std::string filePath, SaveFailures& failures);

    // The block a session that never closed left open, closed with `last` (the money of its last
    // finished game, from the journal) or else with what its session record holds.
    void CloseInterrupted(const std::optional<SessionRecord>& last);
    // The opening block; inserted and credit are the session's money as it opens.
    void Open(int gameNumber, Money inserted, Money credit);
    // The closing block; inserted is the session's money put in, credit what is taken off.
    void Close(Money inserted, Money credit);
    // A game has ended: the session record takes its money.
    void GameEnded(Money inserted, Money credit);
    // A line of its own, written at once like a block.
    void Note(std::string line);

    bool IsOpen() const { return open_; }
    const StatLog& Log() const { return log_; }
    // The session record kept beside the log at logPath.
    static std::string SessionRecordPath(const std::string& logPath);

private:
    bool Write(const std::string& block);
    void WriteRecord(Money inserted, Money credit);

    std::string path_;
    std::string recordPath_;
    SaveFailures& failures_;
    StatLog log_;
    bool open_ = false;      // a block is open
    bool recorded_ = false;  // its opening reached the file, so the session record stands for it
};

}  // namespace vortala
