// Cost of one stop key's outcome (draw, evaluation and the default fortune) against the floor
// that the generator alone sets: the ~150 Random(10) draws of five rejection-sampled shuffles.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "game/Rules.h"

namespace vortala {
namespace {

class QuietHost : public GameHost {
public:
    void PlaySound(Cue, bool) override {}
    void StartTimer(PhaseTimer) override {}
    void StopTimer(PhaseTimer) override {}
    void StartOneShot(OneShotTimer, int) override {}
    bool AutoStopEnabled() const override { return false; }
    int AutoStopDelaySeconds() const override { return 1; }
    std::uint32_t Entropy() override { return 1; }
};

// The shuffle's generator work and nothing else: the same stream of draws on two interleaved
// lanes that drawing an arrangement uses, keeping only the draws, the used-symbol masks and the
// count of placed positions.
void BM_GeneratorFloor(benchmark::State& state) {
    constexpr std::uint32_t a = 134775813u, a2 = a * a, c2 = a + 1u;
    std::uint32_t seed = 0;
    std::uint64_t draws = 0;
    for (auto _ : state) {
        std::uint32_t x = seed * a + 1u, y = x * a + 1u;
        unsigned used = 0;
        int reels = 0, placed = 0;
        auto place = [&](std::uint32_t s) {
            ++draws;
            const auto v = static_cast<std::uint32_t>((static_cast<std::uint64_t>(s) * 10) >> 32);
            const unsigned bit = 1u << v;
            placed += (used & bit) == 0u;
            used |= bit;
            if (used != 0x3FFu) return false;
            used = 0;
            return ++reels == kReels;
        };
        for (;;) {
            if (place(x)) {
                seed = x;
                break;
            }
            if (place(y)) {
                seed = y;
                break;
            }
            x = x * a2 + c2;
            y = y * a2 + c2;
        }
        benchmark::DoNotOptimize(placed);
        benchmark::DoNotOptimize(seed);
    }
    state.counters["arrangements/s"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
    state.counters["draws/shuffle"] = static_cast<double>(draws) / state.iterations();
}
BENCHMARK(BM_GeneratorFloor);

void Arrangement(benchmark::State& state, bool fortune) {
    GameState g;
    QuietHost host;
    g.LineBet.fill(1);
    RecomputeTotalBet(g);
    g.FortuneActive = fortune;
    const std::size_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) {
        DrawArrangement(g);
        EvaluateArrangement(g, host);
        benchmark::DoNotOptimize(g.HasWin);
    }
    const auto allocations = static_cast<double>(bench::AllocationCount() - allocationsBefore);
    state.counters["allocations"] = allocations;
    state.counters["arrangements/s"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
    // Each outcome may draw several arrangements when the fortune re-draws.
    state.counters["drawn/s"] =
        benchmark::Counter(static_cast<double>(g.ArrangementsDrawn), benchmark::Counter::kIsRate);
}

void BM_DrawAndEvaluate(benchmark::State& state) {
    Arrangement(state, false);
}
void BM_DrawEvaluateAndFortune(benchmark::State& state) {
    Arrangement(state, true);
}
BENCHMARK(BM_DrawAndEvaluate);
BENCHMARK(BM_DrawEvaluateAndFortune);

}  // namespace
}  // namespace vortala

BENCHMARK_MAIN();
