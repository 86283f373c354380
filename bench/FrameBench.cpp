// Cost of one headless frame while the reels spin: every state step of the frame loop (blur
// jitter, reel motion, helms, panel, torches) with no renderer.
#include <benchmark/benchmark.h>

#include "AllocationCounter.h"
#include "app/HeadlessHost.h"

namespace vortala {
namespace {

void Tap(HeadlessHost& host, int key) {
    InputEvent e;
    e.key = key;
    e.kind = InputEvent::Kind::KeyDown;
    host.Input(e);
    e.kind = InputEvent::Kind::KeyUp;
    host.Input(e);
}

void BM_HeadlessFrameWhileSpinning(benchmark::State& state) {
    HeadlessHost host;
    Machine& m = host.machine();
    m.Options().sounds = false;  // no sound cues, as the simulator plays
    InputEvent up;
    up.kind = InputEvent::Kind::KeyUp;
    up.key = vk::F12;
    host.Input(up);  // ends the intro
    host.Settle(60000);
    Tap(host, vk::Insert);
    Tap(host, vk::PageUp);
    Tap(host, vk::Space);
    host.Advance(600);  // past the start: full speed, blurred
    if (!m.State().ReelsSpinning) state.SkipWithError("the reels are not spinning");

    const std::size_t allocationsBefore = bench::AllocationCount();
    for (auto _ : state) {
        m.PaintFrame(nullptr);
        benchmark::DoNotOptimize(m.State().Seed);
    }
    state.counters["allocations/frame"] = static_cast<double>(bench::AllocationCount() - allocationsBefore) /
                                          static_cast<double>(state.iterations());
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessFrameWhileSpinning);

}  // namespace
}  // namespace vortala
