// The five reels (a blurred cylinder while fast, a nine-face drum once slowing), the frames over
// scatter cells, and the fifteen paylines as thin cylinders.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "GlDraw.h"
#include "GlRenderer.h"
#include "game/Rules.h"

namespace vortala {

namespace {

struct ReelPlace {
    float cylinderX, drumX, drumWidth;
};
constexpr ReelPlace kReelPlaces[kReels] = {{48.34f, 48.665f, 0.655f},
                                           {48.993f, 49.325f, 0.6515f},
                                           {49.646f, 49.98f, 0.65f},
                                           {50.295f, 50.632f, 0.646f},
                                           {50.95f, 51.28f, 0.646f}};

constexpr float kFrameColumns[kReels][2] = {
    {48.5f, 49.08f}, {49.1f, 49.68f}, {49.7f, 50.27f}, {50.29f, 50.86f}, {50.88f, 51.45f}};
constexpr float kFrameRows[3][2] = {{50.36f, 50.9f}, {49.7f, 50.34f}, {49.13f, 49.68f}};

// One piece of a payline: a start point, an angle (positive falls to the right, negative rises),
// a length, and whether it is one of the thicker level pieces.
struct Piece {
    float x, y, angle, length;
    bool thick;
};
struct Payline {
    unsigned char r, g, b;
    int pieces;
    Piece piece[6];
};
constexpr unsigned char kFull = 255, kHalf = 128;  // intensity of a line's colour channel
constexpr Payline kPaylinesDrawn[kLines] = {
    {kFull, 0, 0, 1, {{48.31f, 50.02f, 0, 3.342f, true}}},
    {0, kHalf, 0, 1, {{48.31f, 50.7f, 0, 3.342f, true}}},
    {kHalf, kHalf, 0, 1, {{48.31f, 49.35f, 0, 3.342f, true}}},
    {0,
     kFull,
     kFull,
     4,
     {{48.31f, 50.86f, 0, 0.2f, true},
      {48.5f, 50.86f, 45, 2.1f, false},
      {49.98f, 49.38f, -45, 2.1f, false},
      {51.45f, 50.86f, 0, 0.19f, true}}},
    {0,
     kFull,
     0,
     4,
     {{48.31f, 49.2f, 0, 0.2f, true},
      {48.5f, 49.2f, -45, 2.1f, false},
      {49.98f, 50.7f, 45, 2.125f, false},
      {51.472f, 49.2f, 0, 0.17f, true}}},
    {kHalf,
     0,
     0,
     4,
     {{48.31f, 50.52f, 0, 1.1f, true},
      {49.4f, 50.52f, 45, 0.85f, false},
      {49.98f, 49.92f, -45, 0.85f, false},
      {50.573f, 50.52f, 0, 1.07f, true}}},
    {kFull,
     0,
     kFull,
     4,
     {{48.31f, 49.5f, 0, 1.1f, true},
      {49.4f, 49.5f, -45, 0.85f, false},
      {49.98f, 50.1f, 45, 0.85f, false},
      {50.573f, 49.5f, 0, 1.08f, true}}},
    {205,
     175,
     12,
     5,
     {{48.31f, 50.18f, 0, 0.415f, true},
      {48.715f, 50.18f, -45, 0.9f, false},
      {49.34f, 50.81f, 0, 1.3f, true},
      {50.63f, 50.81f, 45, 0.9f, false},
      {51.252f, 50.18f, 0, 0.4f, true}}},
    {0,
     0,
     kFull,
     5,
     {{48.31f, 49.87f, 0, 0.413f, true},
      {48.71f, 49.87f, 45, 0.9f, false},
      {49.34f, 49.23f, 0, 1.3f, true},
      {50.63f, 49.23f, -45, 0.91f, false},
      {51.26f, 49.87f, 0, 0.4f, true}}},
    {51,
     153,
     204,
     5,
     {{48.172f, 50.12f, 0, 0.55f, true},
      {48.715f, 50.12f, -45, 0.8f, false},
      {49.28f, 50.68f, 45, 1.9f, true},
      {50.62f, 49.35f, -50.5f, 1, false},
      {51.252f, 50.12f, 0, 0.54f, true}}},
    {kHalf,
     51,
     kHalf,
     6,
     {{48.172f, 50.8f, 0, 0.515f, true},
      {48.678f, 50.8f, 68, 1.8f, false},
      {49.34f, 49.14f, -68.5f, 1.78f, true},
      {49.99f, 50.78f, 68, 1.75f, false},
      {50.64f, 49.14f, -68.5f, 1.78f, true},
      {51.282f, 50.8f, 0, 0.515f, true}}},
    {51,
     153,
     153,
     3,
     {{48.17f, 49.455f, 0, 1.3f, true}, {49.45f, 49.45f, -45, 1.64f, false}, {50.6f, 50.6f, 0, 1.2f, true}}},
    {0,
     204,
     51,
     5,
     {{48.172f, 49.94f, 0, 0.55f, true},
      {48.715f, 49.94f, 45, 0.8f, false},
      {49.285f, 49.36f, -45, 1.9f, true},
      {50.62f, 50.7f, 50.5f, 1, false},
      {51.252f, 49.94f, 0, 0.54f, true}}},
    {51,
     153,
     153,
     3,
     {{48.17f, 50.62f, 0, 1.24f, true},
      {49.4f, 50.62f, 45, 1.65f, false},
      {50.567f, 49.456f, 0, 1.23f, true}}},
    {kHalf,
     51,
     kHalf,
     6,
     {{48.17f, 49.265f, 0, 0.515f, true},
      {48.678f, 49.265f, -68, 1.75f, false},
      {49.34f, 50.88f, 68.5f, 1.75f, true},
      {49.98f, 49.26f, -68, 1.75f, false},
      {50.64f, 50.88f, 68.5f, 1.75f, true},
      {51.282f, 49.265f, 0, 0.515f, true}}},
};
// Lines are drawn in this order so the crossing ones overlap the same way every frame.
constexpr int kPaylineOrder[kLines] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 10, 13, 11, 14};

}  // namespace

