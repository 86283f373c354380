#pragma once
// One frame of the game: the drawing points and the state steps between them, in their fixed
// order. The window passes a painter that draws with OpenGL; headless machines, tests and
// benchmarks pass none and the state changes exactly as in a drawn frame.
#include <cstdint>

#include "GameHost.h"
#include "GameState.h"

namespace vortala {

// FramePainter: the drawing half of a frame. A painter only reads the state.
class FramePainter {
public:
    virtual ~FramePainter() = default;
    // Makes the context current and clears; false skips the whole frame, steps included.
    virtual bool BeginFrame() = 0;
    virtual void DrawIntro(const GameState& g) = 0;
    virtual void DrawHelp(const GameState& g) = 0;
    virtual void DrawBackdrops(const GameState& g) = 0;  // main backdrop, scene backdrop, torches
    virtual void DrawVoyage(const GameState& g) = 0;     // ship and compass, still flat
    // Chests and coin markers, then the switch from the flat backdrop to the 3D scene.
    virtual void FinishBackdrops(const GameState& g) = 0;
    virtual void DrawBarrels(const GameState& g) = 0;
    virtual void DrawCoinDrum(const GameState& g) = 0;
    virtual void DrawReels(const GameState& g) = 0;
    virtual void DrawHelmDrums(const GameState& g) = 0;
    virtual void DrawWinFrames(const GameState& g) = 0;
    virtual void DrawPaylines(const GameState& g) = 0;
    virtual void DrawStatus(const GameState& g) = 0;  // status line, panel text and flare
    virtual void DrawRiskCards(const GameState& g) = 0;
    virtual void EndFrame() = 0;  // swaps the buffers
};

// The tick count, read at the frame's start and again after its drawing (the torches and the
// status blink run on wall-clock time). The rules never read a clock of their own.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual std::uint32_t NowMs() = 0;
};

struct FrameResult {
    bool drawn = true;             // false when the painter could not begin: nothing stepped
    bool openingUnfolded = false;  // the opening reels are out: the machine stops their spin
};

FrameResult StepFrame(GameState& g, GameHost& host, FrameClock& clock, FramePainter* painter);

}  // namespace vortala
