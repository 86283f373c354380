#include "app/JournalBook.h"

namespace vortala {

namespace {

constexpr std::size_t kDamageListed = 5;

void AddClose(Meters& m, const JournalClose& c) {
    m.inserted = AddMoney(m.inserted, c.inserted);
    m.staked = AddMoney(m.staked, AddMoney(c.abandoned, c.playing));
    m.returned = AddMoney(m.returned, c.returned);
    m.taken = AddMoney(m.taken, c.taken);
    m.unclosed = AddMoney(m.unclosed, c.unclosed);
}

bool HasOutsideChanges(const GameRecord& g) {
    return !g.outside.empty();
}

// Walks the valid lines in order.
class Auditor {
public:
    explicit Auditor(JournalAudit& a) : a_(a) {}

    void Game(const JournalEntry& e, std::uint64_t line) {
        const GameRecord& g = e.game;
        const std::string where = "game " + std::to_string(g.seq) + " (line " + std::to_string(line) + ")";
        if (!HasOutsideChanges(g) &&
            g.before.credit - g.stake + g.returned + g.insertedDuring != g.after.credit)
            Note(where + ": credit before " + std::to_string(g.before.credit) + ", stake " +
                 std::to_string(g.stake) + ", returned " + std::to_string(g.returned) + " and inserted " +
                 std::to_string(g.insertedDuring) + " do not give the credit after, " +
                 std::to_string(g.after.credit));
        if (follows_ && g.seq == a_.lastSeq + 1 && !HasOutsideChanges(g) &&
            g.before.credit != a_.credit + g.insertedBefore)
            Note(where + " starts with credit " + std::to_string(g.before.credit) + ", not the " +
                 std::to_string(a_.credit + g.insertedBefore) + " the last line left");
        Meters expected = a_.meters;
        expected.AddGame(g);
        Follow(e, where, g.seq, expected);
        a_.lastSeq = g.seq;
        a_.credit = g.after.credit;
        a_.endsInSession = true;
        a_.games.push_back(g);
    }

    void Close(const JournalEntry& e, std::uint64_t line) {
        Meters expected = a_.meters;
        AddClose(expected, e.close);
        Follow(e, "the session close at line " + std::to_string(line), e.close.afterSeq, expected);
        a_.lastSeq = e.close.afterSeq;
        a_.credit = 0;
        a_.endsInSession = false;
    }

    void End() {
        if (a_.found && a_.meters.Credit() != a_.credit)
            Note("the meters do not balance: inserted - staked + returned - taken off - unclosed = " +
                 std::to_string(a_.meters.Credit()) + ", but the session's credit is " +
                 std::to_string(a_.credit));
    }

private:
    void Note(std::string finding) { a_.findings.push_back(std::move(finding)); }

    // The line's meters must be the last line's plus what this line adds, where it follows it.
    void Follow(const JournalEntry& e, const std::string& where, std::uint64_t seq, const Meters& expected) {
        if (!e.hasMeters) {
            if (!noMetersNoted_) Note(where + " carries no meters: not a machine's own journal");
            noMetersNoted_ = true;
            return;
        }
        const bool next = e.kind == JournalEntry::Kind::Game ? seq == a_.lastSeq + 1 : seq == a_.lastSeq;
        if (follows_ && !next && seq > a_.lastSeq + 1)
            Note("games " + std::to_string(a_.lastSeq + 1) + " to " + std::to_string(seq - 1) +
                 " are missing");
        else if (follows_ && !next)
            Note(where + " is out of order after game " + std::to_string(a_.lastSeq));
        else if (follows_ && e.meters != expected)
            Note(where + ": its meters do not follow from the line before (an edited or lost line)");
        a_.meters = e.meters;
        a_.found = true;
        follows_ = true;
    }

    JournalAudit& a_;
    bool follows_ = false;
    bool noMetersNoted_ = false;
};

}  // namespace

JournalAudit AuditJournal(std::string_view text) {
    JournalAudit audit;
    Auditor auditor(audit);
    JournalEntry entry;
    std::string why;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++audit.lines;
        if (line.empty() || line == "\r") continue;
        if (!ParseJournalLine(line, entry, why)) {
            if (++audit.damaged <= kDamageListed)
                audit.damage.push_back("line " + std::to_string(audit.lines) + ": " + why);
            continue;
        }
        if (entry.kind == JournalEntry::Kind::Game)
            auditor.Game(entry, audit.lines);
        else
            auditor.Close(entry, audit.lines);
    }
    auditor.End();
    return audit;
}

void JournalBook::Resume(const JournalAudit& audit) {
    meters_ = audit.meters;
    seq_ = audit.lastSeq;
}

std::string JournalBook::AddGame(GameRecord& game, std::int64_t session) {
    game.seq = ++seq_;
    game.session = session;
    meters_.AddGame(game);
    return FormatGameLine(game, &meters_);
}

std::string JournalBook::Close(JournalClose close) {
    close.afterSeq = seq_;
    AddClose(meters_, close);
    return FormatCloseLine(close, meters_);
}

}  // namespace vortala