void GlRenderer::DrawFacetDrum(int faceCount, int steps, const TextureHandle* textures) {
    glEnable(GL_TEXTURE_2D);
    const float faceAngle = 360.0f / static_cast<float>(faceCount);
    for (int i = 0; i < faceCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, textures[i]);
        glPushMatrix();
        glRotatef(faceAngle * static_cast<float>(i), 1, 0, 0);
        glRotatef(-100, 1, 0, 0);
        glBegin(GL_TRIANGLE_STRIP);
        for (int j = 0; j < steps; ++j) {
            const float t = static_cast<float>(j) / static_cast<float>(steps - 1);
            const float theta = t * faceAngle * 3.14159265f / 180.0f;
            const float s = std::sin(theta), c = std::cos(theta);
            glNormal3f(0, s, c);
            glTexCoord2f(0, t), glVertex3f(-0.5f, s, c);
            glTexCoord2f(1, t), glVertex3f(0.5f, s, c);
        }
        glEnd();
        glPopMatrix();
    }
    glDisable(GL_TEXTURE_2D);
}

void GlRenderer::DrawReels(const GameState& g) {
    // A ship or a chest may be picked while the reels are still drawing away over its screen; from
    // the pick on they are left out, so the ships and chests and the values on them read clearly.
    if ((g.FreeGameScreen && g.FreeGamePicked) || (g.ChestScreen && g.ChestPicked)) return;
    for (int r = 0; r < kReels; ++r) {
        const ReelPlace& place = kReelPlaces[r];
        if (ReelBlurred(g, r)) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, textures_.Get("spritb1.jpg"));
            gluQuadricTexture(quadric_, GL_TRUE);
            glPushMatrix();
            glTranslatef(place.cylinderX, 50.02f, g.PanelY);
            glRotatef(90, 0, 1, 0);
            glRotatef(g.ReelAngle[r], 0, 0, 1);
            gluCylinder(quadric_, g.ReelRadius, g.ReelRadius, 0.653, 50, 10);
            glDisable(GL_TEXTURE_2D);
            glPopMatrix();
        } else if (g.ReelRadius >= 1.08f && g.PanelY > 0) {
            TextureHandle faces[kDrumPositions];
            for (int p = 0; p < kDrumPositions; ++p)
                faces[p] = textures_.FaceTexture[g.ReelFaceTexture[r][p] % kFaceCount];
            glPushMatrix();
            glTranslatef(place.drumX, 50.02f, g.PanelY);
            glRotatef(g.ReelAngle[r], 1, 0, 0);
            glScalef(place.drumWidth, -1.08f, 1);
            DrawFacetDrum(9, 10, faces);
            glPopMatrix();
        }
    }
}

void GlRenderer::DrawWinFrames(const GameState& g) {
    if (!PanelInPlace(g)) return;
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, textures_.Get("ramk_o.tga"));
    for (int cell = 0; cell < kVisibleCells; ++cell) {
        if (!g.ScatterMark[cell]) continue;
        const int row = cell / kReels, reel = cell % kReels;
        draw::Quad(kFrameColumns[reel][0], kFrameRows[row][0], kFrameColumns[reel][1], kFrameRows[row][1],
                   160);
    }
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void GlRenderer::DrawPaylines(const GameState& g) {
    if (transparentLines_()) {
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);  // transparent lines add up where they cross
    } else {
        glDisable(GL_BLEND);
    }
    gluQuadricTexture(quadric_, GL_FALSE);
    // Unlit, so each line shows its marker's colour instead of washing out to the white light.
    glDisable(GL_LIGHTING);
    for (int line : kPaylineOrder) {
        if (!g.LineHighlight[line]) continue;
        const Payline& p = kPaylinesDrawn[line];
        const bool wild = g.WildLineMark[line];
        glPushAttrib(GL_CURRENT_BIT);
        glDisable(GL_TEXTURE_2D);
        if (wild)
            glColor3f(0.8f, 0.8f, 0.8f);
        else
            glColor3ub(p.r, p.g, p.b);
        for (int i = 0; i < p.pieces; ++i) {
            const Piece& piece = p.piece[i];
            const double radius = wild ? (piece.thick ? 0.005 : 0.004) : (piece.thick ? 0.013 : 0.012);
            glPushMatrix();
            glTranslatef(piece.x, piece.y, 151.5f);
            glRotatef(90, 0, 1, 0);
            if (piece.angle > 0)
                glRotatef(piece.angle, 1, 0, 0);
            else if (piece.angle < 0)
                glRotatef(-piece.angle, -1, 0, 0);
            gluCylinder(quadric_, radius, radius, piece.length, 10, 10);
            glPopMatrix();
        }
        glPopAttrib();
        glEnable(GL_TEXTURE_2D);
    }
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace vortala
