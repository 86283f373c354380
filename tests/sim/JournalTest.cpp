// The journal against the frame-by-frame machine: games recorded while the headless machine plays
// them by keys (frames drawing from the generator between the draws) re-play to the same record.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "MachinePlayer.h"
#include "app/HeadlessDriver.h"
#include "app/JournalBook.h"
#include "app/JournalLine.h"
#include "app/JournalScript.h"
#include "game/GameReplay.h"

namespace vortala::sim::test {
namespace {

struct Recorded {
    std::vector<GameRecord> games;
    std::map<char, int> kinds;  // events seen, by kind
};

Recorded PlayAndRecord(const RtpOptions& o, int games) {
    Recorded r;
    MachinePlayer player(o, static_cast<std::uint32_t>(o.seed), o.seed + 3);
    GameRecorder recorder;
    player.machine().SetRecorder(&recorder);
    RtpTally tally;
    for (int i = 0; i < games && player.PlayGame(tally); ++i) {
        EXPECT_TRUE(recorder.Finished()) << "game " << i;
        if (!recorder.Finished()) break;
        r.games.push_back(recorder.Take());
        for (const RecordEvent& e : r.games.back().events) ++r.kinds[e.kind];
    }
    return r;
}

// Games with a bonus of every kind: ladders of seven cards (voyages, the third helm) and takes.
const Recorded& EveryKind() {
    static const Recorded r = [] {
        RtpOptions ladders;
        ladders.seed = 11;
        ladders.gamble = 7;
        ladders.fortuneBonus = 60;  // more full barrels and better chests: every screen comes sooner
        ladders.fortuneRisk = 40;   // ladders won: voyages and the third helm
        RtpOptions takes = ladders;
        takes.gamble = 2;
        takes.fortuneRisk = -30;
        Recorded all = PlayAndRecord(ladders, 1500);
        Recorded more = PlayAndRecord(takes, 500);
        all.games.insert(all.games.end(), more.games.begin(), more.games.end());
        for (const auto& [kind, count] : more.kinds) all.kinds[kind] += count;
        return all;
    }();
    return r;
}

// The first recorded game with an event of this kind.
const GameRecord& GameWith(char kind) {
    for (const GameRecord& g : EveryKind().games)
        for (const RecordEvent& e : g.events)
            if (e.kind == kind) return g;
    return EveryKind().games.front();
}

TEST(Journal, GamesOfEveryKindPlayedByKeysReplayToTheirRecords) {
    const Recorded& r = EveryKind();
    for (char kind : std::string("SCGTBKFOA")) EXPECT_GT(r.kinds.count(kind), 0u) << "no event " << kind;
    for (const GameRecord& game : r.games) {
        GameRecord derived;
        ASSERT_TRUE(ReplayGame(game, derived)) << FormatGameLine(game, nullptr);
        RecordDifference d;
        ASSERT_FALSE(FirstDifference(game, derived, d))
            << d.field << ": recorded " << d.recorded << ", derived " << d.derived << "\n"
            << FormatGameLine(game, nullptr);
        JournalEntry parsed;
        std::string why;
        ASSERT_TRUE(ParseJournalLine(FormatGameLine(game, nullptr), parsed, why)) << why;
        ASSERT_FALSE(FirstDifference(game, parsed.game, d)) << d.field;
    }
}

// Changes the rules did not make, in the middle of a game: a typed code that puts money in, the
// fortune bars applied, a note inserted. The record keeps them where they came; the re-play
// puts them back there.
TEST(Journal, ChangesOutsideTheRulesReplayWhereTheyCame) {
    HeadlessHost host(9);
    GameRecorder recorder;
    host.machine().SetRecorder(&recorder);
    HeadlessDriver driver(host);
    std::istringstream script(
        "key Insert\nsettle\nkey Num1\nkey Num2\nreels 1 3 2 3 5  4 4 4 1 4  3 1 1 2 1\nkey Space\n"
        "until ReelsStarting 0\nkey Space\nuntil RiskScreen 1\ntype doubloon\noption fortuneRisk -100\n"
        "key Insert\nuntil RiskLocked 0\nkey Left\nwait 3000\nkey Down\nsettle\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed) << err.str();
    ASSERT_TRUE(recorder.Finished());
    const GameRecord game = recorder.Take();
    EXPECT_EQ(game.outside.size(), 2u);  // the code's money, then the fortune bar
    EXPECT_EQ(game.insertedDuring, 20100);
    EXPECT_EQ(game.after.credit, game.before.credit - game.stake + game.returned + 20100);
    GameRecord derived;
    ASSERT_TRUE(ReplayGame(game, derived));
    RecordDifference d;
    EXPECT_FALSE(FirstDifference(game, derived, d)) << d.field << ": " << d.recorded << " / " << d.derived;
}

TEST(Journal, AChangedFieldFailsAtThatField) {
    struct Edit {
        char kind;
        const char* field;
        void (*change)(GameRecord&);
    };
    auto lastOf = [](GameRecord& g, char kind) -> RecordEvent& {
        for (auto it = g.events.rbegin(); it != g.events.rend(); ++it)
            if (it->kind == kind) return *it;
        return g.events.front();
    };
    const Edit edits[] = {
        {'S', "reels", [](GameRecord& g) { g.reels[2][3] = (g.reels[2][3] + 1) % 11; }},
        {'S', "after.credit", [](GameRecord& g) { g.after.credit += 1; }},
        {'K', "sources", [](GameRecord& g) { g.sources[static_cast<int>(WinSource::Chests)] += 5; }},
        {'B', "after.banks", [](GameRecord& g) { g.after.banks[0] += 1; }},
    };
    for (const Edit& edit : edits) {
        GameRecord game = GameWith(edit.kind);
        edit.change(game);
        // The edit is written with a fresh checksum: only the rules can find it.
        JournalEntry parsed;
        std::string why;
        ASSERT_TRUE(ParseJournalLine(FormatGameLine(game, nullptr), parsed, why)) << why;
        GameRecord derived;
        ReplayGame(parsed.game, derived);
        RecordDifference d;
        EXPECT_TRUE(FirstDifference(parsed.game, derived, d));
        EXPECT_EQ(d.field, edit.field);
    }
    // A card that is not the one the entropy deals fails at its own event.
    GameRecord game = GameWith('G');
    RecordEvent& card = lastOf(game, 'G');
    card.out[0] = 3 - card.out[0];
    const std::size_t at = static_cast<std::size_t>(&card - game.events.data());
    GameRecord derived;
    ReplayGame(game, derived);
    RecordDifference d;
    ASSERT_TRUE(FirstDifference(game, derived, d));
    EXPECT_EQ(d.field, "events[" + std::to_string(at) + "]");
}

TEST(Journal, DamagedLinesAreToldFromRecords) {
    const std::string line = FormatGameLine(EveryKind().games.front(), nullptr);
    JournalEntry entry;
    std::string why;
    EXPECT_FALSE(ParseJournalLine(line.substr(0, line.size() / 2), entry, why));  // torn
    std::string edited = line;
    edited[edited.find("\"stake\":") + 8] ^= 1;  // a digit changed by hand
    EXPECT_FALSE(ParseJournalLine(edited, entry, why));
    EXPECT_NE(why.find("checksum"), std::string::npos);
}

TEST(Journal, AGameAsAScriptPlaysTheSameOnAFreshMachine) {
    for (char kind : std::string("SGTBKFOA")) {
        const GameRecord& game = GameWith(kind);
        std::istringstream script(GameScript(game));
        HeadlessHost host(5);
        HeadlessDriver driver(host);
        std::ostringstream out, err;
        EXPECT_EQ(RunScript(script, driver, out, err), ScriptResult::Passed)
            << "event " << kind << ": " << err.str() << GameScript(game);
    }
}

// A long random play booked as the window books it: notes put in before games, one session closed.
TEST(Journal, MetersBalanceAfterLongPlayAndNotAfterAnEditedRecord) {
    RtpOptions o;
    o.seed = 23;
    o.gamble = 3;
    MachinePlayer player(o, 23, 29);
    GameRecorder recorder;
    player.machine().SetRecorder(&recorder);
    JournalBook book;
    std::vector<std::string> lines;
    RtpTally tally;
    for (int i = 0; i < 400 && player.PlayGame(tally); ++i)
        if (recorder.Finished()) lines.push_back(book.AddGame(recorder.Take(), 1));
    JournalClose close;
    close.inserted = recorder.TakeInsertedSinceGame();
    close.taken = player.machine().State().Credit;
    lines.push_back(book.Close(close));
    auto text = [&lines] {
        std::string t;
        for (const std::string& l : lines) t += l + '\n';
        return t;
    };
    const JournalAudit clean = AuditJournal(text());
    EXPECT_TRUE(clean.findings.empty()) << clean.findings.front();
    EXPECT_EQ(clean.games.size() + 1, lines.size());
    EXPECT_EQ(clean.meters.Credit(), 0);
    EXPECT_EQ(clean.meters.inserted, tally.inserted);
    EXPECT_EQ(clean.meters.staked, tally.staked);
    EXPECT_EQ(clean.meters.returned, tally.returned);

    // A returned amount raised by hand, its checksum made anew: the meters no longer follow.
    JournalEntry entry;
    std::string why;
    ASSERT_TRUE(ParseJournalLine(lines[200], entry, why));
    entry.game.returned += 50;
    entry.game.after.credit += 50;
    lines[200] = FormatGameLine(entry.game, &entry.meters);
    const JournalAudit edited = AuditJournal(text());
    ASSERT_FALSE(edited.findings.empty());
    EXPECT_NE(edited.findings.front().find("game 201"), std::string::npos) << edited.findings.front();
}

}  // namespace
}  // namespace vortala::sim::test
