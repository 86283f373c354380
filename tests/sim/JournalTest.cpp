// The journal against the frame-by-frame machine: games recorded while the headless machine plays
// them by keys (frames drawing from the generator between the draws) re-play to the same record.
#include <gtest/gtest.h>

#include <map>

#include "MachinePlayer.h"
#include "app/JournalLine.h"
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

TEST(Journal, GamesOfEveryKindPlayedByKeysReplayToTheirRecords) {
    RtpOptions ladders;
    ladders.seed = 11;
    ladders.gamble = 7;
    ladders.fortuneBonus = 60;  // more full barrels and better chests: every screen comes sooner
    ladders.fortuneRisk = 40;   // ladders won: voyages and the third helm
    RtpOptions takes = ladders;
    takes.gamble = 2;
    takes.fortuneRisk = -30;
    Recorded r = PlayAndRecord(ladders, 1500);
    Recorded more = PlayAndRecord(takes, 500);
    r.games.insert(r.games.end(), more.games.begin(), more.games.end());
    for (const auto& [kind, count] : more.kinds) r.kinds[kind] += count;
    std::printf("%zu games;", r.games.size());
    for (const auto& [kind, count] : r.kinds) std::printf(" %c %d", kind, count);
    std::printf("\n");
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

}  // namespace
}  // namespace vortala::sim::test
