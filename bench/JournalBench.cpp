// The journal's proof, one core: each recorded game parsed from its line (checksum included),
// re-played through the rules and compared field by field, as `vortala-sim journal verify` does.
// The games are the simulator's own, recorded by its player; the goal is 100 000 games a second.
#include <benchmark/benchmark.h>

#include <vector>

#include "FastPlayer.h"
#include "app/JournalLine.h"
#include "game/GameReplay.h"

namespace vortala::sim {
namespace {

// Lines of `games` games played with the options given (defaults: bet 1, fortune 0, gamble 0).
std::vector<std::string> JournalLines(const RtpOptions& o, int games) {
    FastPlayer player(o, 0);
    GameRecorder recorder;
    player.SetRecorder(&recorder);
    RtpTally tally;
    std::vector<std::string> lines;
    for (int i = 0; i < games; ++i) {
        player.PlayGame(tally);
        if (recorder.Finished()) lines.push_back(FormatGameLine(recorder.Take(), nullptr));
    }
    return lines;
}

void Verify(benchmark::State& state, const RtpOptions& o) {
    const std::vector<std::string> lines = JournalLines(o, 20000);
    JournalEntry entry;
    GameRecord derived;
    RecordDifference difference;
    std::string why;
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            const bool same = ParseJournalLine(line, entry, why) && ReplayGame(entry.game, derived) &&
                              !FirstDifference(entry.game, derived, difference);
            if (!same) state.SkipWithError("a game did not verify");
            bytes += line.size();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_VerifyDefaultGames(benchmark::State& state) {
    Verify(state, RtpOptions{});
}

void BM_VerifyGamblingGames(benchmark::State& state) {
    RtpOptions o;
    o.gamble = 7;
    o.fortuneSpin = o.fortuneRisk = o.fortuneBonus = 50;  // risk ladders, voyages and bonuses often
    Verify(state, o);
}

// What the window's main thread spends on the journal: watching one step (a frame or an input
// event) and, once per game, writing the game's line with its meters; the disk is the writer
// thread's.
void BM_RecorderWatchesOneStep(benchmark::State& state) {
    GameState g;
    GameRecorder recorder;
    recorder.Start(g);
    for (auto _ : state) {
        recorder.Before(g);
        benchmark::DoNotOptimize(g.Seed += 1);
        recorder.After(g);
    }
}

void BM_GameLineWithMeters(benchmark::State& state) {
    RtpOptions o;
    o.gamble = 7;
    o.fortuneSpin = o.fortuneRisk = o.fortuneBonus = 50;
    o.seed = 3;
    FastPlayer player(o, 0);
    GameRecorder recorder;
    player.SetRecorder(&recorder);
    RtpTally tally;
    GameRecord longest;
    for (int i = 0; i < 2000; ++i) {
        player.PlayGame(tally);
        if (!recorder.Finished()) continue;
        const GameRecord& game = recorder.Take();
        if (game.events.size() >= longest.events.size()) longest = game;
    }
    Meters meters;
    meters.AddGame(longest);
    std::size_t bytes = 0;
    for (auto _ : state) bytes += FormatGameLine(longest, &meters).size();
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

BENCHMARK(BM_RecorderWatchesOneStep);
BENCHMARK(BM_GameLineWithMeters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerifyDefaultGames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyGamblingGames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vortala::sim

BENCHMARK_MAIN();
