#pragma once
// SessionRecords: the one keeper of what a session leaves on disk: its game number, the game
// journal, the stores in the settings file and the statistics log. Every write goes through it,
// always in one order: the journal line on disk first, then the stores, then the log. A kill
// between two writes therefore leaves the journal ahead, never behind, and the next start brings
// the rest up to it: the stores from the journal's last game, the log's interrupted block from
// the same game. The game number is reserved (stored) before anything is written under it; when
// it cannot be, the session keeps neither a log nor a journal and says so. The dialogs only show
// what it holds.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Machine.h"
#include "app/Persistence.h"
#include "app/SettingsSnapshot.h"
#include "app/Statement.h"
#include "records/JournalKeeper.h"
#include "records/LogBook.h"
#include "records/SaveFailures.h"
#include "records/SettingsStore.h"

namespace vortala {

class SessionRecords {
public:
    // What a session's end left to show: its number and its money, the credit taken off.
    struct Closing {
        int gameNumber = 0;
        Statement money;
    };

    // machine is null when the game could not start: only the number and the log are kept then.
    // outerSize gives the window's size for the stores.
    SessionRecords(SettingsStore& store, std::string logPath, std::string journalPath, Machine* machine,
                   std::function<WindowSize()> outerSize);
    // A session still open is closed as the window's close closes it.
    ~SessionRecords();
    SessionRecords(const SessionRecords&) = delete;
    SessionRecords& operator=(const SessionRecords&) = delete;

    // A game of the player has ended (once per game): its journal line, the stores it changed,
    // the log's session record.
    void GameEnded();
    // The window closes (the player's close or an end signal): the game in play is given up and
    // the credit taken off. Once only; nothing is recorded after it.
    void Close();
    // The exit question's new game: this session's credit is taken off and a new one begins,
    // with its own number; the money in play stays.
    void StartNewGame();

    int GameNumber() const { return number_; }
    // The number is reserved: this session's log block and journal lines are written.
    bool Recording() const { return recording_; }
    bool Closed() const { return closed_; }
    // The money of the session as it goes (nothing taken off).
    Statement Current() const;
    // What the last close or new game took off.
    const Closing& LastClosing() const { return closing_; }

    SaveFailures& Failures() { return failures_; }
    SettingsStore& Store() { return store_; }
    // Null when the game could not start.
    JournalKeeper* Journal() { return journal_.get(); }
    const StatLog& Log() const { return log_.Log(); }

private:
    bool ReserveGameNumber();
    void CatchUpStores();
    void WriteStores(bool force);
    void Save(std::string_view what);
    void TakeOff();
    SettingsSnapshot ValuesToStore() const;

    SettingsStore& store_;
    Machine* machine_;
    std::function<WindowSize()> outerSize_;
    SaveFailures failures_;
    std::unique_ptr<JournalKeeper> journal_;
    LogBook log_;
    SettingsSnapshot stored_;  // the values the close stores, as last stored
    Closing closing_;
    int number_ = 0;
    bool recording_ = false;
    bool closed_ = false;
};

}  // namespace vortala
