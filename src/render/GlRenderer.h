#pragma once
// GlRenderer: draws the field with fixed-function OpenGL from the GameState the machine hands it,
// in the frame's order. It reads the state and never changes it.
#include <functional>

#include "game/Frame.h"
#include "gfx/OutFont.h"
#include "gfx/Textures.h"

struct GLUquadric;

namespace vortala {

class GlRenderer : public FramePainter {
public:
    // makeCurrent may fail (the frame is then skipped); swap presents the finished frame;
    // transparentLines is the option of that name, read as each frame draws its lines.
    GlRenderer(std::function<bool()> makeCurrent, std::function<void()> swap,
               std::function<bool()> transparentLines);
    ~GlRenderer() override;

    // Fixed render state, the texture catalogue, lighting, explosion lists and font. Needs the
    // context current.
    void Create();
    void Destroy();
    // Viewport (the field fitted into the client area) and the scene projection.
    void Resize(int width, int height);
    const TextureCatalogue& Textures() const { return textures_; }

    bool BeginFrame() override;
    void DrawIntro(const GameState& g) override;
    void DrawHelp(const GameState& g) override;
    void DrawBackdrops(const GameState& g) override;
    void DrawVoyage(const GameState& g) override;
    void FinishBackdrops(const GameState& g) override;
    void DrawBarrels(const GameState& g) override;
    void DrawCoinDrum(const GameState& g) override;
    void DrawReels(const GameState& g) override;
    void DrawHelmDrums(const GameState& g) override;
    void DrawWinFrames(const GameState& g) override;
    void DrawPaylines(const GameState& g) override;
    void DrawStatus(const GameState& g) override;
    void DrawRiskCards(const GameState& g) override;
    void EndFrame() override;

private:
    void FullFieldPicture(const char* picture, bool clamp);
    void ToSceneProjection();
    void DrawTorches(const GameState& g);
    void DrawChests(const GameState& g);
    void DrawPickedShip(const GameState& g);
    void DrawCoinMarkers(const GameState& g);
    void DrawFacetDrum(int faceCount, int steps, const TextureHandle* textures);
    void DrawPanelText(const GameState& g);
    void DrawPanelFields(const GameState& g);
    void DrawBonusValues(const GameState& g);
    void DrawFlare(const GameState& g);
    void BuildExplosionLists();

    std::function<bool()> makeCurrent_;
    std::function<void()> swap_;
    std::function<bool()> transparentLines_;
    TextureCatalogue textures_;
    OutFont font_;
    GLUquadric* quadric_ = nullptr;
    unsigned explosionListBase_ = 0;
    bool backdropProjection_ = false;
};

}  // namespace vortala
