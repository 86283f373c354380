#include "records/SessionRecords.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "game/GameRecorder.h"

namespace vortala {

SessionRecords::SessionRecords(SettingsStore& store, std::string logPath, std::string journalPath,
                               Machine* machine, std::function<WindowSize()> outerSize)
    : store_(store),
      machine_(machine),
      outerSize_(std::move(outerSize)),
      log_(std::move(logPath), failures_) {
    if (machine_) {
        failures_.HoldUntilShown();  // the game's window is coming up: the message goes over it
        journal_ = std::make_unique<JournalKeeper>(std::move(journalPath), *machine_);
    }
    number_ = StartingGameNumber(store_);
    // A number the journal has seen is never handed out again, whatever the settings file says.
    if (journal_ && journal_->LastSessionAtStart() >= number_)
        number_ =
            NextGameNumber(static_cast<int>(std::min<std::int64_t>(journal_->LastSessionAtStart(), INT_MAX)));
    recording_ = ReserveGameNumber();
    if (journal_) {
        CatchUpStores();
        stored_ = ValuesToStore();
        journal_->AllowWriting(recording_);
        journal_->Drain();
    }
    if (recording_) {
        std::optional<SessionRecord> last;
        if (const GameRecord* game = journal_ ? journal_->OpenSessionsLastGame() : nullptr)
            last = SessionRecord{game->after.inserted, game->after.credit, game->endMs / 1000};
        log_.CloseInterrupted(last);
        const GameState* g = machine_ ? &machine_->State() : nullptr;
        log_.Open(number_, g ? g->CreditInserted : 0, g ? g->Credit : 0);
    }
    if (!journal_) return;
    // What the journal's check found goes to the log and to standard error.
    for (const std::string& note : journal_->Notes()) {
        if (recording_) log_.Note("Game journal: " + note);
        std::fprintf(stderr, "vortala: game journal: %s\n", note.c_str());
    }
    if (!journal_->FileProblem().empty())
        failures_.Report("the game journal", journal_->Path(), journal_->FileProblem());
}

SessionRecords::~SessionRecords() {
    Close();
}

// Stored before anything is written under it, so a run that dies never hands its number on and
// a number that cannot be stored is never used.
bool SessionRecords::ReserveGameNumber() {
    StoreGameNumber(number_, store_);
    if (store_.Save()) return true;
    const int error = errno;
    failures_.Report("the game number", store_.Path(),
                     std::string(error == EINVAL ? "not a regular file" : std::strerror(error)) +
                         "; this session is kept in neither the statistics log nor the game journal");
    return false;
}

// A kill between a game's journal line and its stores leaves the journal one game ahead.
void SessionRecords::CatchUpStores() {
    const auto& games = journal_->Games();
    if (games.empty() || games.back().seq <= StoredJournalGame(store_)) return;
    machine_->RestoreStores(StoresOf(games.back().after));
    WriteStores(true);
}

SettingsSnapshot SessionRecords::ValuesToStore() const {
    SettingsSnapshot values;
    SaveAtClose(machine_->State(), machine_->Options(), outerSize_(), values);
    return values;
}

void SessionRecords::WriteStores(bool force) {
    SettingsSnapshot values = ValuesToStore();
    if (!force && values == stored_) return;
    values.CopyTo(store_);
    StoreJournalGame(journal_->LastSeq(), store_);
    Save("the settings and money");
    stored_ = std::move(values);  // a failed save keeps its writes for the next one
}

void SessionRecords::Save(std::string_view what) {
    if (!store_.Save()) failures_.Report(what, store_.Path(), errno);
}

Statement SessionRecords::Current() const {
    if (!machine_) return {};
    return StatementOf(machine_->State().CreditInserted, machine_->State().Credit, 0);
}

void SessionRecords::TakeOff() {
    const GameState& g = machine_->State();
    closing_ = {number_, StatementOf(g.CreditInserted, g.Credit, g.Credit)};
}

void SessionRecords::GameEnded() {
    if (!machine_ || closed_) return;
    if (journal_->GameEnded(number_)) journal_->Drain();  // on disk before the stores
    WriteStores(false);
    const GameState& g = machine_->State();
    if (recording_) log_.GameEnded(g.CreditInserted, g.Credit);
}

void SessionRecords::Close() {
    if (closed_) return;
    closed_ = true;
    if (!machine_) {
        if (recording_) log_.Close(0, 0);
        return;
    }
    const GameState& g = machine_->State();
    TakeOff();
    // A game that settled in the frame before the close has not been told yet: it goes first.
    journal_->GameEnded(number_);
    // A game given up changes nothing that is kept: the stores stay those of the last finished one.
    GameState kept = g;
    if (const Carried* start = journal_->GameInPlayStart()) ApplyCarried(*start, kept);  // helms standing
    journal_->CloseSession(number_, g.Credit, true);
    journal_->Drain();
    SaveAtClose(kept, machine_->Options(), outerSize_(), store_);
    StoreJournalGame(journal_->LastSeq(), store_);
    Save("the settings and money");
    if (recording_) log_.Close(g.CreditInserted, g.Credit);
}

// Money in play, bonus state and pending wins stay: only the credit and the stakes start afresh.
void SessionRecords::StartNewGame() {
    if (!machine_ || closed_) return;
    const GameState& g = machine_->State();
    TakeOff();
    journal_->GameEnded(number_);  // a game that settled in the frame before goes first
    journal_->CloseSession(number_, g.Credit, false);
    journal_->Drain();
    SaveAtNewGame(g, machine_->Options(), store_);
    Save("the settings and money");
    if (recording_) log_.Close(g.CreditInserted, g.Credit);
    machine_->NewGame();
    number_ = NextGameNumber(number_);
    recording_ = ReserveGameNumber();
    journal_->AllowWriting(recording_);
    if (recording_) log_.Open(number_, 0, 0);  // the new session's money starts at nothing
}

}  // namespace vortala
