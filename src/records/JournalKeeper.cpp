#include "records/JournalKeeper.h"

#include <chrono>

namespace vortala {

namespace {

constexpr std::size_t kTrimSlack = 100;  // games beyond the kept ones before a rewrite

std::int64_t UnixMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

JournalKeeper::JournalKeeper(std::string path, Machine& machine) : path_(std::move(path)), machine_(machine) {
    JournalText file = ReadJournalText(path_, kReadCap);
    JournalAudit audit = AuditJournal(file.text);
    // A file that cannot be used is a storage failure, told as one; it says nothing of the meters.
    fileProblem_ = file.problem;
    if (!file.problem.empty()) notes_.push_back("the journal cannot be used: " + file.problem);
    if (file.cut) notes_.push_back("the journal is larger than 16 MiB: only its end was read");
    if (audit.damaged)
        findings_.push_back(std::to_string(audit.damaged) + " damaged lines in the journal were skipped");
    for (const std::string& d : audit.damage) findings_.push_back(d);
    for (const std::string& f : audit.findings) findings_.push_back(f);
    book_.Resume(audit);
    lastCredit_ = audit.credit;

    std::string_view text = file.text;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty()) Keep(std::string(line), line.rfind("{\"seq\":", 0) == 0);
    }
    const std::size_t from = audit.games.size() > kKeptGames ? audit.games.size() - kKeptGames : 0;
    games_.assign(audit.games.begin() + static_cast<std::ptrdiff_t>(from), audit.games.end());

    lastSeqAtStart_ = audit.lastSeq;
    if (!audit.games.empty()) lastSessionAtStart_ = audit.games.back().session;
    openAtStart_ = audit.endsInSession && !audit.games.empty();
    if (openAtStart_) lastAtStart_ = audit.games.back();
    if (audit.found && audit.credit != 0) unclosedCredit_ = audit.credit;
    recorder_.SetClock(UnixMs);
    machine_.SetRecorder(&recorder_);
}

JournalKeeper::~JournalKeeper() {
    machine_.SetRecorder(nullptr);
}

void JournalKeeper::AllowWriting(bool allowed) {
    writing_ = allowed;
    if (!writing_) return;
    if (!writer_ && fileProblem_.empty()) writer_ = std::make_unique<JournalWriter>(path_);
    if (!unclosedBooked_) BookUnclosedSession();
}

// The last session never closed (the program ended without its close): its credit was never
// taken off. Booked as unclosed, and said.
void JournalKeeper::BookUnclosedSession() {
    unclosedBooked_ = true;
    if (unclosedCredit_ == 0) return;
    findings_.push_back("the last session ended without closing: its credit of " +
                        std::to_string(unclosedCredit_) + " was never taken off");
    JournalClose close;
    close.timeMs = UnixMs();
    close.unclosed = unclosedCredit_;
    Write(book_.Close(close), false);
    lastCredit_ = 0;
}

void JournalKeeper::Write(std::string line, bool game) {
    if (writer_) writer_->Append(line);
    Keep(std::move(line), game);
}

void JournalKeeper::Keep(std::string line, bool game) {
    lines_.emplace_back(std::move(line), game);
    gameLines_ += game;
    if (gameLines_ <= kKeptGames + kTrimSlack) return;
    while (gameLines_ > kKeptGames) {
        gameLines_ -= lines_.front().second;
        lines_.pop_front();
    }
    if (!writer_) return;
    std::string text;
    for (const auto& [l, isGame] : lines_) text += l + '\n';
    writer_->Replace(std::move(text));
}

bool JournalKeeper::GameEnded(std::int64_t session) {
    if (!recorder_.Finished()) return false;
    GameRecord& game = recorder_.Take();
    if (!writing_) return false;
    Write(book_.AddGame(game, session), true);
    lastCredit_ = game.after.credit;
    games_.push_back(game);
    if (games_.size() > kKeptGames) games_.pop_front();
    return true;
}

// The money put in since the last finished game is booked here, and what a game in play has
// taken and paid so far, whether it is given up or goes on into the next session, so the meters
// balance after any close, even one the program never outlives.
void JournalKeeper::CloseSession(std::int64_t session, Money credit, bool windowClosing) {
    JournalClose close;
    close.session = session;
    close.timeMs = UnixMs();
    close.inserted = recorder_.TakeInsertedSinceGame();
    if (!writing_) {
        // No line books the game in play, so its own line (if a later session writes one) books it all.
        if (windowClosing) recorder_.Abandon();
        return;
    }
    GameRecorder::Unbooked game;
    if (windowClosing) {
        game = recorder_.Abandon();
        close.abandoned = game.stake;
    } else {
        game = recorder_.BookInPlay();
        close.playing = game.stake;
    }
    close.returned = game.returned;
    close.inserted = AddMoney(close.inserted, game.inserted);
    close.taken = credit;
    Write(book_.Close(close), false);
    lastCredit_ = 0;
}

void JournalKeeper::Drain() {
    if (writer_) writer_->Drain();
}

std::vector<std::string> JournalKeeper::Notes() const {
    std::vector<std::string> all = findings_;
    all.insert(all.end(), notes_.begin(), notes_.end());
    if (writer_) {
        const std::string problem = writer_->Problem();
        if (!problem.empty()) all.push_back("the journal could not be written: " + problem);
    }
    return all;
}

}  // namespace vortala
