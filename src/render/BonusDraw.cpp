// The bonus screens' own pictures: chests, barrels with the target and the explosion, the voyage,
// the coin drum and the risk cards.
#include <GL/gl.h>

#include "GlDraw.h"
#include "GlRenderer.h"
#include "game/Rules.h"

namespace vortala {

using draw::BlendedPicture;

namespace {

struct Box {
    float x0, y0, x1, y1;
};
constexpr Box kChestSlots[5] = {
    {9, 26.5f, 29, 51}, {39, 25, 59.5f, 50}, {67, 25.5f, 87, 50}, {27, 38.5f, 45, 61}, {55, 42.5f, 72, 64}};
constexpr Box kBarrels[3] = {
    {47.4f, 48, 48.85f, 50.85f}, {49.2f, 48.2f, 50.65f, 51.05f}, {51, 48, 52.45f, 50.85f}};
constexpr Box kTargets[6] = {{49.3f, 51.2f, 50.55f, 52.7f}, {47.5f, 49.3f, 48.75f, 50.8f},
                             {49.3f, 49.5f, 50.55f, 51},    {51.1f, 49.3f, 52.35f, 50.8f},
                             {45.65f, 50.1f, 46.9f, 51.6f}, {52.95f, 50.1f, 54.15f, 51.6f}};

struct ShipPoint {
    float x, y;
    bool headingLeft;
};
constexpr ShipPoint kShipPoints[17] = {
    {26.3f, 71, false}, {35.3f, 73, false}, {45, 70, false}, {55, 73, false}, {64.3f, 71, false},
    {74, 69, false},    {57, 65, true},     {59, 56, false}, {65, 54, true},  {50, 51, true},
    {45, 37, true},     {38, 38, true},     {31, 39, false}, {37, 53, true},  {30.5f, 59, false},
    {35.5f, 67, false}, {40.5f, 62, false}};

// Open-chest picture for a value under each trigger: 0 empty, 1 some gold, 2 full, -1 none.
int OpenChestPicture(int trigger, int value) {
    switch (trigger) {
        case 3:
            return value == 0 ? 0 : value == 5 ? 1 : value == 10 ? 2 : -1;
        case 4:
            return value == 0 ? 0 : value == 10 ? 1 : value == 15 ? 2 : -1;
        case 5:
            return value == 10 || value == 15 ? 1 : value == 25 ? 2 : -1;
        default:
            return -1;
    }
}

}  // namespace

void GlRenderer::BuildExplosionLists() {
    explosionListBase_ = glGenLists(64);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, textures_.Get("explot.jpg"));
    for (int n = 0; n < 64; ++n) {
        const float s0 = static_cast<float>(n % 8) / 8, t0 = static_cast<float>(n / 8) / 8;
        const float s1 = s0 + 0.125f, t1 = t0 + 0.125f;
        glNewList(explosionListBase_ + n, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(s0, t1), glVertex2i(0, 0);
        glTexCoord2f(s0, t0), glVertex2i(0, 30);
        glTexCoord2f(s1, t0), glVertex2i(30, 30);
        glTexCoord2f(s1, t1), glVertex2i(30, 0);
        glEnd();
        glEndList();
    }
}

void GlRenderer::DrawChests(const GameState& g) {
    static const char* const kOpen[3] = {"sundukon_0.tga", "sundukon_1.tga", "sundukon_2.tga"};
    for (int pass = 0; pass < 2; ++pass) {  // closed chests first, then the open ones over them
        for (int c = 4; c >= 0; --c) {
            const ChestSlot& slot = g.Chests[c];
            if (static_cast<bool>(slot.ChestOpen) != (pass == 1)) continue;
            const char* picture = "sundukoff.tga";
            if (slot.ChestOpen) {
                const int open = OpenChestPicture(g.ChestTrigger, slot.ChestValue);
                if (open < 0) continue;
                picture = kOpen[open];
            }
            const Box& b = kChestSlots[c];
            BlendedPicture(textures_.Get(picture), b.x0, b.y0, b.x1, b.y1);
        }
    }
}

void GlRenderer::DrawBarrels(const GameState& g) {
    static const char* const kPictures[3] = {"bar.tga", "bar_cr.tga", "bar_gcr.tga"};
    for (int b = 0; b < 3; ++b) {
        const int content = g.BarrelContent[b];
        if (content > 2) continue;
        BlendedPicture(textures_.Get(kPictures[content]), kBarrels[b].x0, kBarrels[b].y0, kBarrels[b].x1,
                       kBarrels[b].y1);
    }
    if (!g.BarrelExploded && g.BarrelChoice <= 5) {
        const Box& t = kTargets[g.BarrelChoice];
        BlendedPicture(textures_.Get("attack.tga"), t.x0, t.y0, t.x1, t.y1);
    }
    if (!g.BarrelExploded || g.ExplosionFrame == 0) return;
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glEnable(GL_TEXTURE_2D);
    for (int pass = 0; pass < 2; ++pass) {  // the second pass doubles the brightness
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glBindTexture(GL_TEXTURE_2D, textures_.Get("explot.jpg"));
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glPushMatrix();
        glTranslatef(g.ExplosionX, g.ExplosionY, 0.5f);
        glScalef(0.3f, 0.3f, 1);
        glCallList(explosionListBase_ + (g.ExplosionFrame - 1) % 64);
        glPopMatrix();
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
    }
    glColor4f(1, 1, 1, 1);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

void GlRenderer::DrawVoyage(const GameState& g) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (g.ShipSquare <= 16) {
        const ShipPoint& p = kShipPoints[g.ShipSquare];
        const char* picture = p.headingLeft ? "br_left.tga" : "br_right.tga";
        if (g.ShipSunk && IsReefSquare(g.ShipSquare)) picture = "br_die.tga";
        glBindTexture(GL_TEXTURE_2D, textures_.Get(picture));
        glPushMatrix();
        glTranslatef(p.x, p.y, 0);
        draw::Quad(-4, -5, 4, 5);
        glPopMatrix();
    }
    glBindTexture(GL_TEXTURE_2D, textures_.Get("arrow.tga"));
    glPushMatrix();
    glTranslatef(66.9f, 36, 0);
    glRotatef(30, 1, 0, 0);  // the compass lies tilted
    glRotatef(static_cast<float>(g.ArrowAngle), 0, 0, 1);
    draw::Quad(-5.5f, -3.4f, 5.5f, 3.6f);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, textures_.Get("pipka.tga"));
    glPushMatrix();
    glTranslatef(66.9f, 36, 0);
    glRotatef(static_cast<float>(g.PinWobble), 0, 0, 1);
    draw::Quad(-1.5f, -1.5f, 1.5f, 1.5f);
    glPopMatrix();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void GlRenderer::DrawCoinDrum(const GameState& g) {
    glPushMatrix();
    glTranslatef(49.96f, 50.22f, 85);
    glRotatef(g.CoinAngle, 1, 0, 0);
    glScalef(2, -1, 1);
    DrawFacetDrum(4, 10, textures_.CoinDrumTexture.data());
    glPopMatrix();
}

void GlRenderer::DrawRiskCards(const GameState& g) {
    glEnable(GL_TEXTURE_2D);
    for (int k = 0; k < 7; ++k) {
        const float step = 0.5f * static_cast<float>(k);
        if (!g.RiskCardShown[k] || (g.RiskCard[k] != 1 && g.RiskCard[k] != 2)) continue;
        glBindTexture(GL_TEXTURE_2D, textures_.Get(g.RiskCard[k] == 1 ? "cardsr.tga" : "cardsb.tga"));
        draw::Quad(46.88f + step, 50, 47.97f + step, 51.95f);
    }
    glBindTexture(GL_TEXTURE_2D, textures_.Get("cardsd.tga"));
    draw::Quad(51.88f - g.RiskFlip, 50, 52.97f - g.RiskFlip, 51.95f);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace vortala
