// Frame set-up, the flat furniture of the field and the switch between its two projections.
#include "GlRenderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "GlDraw.h"
#include "game/FieldArea.h"
#include "game/FieldZones.h"

namespace vortala {

using draw::BlendedPicture;
using draw::OpaquePicture;

GlRenderer::GlRenderer(std::function<bool()> makeCurrent, std::function<void()> swap,
                       std::function<bool()> transparentLines)
    : makeCurrent_(std::move(makeCurrent)),
      swap_(std::move(swap)),
      transparentLines_(std::move(transparentLines)) {}

GlRenderer::~GlRenderer() = default;

void GlRenderer::Create() {
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glDepthFunc(GL_LEQUAL);
    glFrontFace(GL_CW);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glAlphaFunc(GL_GREATER, 0.05f);  // cuts the transparent surroundings out of every picture
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    quadric_ = gluNewQuadric();
    textures_.Load();
    SetupSceneLighting();
    BuildExplosionLists();
    font_.Build(textures_.Get("font.jpg"));
}

void GlRenderer::Destroy() {
    font_.Kill();
    if (explosionListBase_) glDeleteLists(explosionListBase_, 64);
    explosionListBase_ = 0;
    if (quadric_) gluDeleteQuadric(quadric_);
    quadric_ = nullptr;
}

void GlRenderer::Resize(int width, int height) {
    // The field keeps its shape: bars left and right, or above and below, stay the clear colour.
    const FieldArea field = FitField(width, height);
    glViewport(field.x, height - field.y - field.height, field.width, field.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 50, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-50, -50, -250);
}

bool GlRenderer::BeginFrame() {
    if (!makeCurrent_()) return false;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-50, 50, -50, 50, 0, 500);
    glMatrixMode(GL_MODELVIEW);
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    backdropProjection_ = true;
    return true;
}

void GlRenderer::ToSceneProjection() {
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
    if (!backdropProjection_) return;
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    backdropProjection_ = false;
}

void GlRenderer::EndFrame() {
    ToSceneProjection();
    glFinish();
    swap_();
}

void GlRenderer::FullFieldPicture(const char* picture, bool clamp) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textures_.Get(picture));
    if (clamp) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    }
    draw::Quad(0, 0, 100, 100);
    glDisable(GL_TEXTURE_2D);
}

void GlRenderer::DrawIntro(const GameState&) {
    FullFieldPicture("logo.jpg", false);
    ToSceneProjection();
}

void GlRenderer::DrawHelp(const GameState&) {
    FullFieldPicture("kartabet.jpg", true);
}

void GlRenderer::DrawBackdrops(const GameState& g) {
    FullFieldPicture("intfasex.jpg", true);
    struct Scene {
        Flag GameState::*flag;
        const char* picture;
        bool wide;  // the chest, coin and voyage pictures span a slightly larger window
    };
    static constexpr Scene kScenes[] = {{&GameState::ChestScreen, "bonusarea.jpg", true},
                                        {&GameState::RiskScreen, "rbarea.jpg", false},
                                        {&GameState::CoinScreen, "coinarea.jpg", true},
                                        {&GameState::BarrelScreen, "bar_area.jpg", false},
                                        {&GameState::FreeGameScreen, "addarea.jpg", false},
                                        {&GameState::SuperBonusScreen, "sbonarea.jpg", true}};
    for (const Scene& s : kScenes) {
        if (!(g.*s.flag)) continue;
        if (s.wide)
            OpaquePicture(textures_.Get(s.picture), 8.24f, 23.27f, 90.15f, 77.59f);
        else
            OpaquePicture(textures_.Get(s.picture), 8.23f, 23.2f, 90.05f, 77.55f);
        if (s.flag != &GameState::ChestScreen) DrawTorches(g);  // the cave has no torches
    }
    glEnable(GL_TEXTURE_2D);
}

void GlRenderer::DrawTorches(const GameState& g) {
    static const char* const kFlames[] = {"fire0.jpg", "fire1.jpg", "fire2.jpg", "fire3.jpg", "fire4.jpg"};
    // Blended: the flame pictures' black surround is see-through (Textures.cpp).
    BlendedPicture(textures_.Get(kFlames[g.TorchFlameLeft % 5]), 11, 58.7f, 15, 65.6f);
    BlendedPicture(textures_.Get(kFlames[g.TorchFlameRight % 5]), 83.5f, 58.7f, 87.5f, 65.6f);
}

void GlRenderer::FinishBackdrops(const GameState& g) {
    if (g.ChestScreen) DrawChests(g);
    if (g.FreeGameScreen && g.FreeGameAwarded) DrawPickedShip(g);
    DrawCoinMarkers(g);
    ToSceneProjection();
}

// The picked ship's zone in the gold win frame, so the red number on its buoy has its ship.
void GlRenderer::DrawPickedShip(const GameState& g) {
    constexpr float kFieldToBackdropX = 100.0f / 666.5f, kFieldToBackdropY = 100.0f / 500.0f, kMargin = 8;
    for (int item = 0; item < 6; ++item) {
        if (!g.FreeGameItems[item].FreeGameChosen) continue;
        const zones::Rect& r = zones::kFreeGamePick[item];
        auto x = [&](int fieldX, float margin) {
            return (static_cast<float>(fieldX) + margin) * kFieldToBackdropX;
        };
        auto y = [&](int fieldY, float margin) {
            return (static_cast<float>(fieldY) + margin) * kFieldToBackdropY;
        };
        BlendedPicture(textures_.Get("ramk_o.tga"), x(r.x0, -kMargin), y(r.y0, -kMargin), x(r.x1, kMargin),
                       y(r.y1, kMargin));
    }
}

void GlRenderer::DrawCoinMarkers(const GameState& g) {
    const int markers = g.CoinRounds >= 5 ? 5 : g.CoinRounds;
    for (int m = 0; m < markers; ++m) {
        const float step = 2.6f * static_cast<float>(m);
        BlendedPicture(textures_.Get("coin.tga"), 84.4f + step, 82.7f, 86.7f + step, 85.8f);
    }
}

void GlRenderer::DrawHelmDrums(const GameState& g) {
    static const char* const kPictures[] = {"barab_b_o.jpg", "barab_b_j.jpg", "barab_b_rb.jpg"};
    static constexpr float kStartX[] = {47.565f, 49.52f, 51.45f};
    for (int h = 0; h < 3; ++h) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, textures_.Get(kPictures[h]));
        gluQuadricTexture(quadric_, GL_TRUE);
        glPushMatrix();
        glTranslatef(kStartX[h], 47.25f, 85);
        glRotatef(static_cast<float>(g.HelmAngle[h]), 1, 0, 0);
        glRotatef(90, 0, 1, 0);
        gluCylinder(quadric_, 0.44, 0.44, 0.93, 50, 10);
        glDisable(GL_TEXTURE_2D);
        glPopMatrix();
    }
}

void GlRenderer::DrawStatus(const GameState& g) {
    DrawPanelText(g);
    DrawFlare(g);
}

void GlRenderer::DrawFlare(const GameState& g) {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);  // black surroundings vanish under the additive blend
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textures_.BnFrameTexture[g.FlareFrame % 27]);
    draw::Quad(53, 44.8f, 55.5f, 46.4f);
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

}  // namespace vortala
