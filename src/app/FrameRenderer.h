#pragma once
// FrameRenderer: the drawing half of a frame. The machine calls these in the frame's order and
// runs the state steps between them; a renderer only reads the state. A headless machine runs
// frames with no renderer at all and changes the state exactly as a drawn frame does.
#include <cstdint>

#include "Settings.h"
#include "game/GameState.h"

namespace vortala {

class FrameRenderer {
public:
    virtual ~FrameRenderer() = default;
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
    virtual void DrawPaylines(const GameState& g, const Settings& settings) = 0;
    virtual void DrawStatus(const GameState& g) = 0;  // status line, panel text and flare
    virtual void DrawRiskCards(const GameState& g) = 0;
    virtual void EndFrame() = 0;  // swaps the buffers
};

}  // namespace vortala
