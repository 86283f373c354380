// The journal's proof, one core: each recorded game parsed from its line (checksum included),
// re-played through the rules and compared field by field, as `vortala-sim journal verify` does.
// The games are the simulator's own, recorded by its player; the goal is 100 000 games a second.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "FastPlayer.h"
#include "app/JournalLine.h"
#include "game/GameReplay.h"
#include "platform/JournalFile.h"

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

// The wait the game thread makes once per game: the game's line appended and flushed to disk by
// the writer thread before the stores are written. In a folder on the disk the build is on
// ($VORTALA_BENCH_DIR, else the working folder), never in a memory file system.
std::filesystem::path BenchFolder() {
    const char* dir = std::getenv("VORTALA_BENCH_DIR");
    const std::filesystem::path folder = std::filesystem::path(dir ? dir : ".") / "journal-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

void RemoveBenchFile(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::filesystem::remove(file.parent_path(), ignored);  // when empty
}

void BM_GameLineOnDisk(benchmark::State& state) {
    const std::filesystem::path file = BenchFolder() / "games.jsonl";
    std::filesystem::remove(file);
    const std::string line(830, 'x');  // a typical record's length
    {
        JournalWriter writer(file.string());
        for (auto _ : state) {
            writer.Append(line);
            writer.Drain();
        }
    }
    RemoveBenchFile(file);
}

// Every hundredth game beyond the kept 1000 the wait also covers the atomic rewrite.
void BM_TrimRewriteOnDisk(benchmark::State& state) {
    const std::filesystem::path file = BenchFolder() / "games.jsonl";
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::string(830, 'x') + '\n';
    {
        JournalWriter writer(file.string());
        for (auto _ : state) {
            writer.Replace(text);
            writer.Drain();
        }
    }
    RemoveBenchFile(file);
}

BENCHMARK(BM_RecorderWatchesOneStep);
BENCHMARK(BM_GameLineOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TrimRewriteOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GameLineWithMeters)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerifyDefaultGames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyGamblingGames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vortala::sim

BENCHMARK_MAIN();
